// Tag commands near the end of a 1 MB document: each must stay well under
// 5 ms, whatever the document's length.
#include "editing/tagcommands.h"
#include "benchpages.h"
#include "platform/editcontrol.h"

#include <benchmark/benchmark.h>

namespace {

void BM_InsertTagPairNearTheEnd(benchmark::State& state)
{
    EditControl edit;
    edit.SetText(MegabyteOfEditorLines());
    const int start = edit.LineIndex(edit.LineCount() - 3) + 3;
    for (auto _ : state) {
        edit.SetSelection(start, 10);
        const QString before = edit.SelText();
        InsertTagPair(edit, QStringLiteral("&Bold"));
        state.PauseTiming();
        edit.ReplaceSelection(before);  // the same line for every round
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertTagPairNearTheEnd)->Unit(benchmark::kMillisecond);

void BM_InsertListNearTheEnd(benchmark::State& state)
{
    EditControl edit;
    edit.SetText(MegabyteOfEditorLines());
    const int start = edit.LineIndex(edit.LineCount() - 4);
    const int last = edit.LineCount() - 3;
    const int length = edit.LineIndex(last) + edit.LineLength(last) - start;
    for (auto _ : state) {
        edit.SetSelection(start, length);
        const QString before = edit.SelText();
        InsertList(edit, QStringLiteral("OL"), QStringLiteral("LI"));
        state.PauseTiming();
        edit.SetSelection(start, edit.SelStart() + 7 - start);  // through "</OL>"
        edit.ReplaceSelection(before);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertListNearTheEnd)->Unit(benchmark::kMillisecond);

}  // namespace
