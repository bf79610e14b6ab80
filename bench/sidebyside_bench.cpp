// The preview beside the editor: a keystroke until the preview shows it, the
// keystroke alone with the preview beside the editor and without, the caret
// to the preview's mark and a click in the preview to the caret.
#include "benchpages.h"
#include "benchwindow.h"
#include "platform/editcontrol.h"
#include "platform/textcodec.h"
#include "viewer/htmlviewer.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTabBar>
#include <QTextBlock>
#include <benchmark/benchmark.h>

namespace {

class SideBySideWindow {
public:
    SideBySideWindow(const std::string& page, bool on) : form(window.form())
    {
        form.HTML_WINDOW->SetText(DecodeText(BenchPage(page)).text);
        if (on)
            form.MNU_SideBySide->trigger();
        // The keys go to the editor as the user's would, with the input
        // method told of every caret move.
        form.activateWindow();
        form.HTML_WINDOW->setFocus();
        Settle();
    }
    // Until the preview has caught up with the editor.
    void Settle()
    {
        do
            QCoreApplication::processEvents();
        while (form.SideBySide().ReloadPending());
    }
    void Type()
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QApplication::sendEvent(form.HTML_WINDOW, &press);
    }
    void Untype()
    {
        QTextCursor cursor = form.HTML_WINDOW->textCursor();
        cursor.deletePreviousChar();
        Settle();
    }
    void CaretTo(int position)
    {
        QTextCursor cursor = form.HTML_WINDOW->textCursor();
        cursor.setPosition(position);
        form.HTML_WINDOW->setTextCursor(cursor);
    }
    int Length() const { return form.HTML_WINDOW->document()->characterCount() - 1; }

    BenchWindow window;
    TFM_MainForm& form;
};

void BM_SideBySideKeystrokeToRepaint(benchmark::State& state, const std::string& page)
{
    SideBySideWindow w(page, true);
    // In the middle of the page, at the start of a line.
    w.CaretTo(w.form.HTML_WINDOW->document()->findBlock(w.Length() / 2).position());
    w.Settle();
    for (auto _ : state) {
        w.Type();
        w.Settle();
        w.form.ViewPage->repaint();
        state.PauseTiming();
        w.Untype();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_SideBySideKeystrokeToRepaint, p64k, std::string("p64k"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SideBySideKeystrokeToRepaint, p1m, std::string("p1m"))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(8);

// The keystroke alone at the end of 1 MB. Argument 0: classic window,
// keys typed in a burst; 1: side by side, in a burst (the reload waits for
// a pause); 2: classic, the user looks at the preview page between keys;
// 3: side by side, the preview catches up between keys. A reload of 1 MB
// leaves the processor's caches cold for the next key, so 2 and 3 are the
// pair to compare for that case, and 0 and 1 for the warm one.
void BM_KeystrokeAtTheEndOfMegabyte(benchmark::State& state)
{
    const bool sideBySide = state.range(0) % 2 == 1;
    const bool previewBetween = state.range(0) >= 2;
    SideBySideWindow w("p1m", sideBySide);
    w.CaretTo(w.Length());
    w.Settle();
    for (auto _ : state) {
        w.Type();
        state.PauseTiming();
        QTextCursor cursor = w.form.HTML_WINDOW->textCursor();
        cursor.deletePreviousChar();
        if (previewBetween && sideBySide) {
            w.Settle();
        } else if (previewBetween) {
            w.form.TabSet1->setCurrentIndex(1);
            w.form.TabSet1->setCurrentIndex(0);
            QCoreApplication::processEvents();
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_KeystrokeAtTheEndOfMegabyte)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond)->Iterations(40);

void BM_CaretToMarkAtTheEndOfMegabyte(benchmark::State& state)
{
    SideBySideWindow w("p1m", true);
    const int end = w.Length();
    int step = 0;
    for (auto _ : state) {
        w.CaretTo(end - 200 * (++step % 8));
        w.form.SideBySide().ShowCaret();
    }
}
BENCHMARK(BM_CaretToMarkAtTheEndOfMegabyte)->Unit(benchmark::kMicrosecond);

void BM_ClickToCaretAtTheEndOfMegabyte(benchmark::State& state)
{
    SideBySideWindow w("p1m", true);
    w.form.ViewPage->ScrollToY(w.form.ViewPage->DocumentHeight());
    const QPoint at(200, w.form.ViewPage->ViewHeight() / 2);
    for (auto _ : state) {
        bool handled = false;
        w.form.SideBySide().PanelClicked(at, Qt::NoModifier, 1, handled);
        if (!handled)
            state.SkipWithError("nothing from the source at the point");
    }
}
BENCHMARK(BM_ClickToCaretAtTheEndOfMegabyte)->Unit(benchmark::kMicrosecond);

}  // namespace
