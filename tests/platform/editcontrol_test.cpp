#include "platform/editcontrol.h"
#include "platform/strayaltkeys.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(EditControl, CountsLineBreaksAsTwoCharacters)
{
    EditControl edit;
    edit.SetText(QStringLiteral("ab\ncd\r\nef"));
    EXPECT_EQ(edit.Text(), QStringLiteral("ab\r\ncd\r\nef"));
    EXPECT_EQ(edit.TextLength(), 10);
    EXPECT_EQ(edit.LineCount(), 3);
    EXPECT_EQ(edit.LineIndex(0), 0);
    EXPECT_EQ(edit.LineIndex(1), 4);
    EXPECT_EQ(edit.LineIndex(2), 8);
    EXPECT_EQ(edit.LineIndex(3), 10);
    EXPECT_EQ(edit.LineFromChar(3), 0);
    EXPECT_EQ(edit.LineFromChar(4), 1);
    EXPECT_EQ(edit.LineFromChar(9), 2);
    EXPECT_EQ(edit.Line(1), QStringLiteral("cd"));
    EXPECT_EQ(edit.LineLength(2), 2);
}

TEST(EditControl, FinalEmptyLineIsNotCounted)
{
    EditControl edit;
    EXPECT_EQ(edit.LineCount(), 0);
    edit.SetText(QStringLiteral("a\r\n"));
    EXPECT_EQ(edit.LineCount(), 1);
    edit.SetText(QStringLiteral("a\r\n\r\nb"));
    EXPECT_EQ(edit.LineCount(), 3);
    EXPECT_EQ(edit.Line(1), QString());
    EXPECT_EQ(edit.Lines(0, edit.LineCount() - 1), (QStringList{"a", "", "b"}));
    EXPECT_EQ(edit.Lines(2, 9), QStringList{"b"});
    EXPECT_TRUE(edit.Lines(0, -1).isEmpty());
}

TEST(EditControl, SelectionUsesClassicPositions)
{
    EditControl edit;
    edit.SetText(QStringLiteral("one\r\ntwo\r\nthree"));
    edit.SetSelection(5, 8);
    EXPECT_EQ(edit.SelStart(), 5);
    EXPECT_EQ(edit.SelLength(), 8);
    EXPECT_EQ(edit.SelText(), QStringLiteral("two\r\nthr"));
    edit.ReplaceSelection(QStringLiteral("X\r\nY"));
    EXPECT_EQ(edit.Text(), QStringLiteral("one\r\nX\r\nYee"));
    EXPECT_EQ(edit.SelStart(), 9);
    EXPECT_EQ(edit.SelLength(), 0);
}

TEST(EditControl, ProgramInsertionsCannotBeUndoneButMarkTheTextModified)
{
    EditControl edit;
    edit.SetText(QStringLiteral("text"));
    edit.SetModified(false);
    edit.SetSelection(0, 4);
    edit.ReplaceSelection(QStringLiteral("<B>text</B>"));
    EXPECT_TRUE(edit.Modified());
    EXPECT_FALSE(edit.CanUndo());
    edit.ReplaceSelection(QStringLiteral("!"), UndoMode::Allowed);
    EXPECT_TRUE(edit.CanUndo());
}

TEST(EditControl, LineOperationsKeepTheOtherLines)
{
    EditControl edit;
    edit.SetText(QStringLiteral("a\r\nb\r\nc"));
    edit.SetLine(1, QStringLiteral("B!"));
    EXPECT_EQ(edit.Text(), QStringLiteral("a\r\nB!\r\nc"));
    edit.InsertLine(0, QStringLiteral("top"));
    EXPECT_EQ(edit.Text(), QStringLiteral("top\r\na\r\nB!\r\nc"));
    edit.InsertLine(edit.LineCount(), QStringLiteral("end"));
    EXPECT_EQ(edit.Text(), QStringLiteral("top\r\na\r\nB!\r\nc\r\nend\r\n"));
    edit.DeleteLine(2);
    EXPECT_EQ(edit.Text(), QStringLiteral("top\r\na\r\nc\r\nend\r\n"));
}

TEST(EditControl, KeepsNonBreakingSpacesAndLongLines)
{
    EditControl edit;
    const QString longLine(70000, QLatin1Char('x'));
    edit.SetText(QStringLiteral("a\u00A0b\r\n") + longLine);
    EXPECT_EQ(edit.Line(0), QStringLiteral("a\u00A0b"));
    EXPECT_EQ(edit.Line(1).size(), 70000);
    EXPECT_EQ(edit.TextLength(), 70005);
    EXPECT_EQ(edit.LineFromChar(70004), 1);
}

// Alt with a letter or digit that no shortcut took is a mistyped menu
// shortcut: no text field types it.
TEST(EditControl, AltWithALetterOrDigitTypesNothing)
{
    const auto type = [](QWidget& field) {
        QTest::keyClick(&field, Qt::Key_Z, Qt::AltModifier);
        QTest::keyClick(&field, Qt::Key_Q, Qt::AltModifier | Qt::ShiftModifier);
        QTest::keyClick(&field, Qt::Key_1, Qt::AltModifier);
        QTest::keyClicks(&field, QStringLiteral("aB"));
    };
    EditControl edit;
    type(edit);
    EXPECT_EQ(edit.Text(), QStringLiteral("aB"));
    // The other text fields, once the program's filter watches the keys.
    QLineEdit line;
    StrayAltKeyFilter filter;
    line.installEventFilter(&filter);
    type(line);
    EXPECT_EQ(line.text(), QStringLiteral("aB"));
}

}  // namespace
