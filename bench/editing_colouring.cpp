// The editor with HTML colouring and line numbers against the plain editor,
// side by side in one run (argument 0: both off, 1: both on, 2: colouring
// alone, 3: line numbers alone): opening 1 MB
// and showing the first screen, paging down through it, typing at the end,
// the tag commands near the end and Replace All with 20,000 matches.
#include "benchpages.h"
#include "editing/htmlhighlighter.h"
#include "editing/search.h"
#include "editing/tagcommands.h"
#include "platform/editcontrol.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// An editor of a usual window's size, drawn into an image as the screen
// would draw it.
class BenchEditor {
public:
    explicit BenchEditor(std::int64_t view) : screen_(800, 600, QImage::Format_RGB32)
    {
        edit.resize(800, 600);
        edit.setAttribute(Qt::WA_DontShowOnScreen);
        edit.show();
        if (view == 1 || view == 2)
            new HtmlHighlighter(edit);
        if (view == 1 || view == 3)
            edit.SetLineNumbers(true);
    }
    void Show() { edit.render(&screen_); }
    void ShowTheEnd()
    {
        edit.SetSelection(edit.TextLength());
        edit.ensureCursorVisible();
        Show();
    }

    EditControl edit;

private:
    QImage screen_;
};

QString MegabytePage()
{
    return QString::fromLatin1(BenchPage("p1m"));
}

void BM_OpenMegabyteAndShowFirstScreen(benchmark::State& state)
{
    const QString page = MegabytePage();
    BenchEditor editor(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        editor.edit.SetText(QString());
        editor.Show();
        state.ResumeTiming();
        editor.edit.SetText(page);
        editor.Show();
    }
}
BENCHMARK(BM_OpenMegabyteAndShowFirstScreen)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Colours are read a screenful at a time as the pages come into view.
void BM_PageDownThroughMegabyte(benchmark::State& state)
{
    BenchEditor editor(state.range(0));
    editor.edit.SetText(MegabytePage());
    editor.Show();
    QScrollBar& bar = *editor.edit.verticalScrollBar();
    for (auto _ : state) {
        if (bar.value() >= bar.maximum()) {
            state.PauseTiming();
            bar.setValue(0);
            editor.Show();
            state.ResumeTiming();
        }
        bar.setValue(bar.value() + bar.pageStep());
        editor.Show();
    }
}
BENCHMARK(BM_PageDownThroughMegabyte)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void TypeAtTheEnd(benchmark::State& state, bool paint)
{
    BenchEditor editor(state.range(0));
    editor.edit.SetText(MegabytePage());
    editor.ShowTheEnd();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(&editor.edit, &press);
        if (paint)
            editor.Show();
        state.PauseTiming();
        QTextCursor cursor = editor.edit.textCursor();
        cursor.deletePreviousChar();
        state.ResumeTiming();
    }
}

void BM_TypeAtTheEndOfMegabyte(benchmark::State& state)
{
    TypeAtTheEnd(state, false);
}
BENCHMARK(BM_TypeAtTheEndOfMegabyte)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_TypeAtTheEndOfMegabyteAndRepaint(benchmark::State& state)
{
    TypeAtTheEnd(state, true);
}
BENCHMARK(BM_TypeAtTheEndOfMegabyteAndRepaint)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// Colouring waits for the paint, so the commands are measured with the
// repaint that follows them as well.
enum class Repaint { No, Yes };

void InsertTagPairNearTheEnd(benchmark::State& state, Repaint repaint)
{
    BenchEditor editor(state.range(0));
    EditControl& edit = editor.edit;
    edit.SetText(MegabyteOfEditorLines());
    editor.ShowTheEnd();
    const int start = edit.LineIndex(edit.LineCount() - 3) + 3;
    for (auto _ : state) {
        edit.SetSelection(start, 10);
        const QString before = edit.SelText();
        InsertTagPair(edit, QStringLiteral("&Bold"));
        if (repaint == Repaint::Yes)
            editor.Show();
        state.PauseTiming();
        edit.ReplaceSelection(before);
        if (repaint == Repaint::Yes)
            editor.Show();
        state.ResumeTiming();
    }
}

// A page written on one line, as minified pages are.
void BM_TypeInAOneMegabyteLineAndRepaint(benchmark::State& state)
{
    BenchEditor editor(state.range(0));
    editor.edit.SetText(QString::fromLatin1(BenchPage("huge_para")).remove(QLatin1Char('\r')).remove(QLatin1Char('\n')));
    editor.ShowTheEnd();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(&editor.edit, &press);
        editor.Show();
        state.PauseTiming();
        QTextCursor cursor = editor.edit.textCursor();
        cursor.deletePreviousChar();
        editor.Show();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TypeInAOneMegabyteLineAndRepaint)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_InsertTagPairNearTheEndShown(benchmark::State& state)
{
    InsertTagPairNearTheEnd(state, Repaint::No);
}
BENCHMARK(BM_InsertTagPairNearTheEndShown)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_InsertTagPairNearTheEndAndRepaint(benchmark::State& state)
{
    InsertTagPairNearTheEnd(state, Repaint::Yes);
}
BENCHMARK(BM_InsertTagPairNearTheEndAndRepaint)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void InsertListNearTheEnd(benchmark::State& state, Repaint repaint)
{
    BenchEditor editor(state.range(0));
    EditControl& edit = editor.edit;
    edit.SetText(MegabyteOfEditorLines());
    editor.ShowTheEnd();
    const int start = edit.LineIndex(edit.LineCount() - 4);
    const int last = edit.LineCount() - 3;
    const int length = edit.LineIndex(last) + edit.LineLength(last) - start;
    for (auto _ : state) {
        edit.SetSelection(start, length);
        const QString before = edit.SelText();
        InsertList(edit, QStringLiteral("OL"), QStringLiteral("LI"));
        if (repaint == Repaint::Yes)
            editor.Show();
        state.PauseTiming();
        edit.SetSelection(start, edit.SelStart() + 7 - start);
        edit.ReplaceSelection(before);
        if (repaint == Repaint::Yes)
            editor.Show();
        state.ResumeTiming();
    }
}

void BM_InsertListNearTheEndShown(benchmark::State& state)
{
    InsertListNearTheEnd(state, Repaint::No);
}
BENCHMARK(BM_InsertListNearTheEndShown)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_InsertListNearTheEndAndRepaint(benchmark::State& state)
{
    InsertListNearTheEnd(state, Repaint::Yes);
}
BENCHMARK(BM_InsertListNearTheEndAndRepaint)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The Replace All benchmark's document: 20,000 lines, "abc" once in each.
QString TwentyThousandMatches()
{
    QString text;
    const QString filler(47, QLatin1Char('x'));
    for (int i = 0; i < 20000; ++i)
        text += filler.left(i % 40) + QStringLiteral("abc") + filler.mid(i % 40) + QStringLiteral("\r\n");
    return text;
}

void BM_ReplaceAllShown(benchmark::State& state)
{
    const QString text = TwentyThousandMatches();
    BenchEditor editor(state.range(0));
    EditControl& edit = editor.edit;
    for (auto _ : state) {
        state.PauseTiming();
        edit.SetText(text);
        edit.SetSelection(0);
        editor.Show();
        state.ResumeTiming();
        const int replaced = ReplaceInEditor(edit, QStringLiteral("abc"), QStringLiteral("<B>abc</B>"), 1,
                                             Qt::CaseInsensitive, ReplaceCount::All);
        editor.Show();
        if (replaced != 20000)
            state.SkipWithError("wrong count");
    }
}
BENCHMARK(BM_ReplaceAllShown)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
