// Completion in the editor at the end of a megabyte of HTML: typing with it
// on against the plain editor, and opening the list of open elements after
// "</", with the readings of the lines above kept from the last time and
// with them lost to a change at the top.
#include "benchpages.h"
#include "editing/codecompletion.h"
#include "platform/editcontrol.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextCursor>
#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// Argument 0: completion off; 1: on.
struct CompletionEditor {
    explicit CompletionEditor(std::int64_t on)
    {
        edit.resize(800, 600);
        edit.setAttribute(Qt::WA_DontShowOnScreen);
        edit.show();
        completion = new CodeCompletion(edit, [] { return QString(); });
        completion->SetEnabled(on != 0);
        // Elements left open at the end, so "</" has something to offer.
        edit.SetText(QString::fromLatin1(BenchPage("p1m")) + QStringLiteral("\r\n<DIV><P>"));
        edit.SetSelection(edit.TextLength());
    }
    void Press(Qt::Key key, const char* text)
    {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::fromLatin1(text));
        QApplication::sendEvent(&edit, &press);
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

void BM_TypeAtTheEndOfMegabyteWithCompletion(benchmark::State& state)
{
    CompletionEditor editor(state.range(0));
    for (auto _ : state) {
        editor.Press(Qt::Key_X, "x");
        state.PauseTiming();
        editor.TakeBack(1);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TypeAtTheEndOfMegabyteWithCompletion)->DenseRange(0, 1)->Unit(benchmark::kMicrosecond);

enum class Readings { Kept, LostAtTheTop };

void OpenEndTagList(benchmark::State& state, Readings readings)
{
    CompletionEditor editor(1);
    editor.Press(Qt::Key_Less, "<");
    editor.TakeBack(1);
    for (auto _ : state) {
        if (readings == Readings::LostAtTheTop) {
            state.PauseTiming();
            QTextCursor top(editor.edit.document());
            top.insertText(QStringLiteral(" "));
            top.deletePreviousChar();
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
    OpenEndTagList(state, Readings::LostAtTheTop);
}
BENCHMARK(BM_OpenEndTagListAtTheEndOfMegabyteAfterAChangeAtTheTop)->Unit(benchmark::kMillisecond);

}  // namespace
