// The table wizard on a 30 x 30 table: generating it, putting it into a
// document and reading it back from the selection must together stay well
// under a second.
#include "platform/editcontrol.h"
#include "wizards/tableeditor.h"
#include "wizards/tablegenerator.h"
#include "wizards/tablereader.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kSide = 30;

TableDescription FilledTable()
{
    TableDescription table;
    table.cells = GridCells(kSide, kSide);
    for (int row = 0; row < kSide; ++row)
        for (int column = 0; column < kSide; ++column)
            table.cells.SetCell(column, row, QStringLiteral("Cell %1, %2").arg(row + 1).arg(column + 1));
    table.caption = QStringLiteral("Thirty by thirty");
    table.headingRows = 1;
    table.headingColumns = 1;
    return table;
}

// A page of ordinary text around the place where the table goes.
QString Page()
{
    QString text;
    for (int line = 0; line < 500; ++line)
        text += QStringLiteral("<P>A paragraph of the page, line %1.</P>\r\n").arg(line);
    return text;
}

void BM_GenerateTable(benchmark::State& state)
{
    const TableDescription table = FilledTable();
    QStringList lines;
    for (auto _ : state) {
        MakeTableLines(table, lines);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_GenerateTable)->Unit(benchmark::kMicrosecond);

void BM_ReadTableBack(benchmark::State& state)
{
    QStringList lines;
    MakeTableLines(FilledTable(), lines);
    for (auto _ : state) {
        TableDescription table;
        benchmark::DoNotOptimize(ReadTableLines(lines, table));
    }
}
BENCHMARK(BM_ReadTableBack)->Unit(benchmark::kMicrosecond);

// The whole round: generate, insert in place of the selection, select the
// inserted table, take its lines from the editor and read them back.
void BM_GenerateInsertAndReadBack(benchmark::State& state)
{
    const TableDescription table = FilledTable();
    EditControl edit;
    const QString page = Page();
    for (auto _ : state) {
        state.PauseTiming();
        edit.SetText(page);
        const int at = edit.LineIndex(250);
        edit.SetSelection(at);
        state.ResumeTiming();

        QStringList lines;
        MakeTableLines(table, lines);
        InsertTableLines(edit, lines);
        edit.SetSelection(at, edit.SelStart() - at);
        TableDescription readBack;
        ReadTableLines(LinesUnderSelection(edit), readBack);
        if (readBack.cells.Rows() != kSide || readBack.cells.Columns() != kSide)
            state.SkipWithError("the table did not read back whole");
    }
}
BENCHMARK(BM_GenerateInsertAndReadBack)->Unit(benchmark::kMillisecond);

}  // namespace
