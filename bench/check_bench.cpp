// Check Page on the generated pages: the markup and the page's own checks,
// the whole of what F7 and `kivorender --check` run.
#include "benchpages.h"
#include "check/pagecheck.h"
#include "platform/textcodec.h"

#include <QDir>
#include <benchmark/benchmark.h>

namespace {

void BM_CheckPage(benchmark::State& state, const std::string& name)
{
    const QString text = DecodeText(BenchPage(name)).text;
    const PageLocation location{QDir::temp().filePath(QStringLiteral("kivobench-check.htm")), QDir::tempPath()};
    int problems = 0;
    for (auto _ : state) {
        const PageCheckResult result = CheckPage(text, location);
        problems = result.errorCount + result.warningCount;
        benchmark::DoNotOptimize(problems);
    }
    state.counters["problems"] = problems;
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
}

}  // namespace

BENCHMARK_CAPTURE(BM_CheckPage, p64k, std::string("p64k"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CheckPage, p1m, std::string("p1m"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CheckPage, p8m, std::string("p8m"))->Unit(benchmark::kMillisecond)->Iterations(1);
