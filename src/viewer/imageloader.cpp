#include "viewer/imageloader.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

namespace {

// Header, a full colour table and the start of the extension after it.
constexpr qint64 kGifHeadBytes = 13 + 768 + 8;

bool IsPictureExtension(const QString& path)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext.size() > 4)
        return false;
    return ext == QLatin1String("gif") || ext == QLatin1String("png") || ext == QLatin1String("jpg")
        || ext == QLatin1String("jpeg") || ext == QLatin1String("bmp");
}

// Qt's JPEG reader fills the rows of a cut-off file with grey and calls it
// read; a complete file has its end-of-image marker near its end.
bool JpegLooksComplete(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 tail = std::min<qint64>(file.size(), 64 * 1024);
    file.seek(file.size() - tail);
    return file.read(tail).contains(QByteArrayView("\xFF\xD9", 2));
}

void CapDecodeSize()
{
    // Qt's own cap stops a decoder from allocating what a forged header
    // asks for; keep it at our limit if it was switched off or raised.
    const int limit = QImageReader::allocationLimit();
    if (limit <= 0 || limit > kPictureDecodeLimitMB)
        QImageReader::setAllocationLimit(kPictureDecodeLimitMB);
}

} // namespace

QColor GifTransparentColor(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QColor();
    const QByteArray head = file.read(kGifHeadBytes);
    const auto byte = [&](qsizetype i) { return i < head.size() ? int(quint8(head[i])) : -1; };
    if (head.size() < 13 || !head.startsWith("GIF") || byte(4) != '9')
        return QColor();
    const int entries = 1 << ((byte(10) & 7) + 1);
    const qsizetype extension = 13 + qsizetype(entries) * 3;
    if (byte(extension) != 0x21 || byte(extension + 1) != 0xF9)
        return QColor();
    const int flags = byte(extension + 3);
    const int index = byte(extension + 6);
    if (flags < 0 || index < 0 || !(flags & 1))
        return QColor();
    const qsizetype entry = 13 + qsizetype(index) * 3;
    if (byte(entry + 2) < 0)
        return QColor();
    return QColor(byte(entry), byte(entry + 1), byte(entry + 2));
}

QImage LoadImageFile(const QString& path)
{
    if (!IsPictureExtension(path))
        return QImage();
    CapDecodeSize();
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid()
        && qint64(size.width()) * size.height() * 4 > qint64(kPictureDecodeLimitMB) * 1024 * 1024)
        return QImage();
    if (reader.format() == "jpeg" && !JpegLooksComplete(path))
        return QImage();
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return QImage();
    return image;
}

QImage MakeMask(const QImage& bitmap, bool colorGiven, QColor color)
{
    if (bitmap.isNull())
        return QImage();
    const QImage rgb = bitmap.convertToFormat(QImage::Format_ARGB32);
    const QRgb wanted = (colorGiven ? color.rgb() : rgb.pixel(0, rgb.height() - 1)) & 0xFFFFFF;
    QImage mask(bitmap.size(), QImage::Format_MonoLSB);
    mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mask.fill(0);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = mask.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x)
            if ((line[x] & 0xFFFFFF) == wanted)
                out[x >> 3] |= uchar(1u << (x & 7));
    }
    return mask;
}

QImage LoadImageWithMask(const QString& path, int& mode, QImage& mask)
{
    mask = QImage();
    if (!QFileInfo(path).isFile())
        return QImage();
    QColor fileColor;
    if (QFileInfo(path).suffix().compare(QLatin1String("gif"), Qt::CaseInsensitive) == 0) {
        fileColor = GifTransparentColor(path);
        if (fileColor.isValid())
            mode = NamedTransparentColor;
    }
    QImage bitmap = LoadImageFile(path);
    if (bitmap.isNull())
        return bitmap;
    if (mode == TranspAttribute)
        mask = MakeMask(bitmap, false);
    else if (mode == NamedTransparentColor && fileColor.isValid())
        mask = MakeMask(bitmap, true, fileColor);
    return bitmap;
}
