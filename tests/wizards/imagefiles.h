#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <QtEndian>
#include <functional>

// Small picture files made on the spot, so each test says what it reads.
namespace imagefiles {

inline QByteArray Gif(const char* signature, int width, int height)
{
    QByteArray bytes(signature);
    char size[4];
    qToLittleEndian<quint16>(quint16(width), size);
    qToLittleEndian<quint16>(quint16(height), size + 2);
    bytes.append(size, 4);
    // Packed fields, background colour, aspect ratio, then the trailer.
    bytes.append("\x00\x00\x00\x3B", 4);
    return bytes;
}

enum class JpegKind { Baseline, Grey, Progressive };

inline QByteArray Jpeg(int width, int height, JpegKind kind = JpegKind::Baseline)
{
    QImage image(width, height, kind == JpegKind::Grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    image.fill(kind == JpegKind::Grey ? Qt::gray : Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setProgressiveScanWrite(kind == JpegKind::Progressive);
    writer.write(image);
    return bytes;
}

inline QByteArray Encoded(int width, int height, const char* format)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkYellow);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A JPEG segment: marker, big-endian length (which counts itself), payload.
inline QByteArray Segment(quint8 marker, const QByteArray& payload)
{
    QByteArray bytes;
    bytes.append(char(0xFF));
    bytes.append(char(marker));
    const int length = int(payload.size()) + 2;
    bytes.append(char(length >> 8));
    bytes.append(char(length & 0xFF));
    return bytes + payload;
}

// `jpeg` with `segments` put in right after its start-of-image marker.
inline QByteArray WithSegmentsAfterStart(const QByteArray& jpeg, const QByteArray& segments)
{
    return jpeg.left(2) + segments + jpeg.mid(2);
}

inline bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Lets the event loop run until `done` holds or the time is up.
inline bool WaitFor(const std::function<bool()>& done, int milliseconds = 10000)
{
    QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

}  // namespace imagefiles
