#pragma once

#include "common/delimitedlines.h"
#include "platform/textcodec.h"

#include <QString>

// The user's library of tag pairs, kept in "usertags.lst" in the settings folder:
// one line per entry, each cell in grave accents, cells separated by commas.
// Columns from the left: start text, end text, description.

inline constexpr int kUserTagRows = 254;
inline constexpr int kUserTagColumns = 3;
// A line may carry more fields than the three; each adds a column, up to this.
inline constexpr int kMaxUserTagColumns = 255;

QString UserTagLibraryPath(const QString& programFolder);

struct UserTagLibrary {
    // Always kUserTagRows rows and at least kUserTagColumns columns.
    GridCells cells{kUserTagColumns, kUserTagRows};
    // How the file was written, so that saving keeps its encoding and line ends.
    FileFormat format;
    // The file held text beyond the rows or columns the library has.
    bool cut = false;
};

// A missing file is an empty library. Lines without graves or commas load as
// one cell each; lines and fields past the library's size are left out (and
// `cut` says whether any of them held text). A file that exists but cannot
// be read raises FileOpenError, so an empty library never stands in for it.
UserTagLibrary LoadUserTagLibrary(const QString& path);

// Writes every row, empty ones too, replacing the file in one step: a save
// that fails raises FileCreateError and leaves the old file whole.
// The format has no way to hold a grave accent inside a cell: written as it
// is, it would end the quoting and run the rest of the row into one cell. So
// grave accents are left out of the file; returns whether any was.
bool SaveUserTagLibrary(const QString& path, const GridCells& cells, const FileFormat& format);
