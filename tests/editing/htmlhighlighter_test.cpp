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

    // Typing is one change a key, coloured when painted, and undoes as before.
    edit.SetSelection(edit.TextLength());
    QTest::keyClicks(&edit, QStringLiteral("<B"));
    EXPECT_EQ(changes.count(), changesAfterLoad + 2);
    shown.Paint();
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

    // Closing the comment at the top (which brings the top into view)
    // recolours the lines far below when they are shown again.
    edit.SetSelection(edit.LineIndex(1));
    edit.ReplaceSelection(QStringLiteral("-->"), UndoMode::Allowed);
    shown.Paint();
    edit.verticalScrollBar()->setValue(4000);
    shown.Paint();
    EXPECT_EQ(ColourAt(edit, 4000, 1), shown.highlighter->FormatOf(HtmlPieceKind::TagName).foreground().color());
}

TEST(HtmlHighlighter, ChangesAboveTheScreenReachTheScreenWhenPainted)
{
    ShownEditor shown;
    EditControl& edit = shown.edit;
    QString text;
    for (int i = 0; i < 3000; ++i)
        text += QStringLiteral("<B>line</B> &amp;\r\n");
    edit.SetText(text);
    edit.verticalScrollBar()->setValue(2500);
    shown.Paint();
    const QColor tag = shown.highlighter->FormatOf(HtmlPieceKind::TagName).foreground().color();
    const QColor comment = shown.highlighter->FormatOf(HtmlPieceKind::Comment).foreground().color();
    ASSERT_EQ(ColourAt(edit, 2500, 1), tag);

    // Edits far above, as a command makes them, without moving the screen:
    // a comment opened on line 10 and a change on every line in between.
    QTextCursor cursor(edit.document()->findBlockByNumber(10));
    cursor.insertText(QStringLiteral("<!-- "));
    for (int line = 100; line < 2400; line += 3) {
        QTextCursor each(edit.document()->findBlockByNumber(line));
        each.insertText(QStringLiteral("x"));
    }
    ASSERT_EQ(edit.verticalScrollBar()->value(), 2500);
    shown.Paint();
    EXPECT_EQ(ColourAt(edit, 2500, 1), comment);
    EXPECT_EQ(ColourAt(edit, 2510, 14), comment);

    // Closing it on the line below brings the tags back.
    QTextCursor close(edit.document()->findBlockByNumber(11));
    close.insertText(QStringLiteral("-->"));
    shown.Paint();
    EXPECT_EQ(ColourAt(edit, 2500, 1), tag);
    EXPECT_EQ(ColourAt(edit, 2500, 13), shown.highlighter->FormatOf(HtmlPieceKind::Entity).foreground().color());

    // The lines above, scrolled back into view, are coloured as they now read.
    edit.verticalScrollBar()->setValue(5);
    shown.Paint();
    EXPECT_EQ(ColourAt(edit, 10, 20), comment);
    EXPECT_EQ(ColourAt(edit, 12, 1), tag);
    edit.verticalScrollBar()->setValue(98);
    shown.Paint();
    EXPECT_EQ(ColourAt(edit, 100, 2), tag);
}

TEST(HtmlHighlighter, ALineChangedOnTheScreenRecoloursTheLinesBelowIt)
{
    ShownEditor shown;
    EditControl& edit = shown.edit;
    edit.SetText(QStringLiteral("<P>one\r\n<B>two</B>\r\n<I>three</I>\r\n"));
    shown.Paint();
    const QColor tag = shown.highlighter->FormatOf(HtmlPieceKind::TagName).foreground().color();
    const QColor comment = shown.highlighter->FormatOf(HtmlPieceKind::Comment).foreground().color();
    ASSERT_EQ(ColourAt(edit, 2, 1), tag);
    edit.SetSelection(0);
    QTest::keyClicks(&edit, QStringLiteral("<!--"));
    shown.Paint();
    EXPECT_EQ(ColourAt(edit, 1, 1), comment);
    EXPECT_EQ(ColourAt(edit, 2, 1), comment);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    shown.Paint();
    EXPECT_EQ(ColourAt(edit, 2, 1), tag);
}

TEST(HtmlHighlighter, APageWrittenOnOneLongLineStaysPlainButIsFollowed)
{
    ShownEditor shown;
    EditControl& edit = shown.edit;
    const QString longLine = QStringLiteral("<B>bold</B> ").repeated(2000) + QStringLiteral("<!-- open");
    edit.SetText(QStringLiteral("<P>short</P>\r\n") + longLine + QStringLiteral("\r\n<B>in the comment</B>"));
    shown.Paint();
    EXPECT_EQ(ColourAt(edit, 0, 1), shown.highlighter->FormatOf(HtmlPieceKind::TagName).foreground().color());
    EXPECT_TRUE(edit.document()->findBlockByNumber(1).layout()->formats().isEmpty());
    EXPECT_EQ(ColourAt(edit, 2, 1), shown.highlighter->FormatOf(HtmlPieceKind::Comment).foreground().color());
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
