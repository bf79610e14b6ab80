#include "app/previewprint.h"

#include "platform/prompts.h"
#include "viewer/htmlviewer.h"

#include <QPrinter>

namespace {

constexpr int kLastPage = 9999;

} // namespace

void PrintPreview(THTMLViewer& viewer, QPrinter& printer, Prompts& prompts)
{
    if (viewer.Processing())
        return;
    PrintDialogOptions options;
    options.pageRangeAllowed = true;
    const std::optional<PrintRangeChoice> range = prompts.ChoosePrinter(printer, options);
    if (!range)
        return;
    int first = 1;
    int last = kLastPage;
    if (*range == PrintRangeChoice::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage();
        last = printer.toPage() >= first ? printer.toPage() : kLastPage;
    }
    viewer.PrintPages(printer, first, last);
}
