#include "editing/tagcommands.h"
#include "platform/editcontrol.h"

#include "support/editselection.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

const QString kBreak = QStringLiteral("\r\n");

TEST(InsertTagPair, EmptySelectionPutsTheCaretBetweenTheTags)
{
    EditControl edit;
    edit.SetText(QStringLiteral("ab"));
    edit.SetSelection(1);
    InsertTagPair(edit, QStringLiteral("&Bold").mid(1, 1));
    EXPECT_EQ(edit.Text(), QStringLiteral("a<B></B>b"));
    EXPECT_EQ(SelectionOf(edit), (Selection{4, 0}));

    EditControl empty;
    InsertTagPair(empty, QStringLiteral("H&1"));
    EXPECT_EQ(empty.Text(), QStringLiteral("<H1></H1>"));
    EXPECT_EQ(SelectionOf(empty), (Selection{4, 0}));
}

TEST(InsertTagPair, SelectionIsWrappedAndSelectedWithItsTags)
{
    EditControl edit;
    edit.SetText(QStringLiteral("say hello now"));
    edit.SetSelection(4, 5);
    InsertTagPair(edit, QStringLiteral("H&1"));
    EXPECT_EQ(edit.Text(), QStringLiteral("say <H1>hello</H1> now"));
    EXPECT_EQ(SelectionOf(edit), (Selection{4, 14}));
    EXPECT_EQ(edit.SelText(), QStringLiteral("<H1>hello</H1>"));
    EXPECT_FALSE(edit.CanUndo());  // a program insertion
}

TEST(InsertTagPair, TagKeepsTheCaptionsLetterCaseWithoutItsFirstAmpersand)
{
    EditControl edit;
    for (const QString& caption : {QStringLiteral("&Strong"), QStringLiteral("S&mall"), QStringLiteral("&Address"),
                                   QStringLiteral("A&&B")}) {
        edit.SetText(QStringLiteral("x"));
        edit.SetSelection(0, 1);
        InsertTagPair(edit, caption);
        QString tag = caption;
        tag.remove(tag.indexOf(QLatin1Char('&')), 1);
        EXPECT_EQ(edit.Text(), QStringLiteral("<%1>x</%1>").arg(tag));
    }
}

TEST(InsertTagPair, SelectionOverSeveralLinesKeepsTheLineCount)
{
    EditControl edit;
    edit.SetText(QStringLiteral("l0\r\nl1\r\nline two\r\nl3\r\nline four\r\nl5"));
    const int start = edit.LineIndex(2) + 4;
    const int end = edit.LineIndex(4) + 4;
    edit.SetSelection(start, end - start);
    InsertTagPair(edit, QStringLiteral("B"));
    EXPECT_EQ(edit.Text(), QStringLiteral("l0\r\nl1\r\nline<B> two\r\nl3\r\nline</B> four\r\nl5"));
    EXPECT_EQ(edit.LineCount(), 6);
    EXPECT_EQ(SelectionOf(edit), (Selection{start, end - start + 7}));
}

TEST(InsertTagPair, WholeLinesEndingAtTheNextLineStartGetTheClosingTagThere)
{
    EditControl edit;
    edit.SetText(QStringLiteral("a\r\nb\r\nc"));
    edit.SetSelection(0, 6);
    InsertTagPair(edit, QStringLiteral("PRE"));
    EXPECT_EQ(edit.Text(), QStringLiteral("<PRE>a\r\nb\r\n</PRE>c"));
    EXPECT_EQ(SelectionOf(edit), (Selection{0, 17}));
}

