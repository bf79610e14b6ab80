#pragma once

#include "common/delimitedlines.h"

#include <QString>

enum class CaptionAlignment { Top, Bottom, Default };

// The most data rows and data columns a table of the wizard holds.
inline constexpr int kMaxTableColumns = 255;
inline constexpr int kMaxTableRows = 255;

// Everything the table wizard writes: the cells and the table's attributes.
// A size or spacing of 0 leaves its attribute out.
struct TableDescription {
    GridCells cells{3, 3};
    QString caption;  // empty: no caption
    CaptionAlignment captionAlignment = CaptionAlignment::Default;
    int headingRows = 0;
    int headingColumns = 0;
    int border = 1;
    int width = 0;
    int height = 0;
    int cellPadding = 0;
    int cellSpacing = 0;

    bool operator==(const TableDescription&) const = default;
};
