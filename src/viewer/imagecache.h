#pragma once

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>
#include <map>
#include <memory>
#include <vector>

class ViewerHost;

// One decoded picture of the image cache with its mask. The decoded bitmap
// is never changed; what the screen needs (the mask applied as alpha, the
// picture scaled to the size an IMG asks for) is made once and kept beside it.
class TBitmapItem {
public:
    int Age = 0;              // loads since it was last used
    int Transparent = 0;      // TransparencyMode of the mask
    QImage Bitmap;            // null for a picture that could not be had
    QImage Mask;              // white where transparent; null for none

    // The picture at that size for the screen: with masked, the mask's
    // pixels are transparent. Kept for the last few sizes asked for, so a
    // repaint copies pixels instead of scaling the whole picture again.
    const QImage& Shown(QSize size, bool masked);
    // The picture for the printer, unscaled, with every transparent pixel
    // (by mask or by its own alpha) white.
    QImage Printed(bool masked) const;

    // Where the picture was read from, to notice when the file changes.
    QString Path;
    QDateTime Modified;
    qint64 FileSize = -1;

private:
    struct ScaledCopy {
        QSize size;
        bool masked;
        QImage image;
    };
    QImage MaskedFullSize() const;
    std::vector<ScaledCopy> copies_;   // most recently used first
};

// The image cache: decoded pictures by source, kept across loads of the
// document until they have not been used for more loads than the maximum age.
class TStringBitmapList {
public:
    // The picture for an IMG source or a background (see the body for the
    // order host, file, host). mode is the image's TransparencyMode: asked
    // on entry, the item's on return when that names a colour. Null when
    // there is no picture; a failure is remembered until the next load.
    std::shared_ptr<TBitmapItem> GetImage(const QString& source, int& mode, ViewerHost* host);

    // At every load: ages every item and drops those older than the maximum.
    void AgeImages();
    // Drops every item older than age and makes it the maximum.
    void SetMaxAge(int age);
    int MaxAge() const { return maxAge_; }
    void Clear() { items_.clear(); }

    // Pictures held (failures not counted), and how many pictures the cache
    // has decoded from files or asked of the host since it was made.
    int Count() const;
    int DecodeCount() const { return decodes_; }

private:
    std::shared_ptr<TBitmapItem> Fetch(const QString& source, const QString& path, int mode, ViewerHost* host);
    bool FileChanged(const TBitmapItem& item) const;

    // Sorted by key: the upper-cased, trimmed source for pictures the host
    // supplies, the full path (its case kept) for pictures read from files.
    std::map<QString, std::shared_ptr<TBitmapItem>> items_;
    int maxAge_ = 4;
    int decodes_ = 0;
};
