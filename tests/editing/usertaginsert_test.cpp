#include "editing/usertaginsert.h"

#include "platform/editcontrol.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

const UserTagPair kCentre{QStringLiteral("<CENTER>"), QStringLiteral("</CENTER>")};

TEST(InsertUserTag, WrapsTheSelectionAndLeavesTheCaretAfterTheStartText)
{
    EditControl edit;
    edit.SetText(QStringLiteral("a word here"));
    edit.SetSelection(2, 4);
    InsertUserTag(edit, kCentre);
    EXPECT_EQ(edit.Text(), QStringLiteral("a <CENTER>word</CENTER> here"));
    EXPECT_EQ(edit.SelStart(), 10);
    EXPECT_EQ(edit.SelLength(), 0);
    EXPECT_FALSE(edit.CanUndo());

    // Across lines, where a line break counts two.
    edit.SetText(QStringLiteral("one\r\ntwo\r\nthree"));
    edit.SetSelection(5, 8);
    InsertUserTag(edit, {QStringLiteral("<PRE>\r\n"), QStringLiteral("</PRE>")});
    EXPECT_EQ(edit.Text(), QStringLiteral("one\r\n<PRE>\r\ntwo\r\nthr</PRE>ee"));
    EXPECT_EQ(edit.SelStart(), 12);
}

TEST(InsertUserTag, WithoutSelectionTheCaretStandsBetweenTheTexts)
{
    EditControl edit;
    edit.SetText(QStringLiteral("ab"));
    edit.SetSelection(1);
    InsertUserTag(edit, kCentre);
    EXPECT_EQ(edit.Text(), QStringLiteral("a<CENTER></CENTER>b"));
    EXPECT_EQ(edit.SelStart(), 9);

    // Any pair of snippets, inserted as it stands; either may be empty.
    edit.SetText(QStringLiteral("x"));
    edit.SetSelection(0, 1);
    InsertUserTag(edit, {QString(), QStringLiteral(" &copy; 2026")});
    EXPECT_EQ(edit.Text(), QStringLiteral("x &copy; 2026"));
    EXPECT_EQ(edit.SelStart(), 0);
}

TEST(InsertUserTag, AnEmptyRowLeavesTheDocumentAlone)
{
    EditControl edit;
    edit.SetText(QStringLiteral("keep me"));
    edit.SetSelection(0, 4);
    edit.SetModified(false);
    InsertUserTag(edit, {});
    EXPECT_EQ(edit.Text(), QStringLiteral("keep me"));
    EXPECT_EQ(edit.SelLength(), 4);
    EXPECT_FALSE(edit.Modified());
}

TEST(RunUserTagCommand, InsertsOnlyAChoice)
{
    EditControl edit;
    edit.SetText(QStringLiteral("word"));
    edit.SetSelection(0, 4);
    EXPECT_FALSE(RunUserTagCommand(edit, [] { return std::optional<UserTagPair>(); }));
    EXPECT_EQ(edit.Text(), QStringLiteral("word"));
    EXPECT_EQ(edit.SelLength(), 4);
    EXPECT_TRUE(RunUserTagCommand(edit, [] { return std::optional<UserTagPair>(kCentre); }));
    EXPECT_EQ(edit.Text(), QStringLiteral("<CENTER>word</CENTER>"));
}

}  // namespace
