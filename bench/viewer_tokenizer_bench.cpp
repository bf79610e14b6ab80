// The reader alone on the generated pages: every token the parser would ask
// for, with nothing built from them, so its share of a parse shows apart.
#include "benchpages.h"
#include "platform/textcodec.h"
#include "viewer/htmlreader.h"

#include <benchmark/benchmark.h>

namespace {

void Tokenize(benchmark::State& state, const std::string& name)
{
    const QByteArray& bytes = BenchPage(name);
    if (bytes.isEmpty()) {
        state.SkipWithError("no generated page of that name");
        return;
    }
    const QString text = DecodeUtf8ElseWindows1252(bytes);
    for (auto _ : state) {
        HtmlReader reader(text);
        qsizetype tokens = 0;
        for (reader.Next(); reader.Sym != TagSymbol::EofSy; reader.Next()) {
            ++tokens;
            if (reader.Sym == TagSymbol::PreSy || reader.Sym == TagSymbol::PreEndSy)
                reader.SetPreformatted(reader.Sym == TagSymbol::PreSy);
            else if (reader.Sym == TagSymbol::TextAreaSy)
                benchmark::DoNotOptimize(reader.ReadTextAreaLines());
        }
        benchmark::DoNotOptimize(tokens);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}

} // namespace

BENCHMARK_CAPTURE(Tokenize, p1m, std::string("p1m"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Tokenize, p8m, std::string("p8m"))->Unit(benchmark::kMillisecond);
