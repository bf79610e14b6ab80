#include "viewer/fonts.h"

#include <algorithm>

int ScaleByFontSize(int value, int defFontSize)
{
    // Rounded half away from zero, as the classic MulDiv did.
    const long long product = static_cast<long long>(value) * defFontSize;
    return product >= 0 ? int((product + 6) / 12) : -int((-product + 6) / 12);
}

void TFontObj::Measure(Canvas& canvas) const
{
    canvas.SelectFont(Font.ToCanvasFont());
    const CanvasFontMetrics m = canvas.Metrics();
    LineHeight = m.height + m.externalLeading;
    Height = m.height;
    Descent = m.descent;
    Overhang = m.overhang;
}

int TFontList::IndexAt(int pos) const
{
    // Runs are few per section; a binary search keeps huge paragraphs fast.
    auto it = std::upper_bound(runs_.begin(), runs_.end(), pos,
                               [](int p, const TFontObj& run) { return p < run.Pos; });
    if (it == runs_.begin())
        return 0;
    return int(it - runs_.begin()) - 1;
}
