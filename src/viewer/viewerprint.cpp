#include "viewer/viewerprint.h"

#include "platform/kivoerror.h"
#include "viewer/qtcanvas.h"
#include "viewer/sectionlist.h"
#include "viewer/syscolors.h"
#include "viewer/vwprinter.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace {

// Drawing marks what would be cut and moves the break up to it. Moving it
// can cut something else beside it (another cell of the same row), so the
// page is measured again until the break stays put; the break only rises
// and never reaches the page's top, so this ends.
int FindPageBreak(TSectionList& copy, Canvas& measure, const QRect& page, int textWidth)
{
    int pageEnd = page.top() + page.height();
    for (;;) {
        copy.PageBottom = pageEnd;
        copy.Draw(measure, page, textWidth, PaperMargin, 0);
        if (copy.PageBottom >= pageEnd)
            break;
        pageEnd = copy.PageBottom;
    }
    return pageEnd > page.top() ? pageEnd : page.top() + page.height();
}

} // namespace

int PrintPlan::PageEnd(int index) const
{
    if (index + 1 < PageCount())
        return PageTops[size_t(index + 1)];
    return PageTops[size_t(index)] + PaperHeight;
}

PrintPlan PaginateForPrinting(TSectionList& copy, Canvas& canvas, int paperWidth, int paperHeight)
{
    PrintPlan plan;
    plan.PaperWidth = paperWidth;
    plan.PaperHeight = paperHeight;
    plan.TextWidth = std::max(1, paperWidth - 2 * PaperMargin);
    int widest = 0;
    int curs = 0;
    plan.DocumentHeight = copy.DoLogic(canvas, 0, plan.TextWidth, widest, curs);
    int top = 0;
    for (;;) {
        plan.PageTops.push_back(top);
        if (top + paperHeight >= plan.DocumentHeight)
            break;
        top = FindPageBreak(copy, canvas, QRect(0, top, paperWidth, paperHeight), plan.TextWidth);
    }
    return plan;
}

QSize PaperSize(QPrinter& printer)
{
    TvwPrinter job(printer);
    const int dpiX = job.PixelsPerInchX();
    const int dpiY = job.PixelsPerInchY();
    if (dpiX < 1 || dpiY < 1)
        throw KivoError(QStringLiteral("Printer selected is not valid"));
    const QSize paper(qRound(double(job.PageWidth()) * ScreenPixelsPerInch / dpiX),
                      qRound(double(job.PageHeight()) * ScreenPixelsPerInch / dpiY));
    // A page must hold at least a line; a smaller one would never end.
    if (paper.width() <= 2 * PaperMargin || paper.height() < 16)
        throw KivoError(QStringLiteral("Printer selected is not valid"));
    return paper;
}

int PrintPages(const TSectionList& document, QPrinter& printer, int firstPage, int lastPage)
{
    std::unique_ptr<TSectionList> copy = document.CopyForPrinting();
    copy->YOff = 0;
    copy->Printing = true;
    // Paper is white whatever the page's background; a selection made in
    // the preview is not printed as black bars.
    copy->Background = SysColors::White();
    copy->SelStart = 0;
    copy->SelEnd = 0;

    TvwPrinter job(printer);
    const QSize paper = PaperSize(printer);
    const int dpiX = job.PixelsPerInchX();
    const int dpiY = job.PixelsPerInchY();

    QtCanvas measure;
    const PrintPlan plan = PaginateForPrinting(*copy, measure, paper.width(), paper.height());
    const int first = std::max(1, firstPage);
    const int last = std::min(lastPage, plan.PageCount());
    if (first > last)
        return 0;

    job.StartDocument();
    QPainter& painter = job.Painter();
    for (int page = first; page <= last; ++page) {
        if (page > first)
            job.NextPage();
        const int top = plan.PageTops[size_t(page - 1)];
        const int end = plan.PageEnd(page - 1);
        // Screen pixels to printer pixels, with the page's top at the top of
        // the paper; what runs on past the break is left to the next page.
        painter.resetTransform();
        painter.scale(double(dpiX) / ScreenPixelsPerInch, double(dpiY) / ScreenPixelsPerInch);
        painter.translate(0, -top);
        painter.setClipRect(QRect(0, top, paper.width(), end - top));
        copy->PageBottom = end;
        copy->Draw(job.Canvas(), QRect(0, top, paper.width(), paper.height()), plan.TextWidth, PaperMargin, 0);
    }
    job.EndDocument();
    return last - first + 1;
}
