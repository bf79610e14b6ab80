#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// Reading pictures from files for the preview. Every failure (a missing,
// empty, cut-off, unreadable or oversized file, an unknown format) gives a
// null image; nothing here throws.

// Transparency modes of a picture: none, the bottom-left pixel's colour asked
// for with TRANSP, or a colour named by the GIF file itself or by the host.
enum TransparencyMode : int { NoTransparency = 0, TranspAttribute = 1, NamedTransparentColor = 2 };

// The largest picture decoded, in bytes of 32-bit pixels: a 4000 x 3000
// photograph fits, a forged 20000 x 20000 header does not.
constexpr int kPictureDecodeLimitMB = 128;

// The transparent colour a GIF89a file names in a graphic control
// extension right after its global colour table; invalid when there is none.
QColor GifTransparentColor(const QString& path);

// The first frame of a GIF, JPEG, PNG or BMP file. Only those extensions are
// read, but the content decides how: a .gif holding a PNG is read as a PNG.
QImage LoadImageFile(const QString& path);

// A one-bit mask of the bitmap's size: white (1) where a pixel has the
// colour, black (0) elsewhere. Without a given colour the bottom-left
// pixel's colour is used. Alpha is not compared.
QImage MakeMask(const QImage& bitmap, bool colorGiven, QColor color = QColor());

// LoadImageFile with transparency: a GIF naming a transparent colour turns
// mode into NamedTransparentColor; with a mode other than none, mask receives
// the mask of the transparent colour.
QImage LoadImageWithMask(const QString& path, int& mode, QImage& mask);
