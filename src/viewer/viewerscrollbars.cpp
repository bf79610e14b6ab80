#include "viewer/viewerscrollbars.h"

#include <algorithm>

ScrollBarArrangement ArrangeScrollBars(int width, int height, int barWidth, int documentHeight, int scrollWidth,
                                       TScrollStyle allowed)
{
    const int w = width;
    const int h = height;
    const int b = barWidth;
    const int n = scrollWidth + 20;

    const bool vertical = AllowsVertical(allowed) &&
                          (documentHeight >= h - 2 ||
                           (AllowsHorizontal(allowed) && documentHeight >= h - 2 - b && n > w - b));
    const bool horizontal = AllowsHorizontal(allowed) && (n > w || (vertical && n > w - b));

    ScrollBarArrangement a;
    const int v = vertical ? w - b : w;
    const int panelHeight = h - 2 - (horizontal ? b : 0);
    a.Panel = QRect(1, 1, std::max(0, v - 2), std::max(0, panelHeight));

    a.Horizontal.Visible = horizontal;
    a.Horizontal.Bounds = QRect(1, h - b - 1, std::max(0, v - 2), b);
    a.Horizontal.Max = std::max(n, v - 2);
    a.Horizontal.PageSize = v;
    a.Horizontal.LargeChange = std::max(1, v - 20);

    a.Vertical.Visible = vertical;
    a.Vertical.Bounds = QRect(w - b - 1, 1, b, std::max(0, panelHeight));
    a.Vertical.Max = documentHeight;
    a.Vertical.PageSize = panelHeight + 1;
    a.Vertical.LargeChange = panelHeight - 16;
    return a;
}
