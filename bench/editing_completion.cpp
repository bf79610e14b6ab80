// Completion in the editor at the end of a megabyte of HTML: typing with it
// on against the plain editor, and opening the list of open elements after
// "</", with the readings of the lines above kept from the last time, after
// a change at the top, and for the first time.
#include "benchpages.h"
#include "editing/codecompletion.h"
#include "platform/editcontrol.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextCursor>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

struct CompletionEditor {
    explicit CompletionEditor(bool on)
    {
        edit.resize(800, 600);
        edit.setAttribute(Qt::WA_DontShowOnScreen);
        edit.show();
        completion = new CodeCompletion(edit, [] { return QString(); });
        completion->SetEnabled(on);
        // Elements left open at the end, so "</" has something to offer.
        edit.SetText(QString::fromLatin1(BenchPage("p1m")) + QStringLiteral("\r\n<DIV><P>"));
        edit.SetSelection(edit.TextLength());
    }
    void Send(Qt::Key key, const char* text)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::fromLatin1(text));
        QApplication::sendEvent(&edit, &press);
    }
    // The key and what it left for the event loop: the list is opened there.
    void Press(Qt::Key key, const char* text)
    {
        Send(key, text);
        QCoreApplication::sendPostedEvents();
    }
    void TakeBack(int characters)
    {
        QTextCursor cursor = edit.textCursor();
        for (int i = 0; i < characters; ++i)
            cursor.deletePreviousChar();
        completion->CloseList();
    }

    EditControl edit;
    CodeCompletion* completion = nullptr;
};

// Argument 0: completion off; 1: on; each with what the key left for the
// event loop (the editor's own updates) timed as well. 2: off, 3: on, the
// key alone as BM_TypeAtTheEndOfMegabyte times it, the event loop's share
// handled outside the timing.
void BM_TypeAtTheEndOfMegabyteWithCompletion(benchmark::State& state)
{
    CompletionEditor editor(state.range(0) % 2 == 1);
    const bool keyAlone = state.range(0) >= 2;
    for (auto _ : state) {
        editor.Send(Qt::Key_X, "x");
        if (keyAlone)
            state.PauseTiming();
        QCoreApplication::sendPostedEvents();
        if (!keyAlone)
            state.PauseTiming();
        editor.TakeBack(1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TypeAtTheEndOfMegabyteWithCompletion)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

enum class Readings { Kept, ChangedAtTheTop, NoneYet };

void OpenEndTagList(benchmark::State& state, Readings readings)
{
    CompletionEditor editor(true);
    editor.Press(Qt::Key_Less, "<");
    editor.TakeBack(1);
    for (auto _ : state) {
        if (readings == Readings::ChangedAtTheTop) {
            state.PauseTiming();
            QTextCursor top(editor.edit.document());
            top.insertText(QStringLiteral(" "));
            top.deletePreviousChar();
            state.ResumeTiming();
        } else if (readings == Readings::NoneYet) {
            // As on the first list after the page was opened.
            state.PauseTiming();
            editor.completion->SetEnabled(false);
            editor.completion->SetEnabled(true);
            state.ResumeTiming();
        }
        editor.Press(Qt::Key_Less, "<");
        editor.Press(Qt::Key_Slash, "/");
        if (!editor.completion->ListShown() || editor.completion->Offers().size() < 2)
            std::abort();
        state.PauseTiming();
        editor.TakeBack(2);
        state.ResumeTiming();
    }
}

void BM_OpenEndTagListAtTheEndOfMegabyte(benchmark::State& state)
{
    OpenEndTagList(state, Readings::Kept);
}
BENCHMARK(BM_OpenEndTagListAtTheEndOfMegabyte)->Unit(benchmark::kMillisecond);

void BM_OpenEndTagListAtTheEndOfMegabyteAfterAChangeAtTheTop(benchmark::State& state)
{
    OpenEndTagList(state, Readings::ChangedAtTheTop);
}
BENCHMARK(BM_OpenEndTagListAtTheEndOfMegabyteAfterAChangeAtTheTop)->Unit(benchmark::kMillisecond);

void BM_OpenEndTagListAtTheEndOfMegabyteFirstTime(benchmark::State& state)
{
    OpenEndTagList(state, Readings::NoneYet);
}
BENCHMARK(BM_OpenEndTagListAtTheEndOfMegabyteFirstTime)->Unit(benchmark::kMillisecond);

}  // namespace
