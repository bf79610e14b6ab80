#include "common/imagesize.h"

#include "platform/kivoerror.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <array>

namespace {

constexpr qint64 kGifHeaderLength = 12;
constexpr qint64 kJpegBufferLength = 20000;
constexpr qint64 kJpegScanPositions = 19994;
constexpr qint64 kPngHeaderLength = 24;
// A run of fill bytes longer than this is no JPEG a camera or editor wrote.
constexpr int kMaxJpegFillBytes = 65536;

int LittleEndian16(const QByteArray& bytes, qsizetype at)
{
    return quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8);
}

int BigEndian16(const QByteArray& bytes, qsizetype at)
{
    return (quint8(bytes[at]) << 8) | quint8(bytes[at + 1]);
}

quint32 BigEndian32(const QByteArray& bytes, qsizetype at)
{
    return (quint32(quint8(bytes[at])) << 24) | (quint32(quint8(bytes[at + 1])) << 16) |
           (quint32(quint8(bytes[at + 2])) << 8) | quint32(quint8(bytes[at + 3]));
}

QByteArray ReadStart(QFile& file, qint64 length)
{
    QByteArray bytes = file.read(length);
    if (file.error() != QFileDevice::NoError)
        throw KivoError(QStringLiteral("Cannot read file %1").arg(file.fileName()));
    return bytes;
}

// Start-of-frame markers; C4, C8 and CC share the range but are not frames.
bool IsFrameMarker(quint8 marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

}  // namespace

std::optional<ImageSize> ReadGifSize(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray header = file.read(kGifHeaderLength);
    if (header.size() < kGifHeaderLength)
        throw KivoError(QStringLiteral("Read beyond end of file %1").arg(fileName));
    if (!header.startsWith("GIF87a") && !header.startsWith("GIF89a"))
        return std::nullopt;
    return ImageSize{LittleEndian16(header, 6), LittleEndian16(header, 8)};
}

std::optional<ImageSize> ReadJpegSize(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw FileOpenError(fileName);
    const QByteArray buffer = ReadStart(file, kJpegBufferLength);
    file.close();

    // A match counts only when its size bytes were read too: the pattern's
    // four bytes, the height's two and the width's two.
    const qsizetype positions = std::min<qsizetype>(kJpegScanPositions, buffer.size() - 7);
    static constexpr std::array<char, 4> kBaselineFrame = {char(0xC0), 0x00, 0x11, 0x08};
    std::optional<ImageSize> size;
    for (qsizetype at = 0; at < positions; ++at) {
        if (std::equal(kBaselineFrame.begin(), kBaselineFrame.end(), buffer.constData() + at))
            size = ImageSize{BigEndian16(buffer, at + 6), BigEndian16(buffer, at + 4)};
    }
    return size;
}

std::optional<ImageSize> ReadBmpSize(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw FileOpenError(fileName);
    // Only the header is read: the size needs no pixels, however large the file.
    QImageReader reader(&file, "bmp");
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        throw KivoError(QStringLiteral("Bitmap image is not valid"));
    return ImageSize{size.width(), size.height()};
}

std::optional<ImageSize> ReadPngSize(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray header = file.read(kPngHeaderLength);
    if (header.size() < kPngHeaderLength || !header.startsWith("\x89PNG\r\n\x1a\n") ||
        BigEndian32(header, 8) != 13 || header.mid(12, 4) != "IHDR")
        return std::nullopt;
    const quint32 width = BigEndian32(header, 16);
    const quint32 height = BigEndian32(header, 20);
    // The format allows 1 to 2^31-1 pixels a side.
    if (width == 0 || height == 0 || width > 0x7FFFFFFFu || height > 0x7FFFFFFFu)
        return std::nullopt;
    return ImageSize{int(width), int(height)};
}

std::optional<ImageSize> ReadJpegFrameSize(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.read(2) != QByteArray("\xFF\xD8", 2))
        return std::nullopt;
    // Every step moves forward through the file, so the walk ends.
    for (;;) {
        char byte = 0;
        if (!file.getChar(&byte) || quint8(byte) != 0xFF)
            return std::nullopt;
        int fill = 0;
        do {
            if (!file.getChar(&byte) || ++fill > kMaxJpegFillBytes)
                return std::nullopt;
        } while (quint8(byte) == 0xFF);
        const quint8 marker = quint8(byte);
        if (marker == 0xD9 || marker == 0xDA)
            return std::nullopt;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        const QByteArray lengthBytes = file.read(2);
        if (lengthBytes.size() < 2)
            return std::nullopt;
        const int length = BigEndian16(lengthBytes, 0);
        if (length < 2)
            return std::nullopt;
        if (IsFrameMarker(marker)) {
            // Precision, then height and width.
            const QByteArray frame = file.read(5);
            if (length < 7 || frame.size() < 5)
                return std::nullopt;
            return ImageSize{BigEndian16(frame, 3), BigEndian16(frame, 1)};
        }
        if (!file.seek(file.pos() + length - 2) || file.atEnd())
            return std::nullopt;
    }
}

std::optional<ImageSize> ReadImageSize(const QString& fileName)
{
    const QString extension = QFileInfo(fileName).suffix().toUpper();
    if (extension == QLatin1String("JPG")) {
        if (auto size = ReadJpegSize(fileName))
            return size;
        return ReadJpegFrameSize(fileName);
    }
    if (extension == QLatin1String("GIF"))
        return ReadGifSize(fileName);
    if (extension == QLatin1String("BMP"))
        return ReadBmpSize(fileName);
    if (extension == QLatin1String("PNG"))
        return ReadPngSize(fileName);
    return std::nullopt;
}
