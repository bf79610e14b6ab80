#pragma once

#include <QString>
#include <optional>

// A picture's size in pixels as its file header gives it.
struct ImageSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const ImageSize&, const ImageSize&) = default;
};

// The logical screen size of a "GIF87a" or "GIF89a" header. A file that
// cannot be opened or lacks the signature gives nothing, silently; one
// shorter than the 12 bytes of the header raises KivoError.
std::optional<ImageSize> ReadGifSize(const QString& fileName);

// The last baseline three-component frame header (bytes C0 00 11 08) found
// in the first 20000 bytes. Open and read failures raise KivoError.
std::optional<ImageSize> ReadJpegSize(const QString& fileName);

// The size in a Windows bitmap's header; a file that cannot be opened or is
// no bitmap raises KivoError.
std::optional<ImageSize> ReadBmpSize(const QString& fileName);

// The size in a PNG's IHDR chunk; a broken header gives nothing, silently.
std::optional<ImageSize> ReadPngSize(const QString& fileName);

// The first frame header met walking a JPEG's segments from the start of the
// file, of any frame kind (progressive, grey, extended); nothing, silently,
// for a file that is no JPEG or has no frame before its scan data.
std::optional<ImageSize> ReadJpegFrameSize(const QString& fileName);

// What choosing a file reads, by its extension in any letter case: .JPG the
// baseline rule and then the segment walk, .GIF, .BMP and .PNG their
// readers; any other extension reads nothing.
std::optional<ImageSize> ReadImageSize(const QString& fileName);
