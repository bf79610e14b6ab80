#include "editing/usertaginsert.h"

#include "platform/editcontrol.h"
#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

const UserTagPair kCentre{QStringLiteral("<CENTER>"), QStringLiteral("</CENTER>")};

TEST(InsertUserTag, WrapsTheSelectionOrMeetsAtTheCaretWhichEndsAfterTheStartText)
{
    EditControl edit;
    edit.SetText(QStringLiteral("a word here"));
    edit.SetSelection(2, 4);
    InsertUserTag(edit, kCentre);
    EXPECT_EQ(edit.Text(), QStringLiteral("a <CENTER>word</CENTER> here"));
    EXPECT_EQ(edit.SelStart(), 10);
    EXPECT_EQ(edit.SelLength(), 0);

    edit.SetSelection(1);
    InsertUserTag(edit, kCentre);
    EXPECT_EQ(edit.Text(), QStringLiteral("a<CENTER></CENTER> <CENTER>word</CENTER> here"));
    EXPECT_EQ(edit.SelStart(), 9);

    // Across lines, where a line break counts two.
    edit.SetText(QStringLiteral("one\r\ntwo\r\nthree"));
    edit.SetSelection(5, 8);
    InsertUserTag(edit, {QStringLiteral("<PRE>\r\n"), QStringLiteral("</PRE>")});
    EXPECT_EQ(edit.Text(), QStringLiteral("one\r\n<PRE>\r\ntwo\r\nthr</PRE>ee"));
    EXPECT_EQ(edit.SelStart(), 12);
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

}  // namespace
