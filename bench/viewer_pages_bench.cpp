// The viewer on the generated 1990s pages: parsing, parse plus layout at
// 800 pixels, a relayout at a new width, and the same pages through
// QTextDocument for comparison. The pages are generated when the benchmarks
// first run; without the generator the page benchmarks say so and skip.
#include "benchpages.h"
#include "platform/textcodec.h"
#include "viewer/htmldocument.h"
#include "viewer/htmlparser.h"
#include "viewer/qtcanvas.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <malloc.h>


namespace {

constexpr int kWidth = 800;

bool HavePage(benchmark::State& state, const std::string& name)
{
    if (BenchPage(name).isEmpty()) {
        state.SkipWithError("no generated page of that name");
        return false;
    }
    return true;
}

size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;   // large blocks are mapped separately
}

void Parse(benchmark::State& state, const std::string& name)
{
    if (!HavePage(state, name))
        return;
    const QByteArray& bytes = BenchPage(name);
    for (auto _ : state) {
        HtmlDocument page;
        HtmlParser parser(page.Doc, page.Names);
        parser.ParseBuffer(bytes);
        benchmark::DoNotOptimize(page.Doc.Count());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}

void ParseAndLayout(benchmark::State& state, const std::string& name)
{
    if (!HavePage(state, name))
        return;
    const QByteArray& bytes = BenchPage(name);
    size_t heap = 0;
    for (auto _ : state) {
        const size_t before = HeapInUse();
        HtmlDocument page;
        HtmlParser parser(page.Doc, page.Names);
        parser.ParseBuffer(bytes);
        QtCanvas canvas;
        int widest = 0, curs = 0;
        benchmark::DoNotOptimize(page.Doc.DoLogic(canvas, 0, kWidth, widest, curs));
        heap = HeapInUse() - before;
    }
    state.counters["heap_MB"] = double(heap) / (1024.0 * 1024.0);
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}

void Relayout(benchmark::State& state, const std::string& name)
{
    if (!HavePage(state, name))
        return;
    HtmlDocument page;
    HtmlParser parser(page.Doc, page.Names);
    parser.ParseBuffer(BenchPage(name));
    QtCanvas canvas;
    int widest = 0, curs = 0;
    page.Doc.DoLogic(canvas, 0, kWidth, widest, curs);
    int width = kWidth;
    for (auto _ : state) {
        width = width == kWidth ? 700 : kWidth;
        curs = 0;
        benchmark::DoNotOptimize(page.Doc.DoLogic(canvas, 0, width, widest, curs));
    }
}

void TextDocument(benchmark::State& state, const std::string& name)
{
    if (!HavePage(state, name))
        return;
    const QString html = DecodeUtf8ElseWindows1252(BenchPage(name));
    size_t heap = 0;
    for (auto _ : state) {
        const size_t before = HeapInUse();
        QTextDocument document;
        document.setHtml(html);
        document.setTextWidth(kWidth);
        benchmark::DoNotOptimize(document.size());
        heap = HeapInUse() - before;
    }
    state.counters["heap_MB"] = double(heap) / (1024.0 * 1024.0);
    state.SetBytesProcessed(int64_t(state.iterations()) * BenchPage(name).size());
}

} // namespace

BENCHMARK_CAPTURE(Parse, p1m, std::string("p1m"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Parse, p8m, std::string("p8m"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ParseAndLayout, p1m, std::string("p1m"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ParseAndLayout, huge_para, std::string("huge_para"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ParseAndLayout, p8m, std::string("p8m"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ParseAndLayout, big_table, std::string("big_table"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Relayout, p1m, std::string("p1m"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TextDocument, p1m, std::string("p1m"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TextDocument, huge_para, std::string("huge_para"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TextDocument, p8m, std::string("p8m"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TextDocument, big_table, std::string("big_table"))->Unit(benchmark::kMillisecond);
