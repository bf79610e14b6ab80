#pragma once

#include <QByteArray>
#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>
#include <vector>

// Pictures the tests write themselves. Qt writes PNG, BMP and JPEG; GIFs are
// put together here byte by byte, so each header field is the test's choice.
namespace TestPictures {

struct GifFrame {
    std::vector<int> indices;   // width * height entries of the 4-colour table
    int transparentIndex = -1;  // a graphic control extension naming it
};

inline void PutWord(QByteArray& out, int value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// The pixels as 3-bit LZW codes with a clear code before every second one,
// so the code table never grows past three bits.
inline QByteArray LzwData(const std::vector<int>& indices)
{
    std::vector<int> codes;
    for (size_t i = 0; i < indices.size(); ++i) {
        if (i % 2 == 0)
            codes.push_back(4);
        codes.push_back(indices[i]);
    }
    codes.push_back(5);
    QByteArray packed;
    unsigned bits = 0;
    int count = 0;
    for (int code : codes) {
        bits |= unsigned(code) << count;
        count += 3;
        while (count >= 8) {
            packed.append(char(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0)
        packed.append(char(bits & 0xFF));
    QByteArray out;
    out.append(char(2));   // minimum code size
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray block = packed.mid(at, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append(char(0));
    return out;
}

inline QByteArray Gif(int width, int height, const std::vector<QRgb>& palette, const std::vector<GifFrame>& frames,
                      bool version89 = true)
{
    QByteArray out(version89 ? "GIF89a" : "GIF87a");
    PutWord(out, width);
    PutWord(out, height);
    out.append(char(0x80 | 0x01));   // a global table of 4 entries
    out.append(char(0));
    out.append(char(0));
    for (int i = 0; i < 4; ++i) {
        const QRgb c = i < int(palette.size()) ? palette[size_t(i)] : qRgb(0, 0, 0);
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
    for (const GifFrame& frame : frames) {
        if (frame.transparentIndex >= 0) {
            out.append("\x21\xF9\x04\x01", 4);
            PutWord(out, 0);
            out.append(char(frame.transparentIndex));
            out.append(char(0));
        }
        out.append(char(0x2C));
        PutWord(out, 0);
        PutWord(out, 0);
        PutWord(out, width);
        PutWord(out, height);
        out.append(char(0));
        out.append(LzwData(frame.indices));
    }
    out.append(char(0x3B));
    return out;
}

// A picture of one colour with a differently coloured bottom-left pixel.
inline QImage Solid(int width, int height, QColor color, QColor bottomLeft = QColor())
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    if (bottomLeft.isValid())
        image.setPixelColor(0, height - 1, bottomLeft);
    return image;
}

inline QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 100);
    return bytes;
}

inline QString Write(const QDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return dir.filePath(name);
}

} // namespace TestPictures
