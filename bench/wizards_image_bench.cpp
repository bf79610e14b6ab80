// How long the image dialog takes to list a folder of 10,000 pictures: from
// choosing the folder until the file list holds every file.
#include "wizards/imagedialog.h"

#include "benchwindow.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QListView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

// The main thread's own processor time, which other programs on the machine do not inflate.
qint64 ThreadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

int ListedCount(const TFM_SelImage& dialog)
{
    return dialog.FileListBox1->model()->rowCount(dialog.FileListBox1->rootIndex());
}

void BM_OpenFolderOf10000Pictures(benchmark::State& state)
{
    const int count = int(state.range(0));
    QTemporaryDir folder;
    for (int i = 0; i < count; ++i) {
        QFile file(folder.filePath(QStringLiteral("picture%1.jpg").arg(i, 5, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly))
            state.SkipWithError("cannot make the test folder");
    }
    DecliningPrompts prompts;
    // The longest the event loop waited between two turns while the list filled.
    qint64 longestTurn = 0;
    qint64 longestTurnCpu = 0;
    for (auto _ : state) {
        TFM_SelImage dialog(prompts, ImageDialogMode::Picture);
        dialog.show();
        dialog.SetFolder(folder.path());
        QDeadlineTimer deadline(60000);
        while (ListedCount(dialog) < count && !deadline.hasExpired()) {
            QElapsedTimer turn;
            turn.start();
            const qint64 cpuBefore = ThreadMilliseconds();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            longestTurn = std::max(longestTurn, turn.elapsed());
            longestTurnCpu = std::max(longestTurnCpu, ThreadMilliseconds() - cpuBefore);
        }
        if (ListedCount(dialog) < count)
            state.SkipWithError("the list did not fill within a minute");
    }
    state.counters["longest_event_turn_ms"] = double(longestTurn);
    state.counters["longest_event_turn_cpu_ms"] = double(longestTurnCpu);
}

}  // namespace

BENCHMARK(BM_OpenFolderOf10000Pictures)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
