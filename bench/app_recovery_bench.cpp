// The recovery copy of 1 MB of unsaved text: what the window thread does
// (taking the editor's text) and what the worker does (encoding, checksum
// and the atomic write).
#include "app/recoverycopy.h"
#include "benchpages.h"
#include "platform/editcontrol.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_RecoverySnapshotOnTheWindowThread(benchmark::State& state)
{
    EditControl edit;
    edit.SetText(MegabyteOfEditorLines());
    for (auto _ : state)
        benchmark::DoNotOptimize(edit.Text());
}
BENCHMARK(BM_RecoverySnapshotOnTheWindowThread)->Unit(benchmark::kMillisecond);

void BM_RecoveryWriteOnTheWorker(benchmark::State& state)
{
    QTemporaryDir folder;
    const RecoveryCopy copy{QStringLiteral("/home/user/page.htm"), {}, QDateTime::currentDateTimeUtc(), 1,
                            MegabyteOfEditorLines()};
    for (auto _ : state)
        SaveBytes(folder.filePath(QStringLiteral("1.kivorecovery")), EncodeRecoveryCopy(copy));
}
BENCHMARK(BM_RecoveryWriteOnTheWorker)->Unit(benchmark::kMillisecond);

}  // namespace
