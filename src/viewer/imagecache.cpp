#include "viewer/imagecache.h"

#include "viewer/imageloader.h"
#include "viewer/viewerhost.h"

#include <QFileInfo>
#include <QPainter>
#include <algorithm>

namespace {

// Sizes kept per picture: the few an IMG of the page asks for.
constexpr size_t kKeptCopies = 4;
// A target larger than this is scaled by the painter while drawing instead
// of being kept as a copy (a WIDTH and HEIGHT of some thousands).
constexpr qint64 kLargestKeptCopy = 4096 * 4096;

QImage ForDrawing(const QImage& image)
{
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                         : QImage::Format_RGB32);
}

} // namespace

QImage TBitmapItem::MaskedFullSize() const
{
    QImage image = Bitmap.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        const uchar* bits = Mask.constScanLine(y);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (bits[x >> 3] & (1u << (x & 7)))
                line[x] = 0;
    }
    return image;
}

const QImage& TBitmapItem::Shown(QSize size, bool masked)
{
    masked = masked && !Mask.isNull() && Mask.size() == Bitmap.size();
    const auto found = std::find_if(copies_.begin(), copies_.end(), [&](const ScaledCopy& copy) {
        return copy.size == size && copy.masked == masked;
    });
    if (found != copies_.end()) {
        std::rotate(copies_.begin(), found, found + 1);
        return copies_.front().image;
    }
    const QImage base = masked ? MaskedFullSize() : Bitmap;
    QImage copy;
    if (size.isEmpty() || size == base.size() || qint64(size.width()) * size.height() > kLargestKeptCopy)
        copy = ForDrawing(base);
    else
        copy = ForDrawing(base.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    copies_.insert(copies_.begin(), ScaledCopy{size, masked, copy});
    if (copies_.size() > kKeptCopies)
        copies_.pop_back();
    return copies_.front().image;
}

QImage TBitmapItem::Printed(bool masked) const
{
    masked = masked && !Mask.isNull() && Mask.size() == Bitmap.size();
    QImage page(Bitmap.size(), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.drawImage(0, 0, masked ? MaskedFullSize() : Bitmap);
    return page;
}

std::shared_ptr<TBitmapItem> TStringBitmapList::GetImage(const QString& source, int& mode, ViewerHost* host)
{
    if (source.trimmed().isEmpty())
        return nullptr;
    // Pictures from files are told apart by their full path: two pages in
    // different folders may both name "logo.gif", and on this system
    // "Logo.gif" and "logo.gif" are different files.
    const bool hostOnly = host && host->SuppliesPictures();
    const QString path = hostOnly ? QString() : (host ? host->ExpandLinkName(source) : source.trimmed());
    const QString key = hostOnly ? source.trimmed().toUpper() : path;

    std::shared_ptr<TBitmapItem> item;
    if (const auto it = items_.find(key); it != items_.end()) {
        // Checked at its first use in a load: a failure is tried again and
        // a file changed on disk is read again.
        const TBitmapItem& cached = *it->second;
        if (cached.Age == 0 || (!cached.Bitmap.isNull() && !FileChanged(cached)))
            item = it->second;
        else
            items_.erase(it);
    }
    if (!item) {
        item = Fetch(source, path, mode, host);
        items_[key] = item;
    } else if (!item->Bitmap.isNull() && item->Transparent != NamedTransparentColor && mode == TranspAttribute
               && item->Mask.isNull()) {
        item->Mask = MakeMask(item->Bitmap, false);
        if (!item->Mask.isNull())
            item->Transparent = TranspAttribute;
    }
    item->Age = 0;
    if (item->Bitmap.isNull())
        return nullptr;
    if (item->Transparent == NamedTransparentColor)
        mode = NamedTransparentColor;
    return item;
}

std::shared_ptr<TBitmapItem> TStringBitmapList::Fetch(const QString& source, const QString& path, int mode,
                                                      ViewerHost* host)
{
    auto item = std::make_shared<TBitmapItem>();
    if (!path.isEmpty()) {
        const QFileInfo info(path);
        if (info.isFile()) {
            item->Path = path;
            item->Modified = info.lastModified();
            item->FileSize = info.size();
            ++decodes_;
            int fileMode = mode;
            item->Bitmap = LoadImageWithMask(path, fileMode, item->Mask);
            item->Transparent = item->Mask.isNull() ? NoTransparency : fileMode;
            if (!item->Bitmap.isNull())
                return item;
        }
    }
    if (!host)
        return item;
    // The host's picture: asked first when it supplies them all, else for
    // one the files lack.
    QColor transparent;
    ++decodes_;
    item->Bitmap = host->LoadPicture(source, transparent);
    item->Mask = QImage();
    item->Transparent = NoTransparency;
    if (item->Bitmap.isNull())
        return item;
    if (transparent.isValid()) {
        item->Mask = MakeMask(item->Bitmap, true, transparent);
        item->Transparent = NamedTransparentColor;
    } else if (mode == TranspAttribute) {
        item->Mask = MakeMask(item->Bitmap, false);
        item->Transparent = item->Mask.isNull() ? NoTransparency : TranspAttribute;
    }
    return item;
}

bool TStringBitmapList::FileChanged(const TBitmapItem& item) const
{
    if (item.Path.isEmpty())
        return false;
    const QFileInfo info(item.Path);
    return !info.isFile() || info.lastModified() != item.Modified || info.size() != item.FileSize;
}

void TStringBitmapList::AgeImages()
{
    for (auto it = items_.begin(); it != items_.end();) {
        if (++it->second->Age > maxAge_)
            it = items_.erase(it);
        else
            ++it;
    }
}

void TStringBitmapList::SetMaxAge(int age)
{
    for (auto it = items_.begin(); it != items_.end();) {
        if (it->second->Age > age)
            it = items_.erase(it);
        else
            ++it;
    }
    maxAge_ = age;
}

int TStringBitmapList::Count() const
{
    return int(std::count_if(items_.begin(), items_.end(),
                             [](const auto& entry) { return !entry.second->Bitmap.isNull(); }));
}
