#pragma once

#include <QSize>
#include <vector>

class Canvas;
class QPrinter;
class TSectionList;

// Where the pages of a document laid out for paper begin. All sizes are
// screen pixels (96 per inch), the unit of every layout.
struct PrintPlan {
    int PaperWidth = 0;      // the printable area
    int PaperHeight = 0;
    int TextWidth = 0;       // the paper less a margin on each side
    int DocumentHeight = 0;
    // Page i (from 0) shows the document from PageTops[i] down to the next
    // page's top, or one paper height for the last page.
    std::vector<int> PageTops;

    int PageCount() const { return int(PageTops.size()); }
    int PageEnd(int index) const;
};

// Space left of the text on paper; as much is left on the right.
constexpr int PaperMargin = 10;
constexpr int ScreenPixelsPerInch = 96;

// Lays the printing copy out at the width of the paper, once, and cuts it
// into pages: a text line that would be cut starts the next page, a table
// starting in the lower half of a page that does not fit moves whole, and
// anything taller than a page runs across the break. The canvas only
// measures.
PrintPlan PaginateForPrinting(TSectionList& copy, Canvas& canvas, int paperWidth, int paperHeight);

// The printable area of the printer's paper in screen pixels; "Printer
// selected is not valid" when it has none a line fits on.
QSize PaperSize(QPrinter& printer);

// Prints pages firstPage to lastPage (from 1) of a copy of the document on
// white paper and returns how many pages went to the printer; none when the
// range holds no page. "Printer selected is not valid" when the printer
// cannot be opened. The document itself is not touched.
int PrintPages(const TSectionList& document, QPrinter& printer, int firstPage, int lastPage);
