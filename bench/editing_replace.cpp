// Replace All of a 3-character text with 20,000 occurrences in a 1 MB
// document: must stay under a second (each search may not re-read the
// document from the top).
#include "editing/search.h"
#include "platform/editcontrol.h"

#include <benchmark/benchmark.h>

namespace {

// 20,000 lines of 50 characters, each holding "abc" once (1 MB with the breaks).
QString DocumentWithOccurrences(int lineLength)
{
    QString text;
    const int lines = 20000;
    const QString filler(lineLength - 5, QLatin1Char('x'));
    for (int i = 0; i < lines; ++i)
        text += filler.left(i % 40) + QStringLiteral("abc") + filler.mid(i % 40) + QStringLiteral("\r\n");
    return text;
}

void RunReplaceAll(benchmark::State& state, const QString& text, Qt::CaseSensitivity caseSensitivity)
{
    EditControl edit;
    for (auto _ : state) {
        state.PauseTiming();
        edit.SetText(text);
        edit.SetSelection(0);
        state.ResumeTiming();
        const int replaced = ReplaceInEditor(edit, QStringLiteral("abc"), QStringLiteral("<B>abc</B>"), 1,
                                             caseSensitivity, ReplaceCount::All);
        if (replaced != 20000)
            state.SkipWithError("wrong count");
    }
}

void BM_ReplaceAllShortLines(benchmark::State& state)
{
    RunReplaceAll(state, DocumentWithOccurrences(52), Qt::CaseInsensitive);
}
BENCHMARK(BM_ReplaceAllShortLines)->Unit(benchmark::kMillisecond);

// The same occurrences on one line of 1 MB.
void BM_ReplaceAllOneLongLine(benchmark::State& state)
{
    QString text = DocumentWithOccurrences(52);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("  "));
    RunReplaceAll(state, text, Qt::CaseInsensitive);
}
BENCHMARK(BM_ReplaceAllOneLongLine)->Unit(benchmark::kMillisecond);

}  // namespace
