#include "editing/contextmenu.h"
#include "editing/tagremoval.h"
#include "platform/editcontrol.h"

#include <QAction>
#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

// Opens the context menu's remove entry over the given selection.
struct RemoveEntry {
    QString caption;
    bool enabled;
};

RemoveEntry Prepare(EditControl& edit, bool shiftOnlyDown = false)
{
    QAction removeTag1(QStringLiteral("&Remove Tag"));
    PrepareEditorContextMenu(edit, shiftOnlyDown, removeTag1);
    return {removeTag1.text(), removeTag1.isEnabled()};
}

void Select(EditControl& edit, const QString& text, const QString& part, int extraStart = 0, int extraEnd = 0)
{
    edit.SetText(text);
    const int start = static_cast<int>(text.indexOf(part)) + extraStart;
    edit.SetSelection(start, static_cast<int>(part.size()) - extraStart + extraEnd);
}

TEST(RemoveTagPair, WordWithBoldTagsIsLeftAlone)
{
    EditControl edit;
    Select(edit, QStringLiteral("a <B>word</B> b"), QStringLiteral("<B>word</B>"));
    const RemoveEntry entry = Prepare(edit);
    EXPECT_EQ(entry.caption, QStringLiteral("Remo&ve <B>..</B>"));
    EXPECT_TRUE(entry.enabled);
    RemoveTagPair(edit);
    EXPECT_EQ(edit.Text(), QStringLiteral("a word b"));
    EXPECT_EQ(edit.SelStart(), 8);  // end of the start line
    EXPECT_EQ(edit.SelLength(), 0);
    EXPECT_FALSE(edit.CanUndo());
}

TEST(RemoveTagPair, OpeningTagWithAttributesIsShownAndRemovedWhole)
{
    EditControl edit;
    Select(edit, QStringLiteral("<FONT SIZE=2>small</FONT>"), QStringLiteral("<FONT SIZE=2>small</FONT>"));
    EXPECT_EQ(Prepare(edit).caption, QStringLiteral("Remo&ve <FONT SIZE=2>..</FONT>"));
    RemoveTagPair(edit);
    EXPECT_EQ(edit.Text(), QStringLiteral("small"));
}

TEST(RemoveTagPair, TagsLongerThanTwentyCharactersAreCutOnlyInTheCaption)
{
    EditControl edit;
    const QString text = QStringLiteral("<FONT COLOR=\"#FF0000\" SIZE=4>x</FONTIFICATIONS_ARE_LONG>");
    Select(edit, text, text);
    EXPECT_EQ(Prepare(edit).caption, QStringLiteral("Remo&ve <FONT COLOR=\"#FF0000..</FONTIFICATIONS_ARE_"));
    RemoveTagPair(edit);
    EXPECT_EQ(edit.Text(), QStringLiteral("x"));
}

TEST(RemoveTagPair, SelectionOverSeveralLinesKeepsTheLinesBetween)
{
    EditControl edit;
    const QString text = QStringLiteral("top\r\n<PRE>first\r\nmiddle\r\nlast</PRE>\r\nend");
    Select(edit, text, QStringLiteral("<PRE>first\r\nmiddle\r\nlast</PRE>"));
    EXPECT_TRUE(Prepare(edit).enabled);
    RemoveTagPair(edit);
    EXPECT_EQ(edit.Text(), QStringLiteral("top\r\nfirst\r\nmiddle\r\nlast\r\nend"));
    EXPECT_EQ(edit.SelStart(), 10);  // end of "first"
}

TEST(RemoveTagPair, SelectionsNotFramedByTwoTagsLeaveTheEntryDisabled)
{
    EditControl edit;
    const QString text = QStringLiteral("a <B>word</B> b\r\nnext");
    const QString pair = QStringLiteral("<B>word</B>");
    struct Case {
        const char* what;
        int extraStart;
        int extraEnd;
    };
    for (const Case& c : {Case{"starts one later", 1, 0}, Case{"ends one after the >", 0, 1},
                          Case{"ends before the >", 0, -1}}) {
        Select(edit, text, pair, c.extraStart, c.extraEnd);
        const RemoveEntry entry = Prepare(edit);
        EXPECT_EQ(entry.caption, QStringLiteral("Remove")) << c.what;
        EXPECT_FALSE(entry.enabled) << c.what;
    }
    Select(edit, QStringLiteral("x<BR>y"), QStringLiteral("<BR>"));
    EXPECT_FALSE(Prepare(edit).enabled);  // one tag is not a pair
    Select(edit, QStringLiteral("<B>a</B>\r\nb"), QStringLiteral("<B>a</B>\r\n"));
    EXPECT_FALSE(Prepare(edit).enabled);  // ends at the start of the next line
    edit.SetText(QStringLiteral("<B>a</B>"));
    EXPECT_FALSE(Prepare(edit).enabled);  // nothing selected
    EditControl empty;
    EXPECT_FALSE(Prepare(empty).enabled);

    // Not offered, not done.
    Select(edit, text, pair, 1, 0);
    RemoveTagPair(edit);
    EXPECT_EQ(edit.Text(), text);
}

TEST(RemoveTagPair, ShiftWithoutSelectionSelectsTheCaretLineFirst)
{
    EditControl edit;
    edit.SetText(QStringLiteral("first\r\n<I>second</I>\r\nthird"));
    edit.SetSelection(12);
    bool shiftOnlyDown = true;
    QAction removeTag1;
    PrepareEditorContextMenu(edit, shiftOnlyDown, removeTag1);
    EXPECT_FALSE(shiftOnlyDown);
    EXPECT_EQ(edit.SelText(), QStringLiteral("<I>second</I>"));
    EXPECT_EQ(removeTag1.text(), QStringLiteral("Remo&ve <I>..</I>"));

    // Without Shift, or with more than one character selected, the selection stays.
    edit.SetSelection(7, 2);
    shiftOnlyDown = true;
    PrepareEditorContextMenu(edit, shiftOnlyDown, removeTag1);
    EXPECT_EQ(edit.SelLength(), 2);
    EXPECT_TRUE(shiftOnlyDown);
    EXPECT_FALSE(removeTag1.isEnabled());
}

TEST(RemoveTagPair, ShiftOnlyMeansNoCtrlAltOrMouseButton)
{
    EXPECT_TRUE(IsShiftOnly(Qt::Key_A, Qt::ShiftModifier, Qt::NoButton));
    EXPECT_TRUE(IsShiftOnly(Qt::Key_Shift, Qt::NoModifier, Qt::NoButton));
    EXPECT_TRUE(IsShiftOnly(Qt::Key_Shift, Qt::ShiftModifier, Qt::NoButton));
    EXPECT_FALSE(IsShiftOnly(Qt::Key_A, Qt::NoModifier, Qt::NoButton));
    EXPECT_FALSE(IsShiftOnly(Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier, Qt::NoButton));
    EXPECT_FALSE(IsShiftOnly(Qt::Key_Shift, Qt::AltModifier, Qt::NoButton));
    EXPECT_FALSE(IsShiftOnly(Qt::Key_Shift, Qt::ShiftModifier, Qt::LeftButton));
}

}  // namespace