TEST(InsertTagPair, WorksAtTheEndOfALongDocumentAndOnLongLines)
{
    EditControl edit;
    const QString longLine(5000, QLatin1Char('x'));
    QString text;
    for (int i = 0; i < 20; ++i)
        text += longLine + kBreak;
    text += QStringLiteral("last");
    edit.SetText(text);
    const int end = edit.TextLength();
    ASSERT_GT(end, 65535);
    edit.SetSelection(end - 4, 4);
    InsertTagPair(edit, QStringLiteral("I"));
    EXPECT_TRUE(edit.Text().endsWith(longLine + kBreak + QStringLiteral("<I>last</I>")));
    EXPECT_EQ(SelectionOf(edit), (Selection{end - 4, 11}));
    edit.SetSelection(edit.LineIndex(3) + 4500);
    InsertTagPair(edit, QStringLiteral("B"));
    EXPECT_EQ(edit.Line(3).size(), 5007);
}

TEST(InsertList, TwoSelectedLinesBecomeFourLines)
{
    EditControl edit;
    edit.SetText(QStringLiteral("before\r\none\r\ntwo\r\nafter"));
    edit.SetSelection(edit.LineIndex(1) + 1, 5);
    InsertList(edit, QStringLiteral("OL"), QStringLiteral("LI"));
    EXPECT_EQ(edit.Text(), QStringLiteral("before\r\n<OL>\r\n<LI>one\r\n<LI>two\r\n</OL>\r\nafter"));
    EXPECT_EQ(SelectionOf(edit), (Selection{edit.LineIndex(3) + 7, 0}));
    EXPECT_FALSE(edit.CanUndo());
}

TEST(InsertList, NoSelectionListsTheCaretLine)
{
    EditControl edit;
    edit.SetText(QStringLiteral("item"));
    edit.SetSelection(2);
    InsertList(edit, QStringLiteral("UL"), QStringLiteral("LI"));
    EXPECT_EQ(edit.Text(), QStringLiteral("<UL>\r\n<LI>item\r\n</UL>"));
    EXPECT_EQ(SelectionOf(edit), (Selection{14, 0}));
}

TEST(InsertList, SelectionEndingAtALineStartTakesThatLineToo)
{
    EditControl edit;
    edit.SetText(QStringLiteral("a\r\nb\r\nc\r\n"));
    edit.SetSelection(0, 3);
    InsertList(edit, QStringLiteral("OL"), QStringLiteral("LI"));
    EXPECT_EQ(edit.Text(), QStringLiteral("<OL>\r\n<LI>a\r\n<LI>b\r\n</OL>\r\nc\r\n"));
}

TEST(InsertList, LastLineKeepsWhetherTheDocumentEndsWithABreak)
{
    EditControl withBreak;
    withBreak.SetText(QStringLiteral("a\r\nb\r\n"));
    withBreak.SetSelection(3);
    InsertList(withBreak, QStringLiteral("OL"), QStringLiteral("LI"));
    EXPECT_EQ(withBreak.Text(), QStringLiteral("a\r\n<OL>\r\n<LI>b\r\n</OL>\r\n"));

    EditControl empty;
    InsertList(empty, QStringLiteral("OL"), QStringLiteral("LI"));
    EXPECT_EQ(empty.Text(), QStringLiteral("<OL>\r\n<LI>\r\n</OL>"));
    EXPECT_EQ(SelectionOf(empty), (Selection{10, 0}));
}

TEST(InsertList, WorksNearTheEndOfALongDocument)
{
    EditControl edit;
    QString text;
    for (int i = 0; i < 8000; ++i)
        text += QStringLiteral("line number %1\r\n").arg(i);
    edit.SetText(text + QStringLiteral("x\r\ny"));
    ASSERT_GT(edit.TextLength(), 65535);
    const int x = edit.LineIndex(8000);
    edit.SetSelection(x, 3);
    InsertList(edit, QStringLiteral("UL"), QStringLiteral("LI"));
    EXPECT_TRUE(edit.Text().endsWith(QStringLiteral("7999\r\n<UL>\r\n<LI>x\r\n<LI>y\r\n</UL>")));
    EXPECT_EQ(SelectionOf(edit), (Selection{edit.TextLength() - 7, 0}));
}

