// Printing the generated 1 MB page to a PDF on A4: the whole job (copy,
// one layout at the paper's width, pagination, drawing every page), and the
// pagination alone without drawing.
#include "benchpages.h"
#include "viewer/htmldocument.h"
#include "viewer/htmlparser.h"
#include "viewer/qtcanvas.h"
#include "viewer/viewerprint.h"

#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

bool LoadPage(benchmark::State& state, const std::string& name, HtmlDocument& page)
{
    const QByteArray& bytes = BenchPage(name);
    if (bytes.isEmpty()) {
        state.SkipWithError("no generated page of that name");
        return false;
    }
    HtmlParser parser(page.Doc, page.Names);
    parser.ParseBuffer(bytes);
    return true;
}

void SetUpPrinter(QPrinter& printer, const QString& file)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
}

void PrintToPdf(benchmark::State& state, const std::string& name)
{
    HtmlDocument page;
    if (!LoadPage(state, name, page))
        return;
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("bench.pdf"));
    int pages = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        SetUpPrinter(printer, file);
        pages = PrintPages(page.Doc, printer, 1, 9999);
    }
    state.counters["pages"] = pages;
    state.counters["pdf_MB"] = double(QFileInfo(file).size()) / (1024.0 * 1024.0);
}

void Paginate(benchmark::State& state, const std::string& name)
{
    HtmlDocument page;
    if (!LoadPage(state, name, page))
        return;
    QPrinter printer(QPrinter::HighResolution);
    SetUpPrinter(printer, QStringLiteral("/dev/null"));
    const QSize paper = PaperSize(printer);
    int pages = 0;
    for (auto _ : state) {
        std::unique_ptr<TSectionList> copy = page.Doc.CopyForPrinting();
        QtCanvas measure;
        pages = PaginateForPrinting(*copy, measure, paper.width(), paper.height()).PageCount();
    }
    state.counters["pages"] = pages;
}

} // namespace

BENCHMARK_CAPTURE(PrintToPdf, p1m, std::string("p1m"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paginate, p1m, std::string("p1m"))->Unit(benchmark::kMillisecond);
