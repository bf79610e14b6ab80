#include "editing/htmlhighlighter.h"
#include "platform/editcontrol.h"

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

// The foreground colour the layout gives a character of a line, or none.
QColor ColourAt(const EditControl& edit, int line, int column)
{
    const QTextBlock block = edit.document()->findBlockByNumber(line);
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        if (column >= range.start && column < range.start + range.length)
            return range.format.foreground().color();
    }
    return {};
}

struct ShownEditor {
    ShownEditor()
    {
        edit.resize(400, 300);
        edit.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&edit));
    }
    // Paints as the screen would, which reads the lines shown.
    void Paint() { edit.viewport()->repaint(); }

    EditControl edit;
    HtmlHighlighter* highlighter = new HtmlHighlighter(edit);
};

TEST(HtmlHighlighter, ColoursWhatIsShownWithoutTouchingWhatCommandsSee)
{
    ShownEditor shown;
    EditControl& edit = shown.edit;
    QSignalSpy changes(&edit, &QPlainTextEdit::textChanged);
    edit.SetText(QStringLiteral("<P ALIGN=center>a &amp; b\r\n<!-- note -->"));
    edit.SetSelection(3, 5);
    edit.SetModified(false);
    const int changesAfterLoad = int(changes.count());
    shown.Paint();
    EXPECT_EQ(ColourAt(edit, 0, 1), shown.highlighter->FormatOf(HtmlPieceKind::TagName).foreground().color());
    EXPECT_EQ(ColourAt(edit, 0, 3), shown.highlighter->FormatOf(HtmlPieceKind::AttributeName).foreground().color());
    EXPECT_EQ(ColourAt(edit, 0, 16), QColor());  // text between tags keeps the editor's colour
    EXPECT_EQ(ColourAt(edit, 1, 5), shown.highlighter->FormatOf(HtmlPieceKind::Comment).foreground().color());

    // Turning colouring off and on again: no change event, no modified
    // flag, the same text, selection and undo.
    shown.highlighter->SetColouring(false);
    EXPECT_EQ(ColourAt(edit, 0, 1), QColor());
    shown.highlighter->SetColouring(true);
    QCoreApplication::processEvents();
    shown.Paint();
    EXPECT_EQ(ColourAt(edit, 0, 1), shown.highlighter->FormatOf(HtmlPieceKind::TagName).foreground().color());
    EXPECT_EQ(changes.count(), changesAfterLoad);
    EXPECT_FALSE(edit.Modified());
    EXPECT_FALSE(edit.document()->isModified() && !edit.document()->isUndoAvailable());
    EXPECT_EQ(edit.Text(), QStringLiteral("<P ALIGN=center>a &amp; b\r\n<!-- note -->"));
    EXPECT_EQ(edit.SelStart(), 3);
    EXPECT_EQ(edit.SelLength(), 5);
    EXPECT_FALSE(edit.CanUndo());

    // Typing is one change, coloured at once, and undoes as before.
    edit.SetSelection(edit.TextLength());
    QTest::keyClicks(&edit, QStringLiteral("<B"));
    EXPECT_EQ(changes.count(), changesAfterLoad + 2);
    EXPECT_EQ(ColourAt(edit, 1, 14), shown.highlighter->FormatOf(HtmlPieceKind::TagName).foreground().color());
    ASSERT_TRUE(edit.CanUndo());
    edit.Undo();
    EXPECT_EQ(edit.Text(), QStringLiteral("<P ALIGN=center>a &amp; b\r\n<!-- note -->"));
}

TEST(HtmlHighlighter, ReadsLinesFarBelowOnlyWhenShownAndCarriesAnOpenComment)
{
    ShownEditor shown;
    EditControl& edit = shown.edit;
    QString text = QStringLiteral("<!-- open\r\n");
    for (int i = 0; i < 5000; ++i)
        text += QStringLiteral("<B>line</B>\r\n");
    edit.SetText(text);
    shown.Paint();
    const QTextBlock far = edit.document()->findBlockByNumber(4000);
    EXPECT_EQ(far.userState(), -1);

    QSignalSpy changes(&edit, &QPlainTextEdit::textChanged);
    edit.SetModified(false);
    edit.verticalScrollBar()->setValue(4000);
    shown.Paint();
    const QColor comment = shown.highlighter->FormatOf(HtmlPieceKind::Comment).foreground().color();
    EXPECT_EQ(ColourAt(edit, 4000, 1), comment);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_FALSE(edit.Modified());

    // Closing the comment at the top recolours the lines on the screen.
    edit.SetSelection(edit.LineIndex(1));
    edit.ReplaceSelection(QStringLiteral("-->"), UndoMode::Allowed);
    shown.Paint();
    EXPECT_EQ(ColourAt(edit, 4000, 1), shown.highlighter->FormatOf(HtmlPieceKind::TagName).foreground().color());
}

TEST(HtmlHighlighter, ColoursFollowADarkPalette)
{
    ShownEditor shown;
    const QColor light = shown.highlighter->FormatOf(HtmlPieceKind::TagName).foreground().color();
    QPalette dark = shown.edit.palette();
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Text, QColor(0xd4, 0xd4, 0xd4));
    shown.edit.setPalette(dark);
    const QColor onDark = shown.highlighter->FormatOf(HtmlPieceKind::TagName).foreground().color();
    EXPECT_NE(onDark, light);
    EXPECT_GT(onDark.lightness(), 128);
    EXPECT_LT(light.lightness(), 128);
}

}  // namespace
