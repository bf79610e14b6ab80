#include "common/caretlines.h"
#include "platform/editcontrol.h"

#include "support/qtprinters.h"

#include <QScrollBar>
#include <QTextCursor>
#include <gtest/gtest.h>

namespace {

QString Lines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral("line %1").arg(i);
    return lines.join(QStringLiteral("\r\n"));
}

TEST(CaretLine, ZeroMeansTheCaretOrTheSelectionStart)
{
    EditControl edit;
    edit.SetText(QStringLiteral("ab\r\ncd\r\nef\r\ngh\r\nij"));
    EXPECT_EQ(CaretLine(edit, 0), 0);  // caret at the very start
    edit.SetSelection(13, 3);         // line 3 into line 4
    EXPECT_EQ(CaretLine(edit, 0), 3);
    EXPECT_EQ(CaretLine(edit, 1), 0);
    EXPECT_EQ(CaretLine(edit, 8), 2);
    EXPECT_EQ(CaretLine(edit, 100000), 4);  // beyond the end: the last line
}

TEST(CaretLine, SelectionStartCountsEvenWhenTheCaretIsAtItsEnd)
{
    EditControl edit;
    edit.SetText(QStringLiteral("ab\r\ncd\r\nef\r\ngh\r\nij"));
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(10);  // document positions: line 3 starts at 9
    cursor.setPosition(13, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
    EXPECT_EQ(CaretLine(edit, 0), 3);
}

TEST(SelectionLines, WholeLinesWithTheirBreakEndOnTheNextLineAtColumnOne)
{
    EditControl edit;
    edit.SetText(QStringLiteral("one\r\ntwo\r\nthree\r\n"));
    edit.SetSelection(0, 10);  // "one", "two" and the break after "two"
    EXPECT_EQ(SelectionLines(edit).start, 0);
    EXPECT_EQ(SelectionLines(edit).end, 2);
    EXPECT_EQ(SelectionColumns(edit).start, 1);
    EXPECT_EQ(SelectionColumns(edit).end, 1);

    edit.SetSelection(7, 0);  // caret after "tw"
    EXPECT_EQ(SelectionLines(edit).start, 1);
    EXPECT_EQ(SelectionLines(edit).end, 1);
    EXPECT_EQ(SelectionColumns(edit).start, 2 + 1);
    EXPECT_EQ(SelectionColumns(edit).end, 2 + 1);

    edit.SetSelection(edit.TextLength());  // the empty line after the last break
    EXPECT_EQ(SelectionLines(edit).start, 3);
    EXPECT_EQ(SelectionColumns(edit).start, 1);
}

TEST(SelectionLines, WorkBeyondSixteenBitsAndOnLongLines)
{
    EditControl edit;
    const QString longLine(70000, QLatin1Char('x'));
    edit.SetText(longLine + QStringLiteral("\r\n") + longLine);
    edit.SetSelection(70002 + 69990, 5);
    EXPECT_EQ(SelectionLines(edit).start, 1);
    EXPECT_EQ(SelectionColumns(edit).start, 69991);
    EXPECT_EQ(SelectionColumns(edit).end, 69996);
}

TEST(SplitAtChar, KeepsEmptyPiecesAndSkipsUnsetText)
{
    QStringList list;
    SplitAtChar(QStringLiteral("a,,b"), list, QLatin1Char(','));
    EXPECT_EQ(list, (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
    list.clear();
    SplitAtChar(QStringLiteral("3,c:\\x y\\a.exe,"), list, QLatin1Char(','));
    EXPECT_EQ(list, (QStringList{QStringLiteral("3"), QStringLiteral("c:\\x y\\a.exe"), QString()}));
    SplitAtChar(QStringLiteral("a"), list, QLatin1Char(','));
    EXPECT_EQ(list.size(), 4);  // appended, not cleared
    for (const QString& unset : {QString(), QStringLiteral(" "), QStringLiteral("\t,x")}) {
        QStringList none;
        SplitAtChar(unset, none, QLatin1Char(','));
        EXPECT_TRUE(none.isEmpty()) << unset.toStdString();
    }
    QStringList longPieces;
    SplitAtChar(QString(300, QLatin1Char('a')) + QLatin1Char(',') + QStringLiteral("b"), longPieces, QLatin1Char(','));
    EXPECT_EQ(longPieces.size(), 2);
}

TEST(LineStatusText, ShowsTheCaretLineAndOneMoreThanTheLineCount)
{
    EditControl edit;
    EXPECT_EQ(LineStatusText(edit), QStringLiteral("Line 1/1   "));
    edit.SetText(QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(LineStatusText(edit), QStringLiteral("Line 1/3   "));
    edit.SetText(QStringLiteral("a\r\nb"));
    edit.SetSelection(3);
    EXPECT_EQ(LineStatusText(edit), QStringLiteral("Line 2/3   "));
}

TEST(ScrollCaretLineToTop, ScrollsDownAndUpToTheCaretLine)
{
    EditControl edit;
    edit.resize(300, 200);
    edit.show();
    edit.SetText(Lines(300));
    edit.SetSelection(edit.LineIndex(120) + 2);
    ScrollCaretLineToTop(edit);
    EXPECT_EQ(edit.FirstVisibleLine(), 120);
    edit.SetSelection(edit.LineIndex(40));
    ScrollCaretLineToTop(edit);  // the caret is above the visible region
    EXPECT_EQ(edit.FirstVisibleLine(), 40);
    edit.SetSelection(edit.LineIndex(299));
    ScrollCaretLineToTop(edit);  // only as far as the editor can scroll
    EXPECT_EQ(edit.verticalScrollBar()->value(), edit.verticalScrollBar()->maximum());
}

}  // namespace
