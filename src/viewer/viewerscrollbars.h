#pragma once

#include <QRect>

// Which scroll bars the viewer may show.
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

inline bool AllowsVertical(TScrollStyle s) { return s == TScrollStyle::ssVertical || s == TScrollStyle::ssBoth; }
inline bool AllowsHorizontal(TScrollStyle s) { return s == TScrollStyle::ssHorizontal || s == TScrollStyle::ssBoth; }

// One bar in the classic terms: positions Min..Max of which a page shows
// PageSize, so the last position a thumb reaches is Max - PageSize + 1.
struct BarSettings {
    bool Visible = false;
    QRect Bounds;
    int Min = 0;
    int Max = 0;
    int PageSize = 0;
    int LargeChange = 1;
};

struct ScrollBarArrangement {
    QRect Panel;          // the paint panel, inside the one-pixel frame
    BarSettings Horizontal;
    BarSettings Vertical;
};

// Where the panel and bars go for a client area of width x height, bars
// barWidth thick, a document documentHeight high whose widest line is
// scrollWidth.
ScrollBarArrangement ArrangeScrollBars(int width, int height, int barWidth, int documentHeight, int scrollWidth,
                                       TScrollStyle allowed);