TEST(InsertSingleTag, CollapsesTheSelectionAndInsertsAtItsStart)
{
    EditControl edit;
    edit.SetText(QStringLiteral("one word"));
    edit.SetSelection(4, 4);
    InsertSingleTag(edit, QStringLiteral("<BR>"));
    EXPECT_EQ(edit.Text(), QStringLiteral("one <BR>word"));
    EXPECT_EQ(SelectionOf(edit), (Selection{8, 0}));
    InsertSingleTag(edit, QStringLiteral("<HR>"));
    EXPECT_EQ(edit.Text(), QStringLiteral("one <BR><HR>word"));
}

TEST(InsertFontColor, EmptySelectionLeavesTheCaretBeforeTheClosingTag)
{
    EditControl edit;
    edit.SetText(QStringLiteral("ab"));
    edit.SetSelection(1);
    InsertFontColor(edit, QStringLiteral("FF0000"));
    EXPECT_EQ(edit.Text(), QStringLiteral("a<FONT  COLOR=\"#FF0000\"></FONT>b"));
    EXPECT_EQ(SelectionOf(edit), (Selection{24, 0}));
}

TEST(InsertFontColor, SelectionLeavesTheCaretBeforeTheText)
{
    EditControl edit;
    edit.SetText(QStringLiteral("x red y"));
    edit.SetSelection(2, 3);
    InsertFontColor(edit, QStringLiteral("00FF00"));
    EXPECT_EQ(edit.Text(), QStringLiteral("x <FONT  COLOR=\"#00FF00\">red</FONT> y"));
    EXPECT_EQ(SelectionOf(edit), (Selection{25, 0}));
}

TEST(ChangeLetterCase, ChangesOnlyTheLettersAToZ)
{
    EditControl edit;
    edit.SetText(QStringLiteral("<a href=\"x\">Åbc é</a> tail"));
    edit.SetSelection(0, 21);
    ChangeLetterCase(edit, LetterCaseFromCaption(QStringLiteral("U&PPER CASE")));
    EXPECT_EQ(edit.Text(), QStringLiteral("<A HREF=\"X\">ÅBC é</A> tail"));
    EXPECT_EQ(SelectionOf(edit), (Selection{21, 0}));
    edit.SetSelection(0, 21);
    ChangeLetterCase(edit, LetterCaseFromCaption(QStringLiteral("&lower case")));
    EXPECT_EQ(edit.Text(), QStringLiteral("<a href=\"x\">Åbc é</a> tail"));

    edit.SetSelection(3);
    ChangeLetterCase(edit, LetterCase::Upper);  // nothing selected: nothing changes
    EXPECT_EQ(edit.Text(), QStringLiteral("<a href=\"x\">Åbc é</a> tail"));
    EXPECT_EQ(SelectionOf(edit), (Selection{3, 0}));
}

TEST(ChangeLetterCase, OnlyTheExactUpperCaptionMeansUpper)
{
    EXPECT_EQ(LetterCaseFromCaption(QStringLiteral("U&PPER CASE")), LetterCase::Upper);
    EXPECT_EQ(LetterCaseFromCaption(QStringLiteral("UPPER CASE")), LetterCase::Lower);
    EXPECT_EQ(StyleTagFromCaption(QStringLiteral("&Italic")), QStringLiteral("I"));
    EXPECT_EQ(StyleTagFromCaption(QStringLiteral("&UnderLine")), QStringLiteral("U"));
}

TEST(InsertAutoLineBreak, ReplacesTheSelection)
{
    EditControl edit;
    edit.SetText(QStringLiteral("a word"));
    edit.SetSelection(2, 4);
    InsertAutoLineBreak(edit);
    EXPECT_EQ(edit.Text(), QStringLiteral("a <BR>"));
    EXPECT_EQ(SelectionOf(edit), (Selection{6, 0}));
}

}  // namespace
