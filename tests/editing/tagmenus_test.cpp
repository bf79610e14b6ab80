#include "editing/contextmenu.h"
#include "editing/tagmenus.h"
#include "platform/editcontrol.h"
#include "support/scriptedprompts.h"

#include "support/menuitems.h"
#include "support/qtprinters.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// "caption|shortcut" per item, "-" for a separator.
QStringList Items(const QMenu& menu)
{
    QStringList items;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            items << QStringLiteral("-");
        else if (action->shortcut().isEmpty())
            items << action->text();
        else
            items << action->text() + QLatin1Char('|') + action->shortcut().toString();
    }
    return items;
}

class TagMenus : public ::testing::Test {
protected:
    ScriptedPrompts prompts;
    EditControl edit;
    std::deque<std::optional<QString>> colors;
    TagMenuTarget target{edit, prompts, [this](QString& hex) {
                             if (colors.empty() || !colors.front()) {
                                 colors.clear();
                                 return false;
                             }
                             hex = *colors.front();
                             colors.pop_front();
                             return true;
                         }};
    QMenu header, font, format;

    void SetUp() override
    {
        FillHeaderMenu(header, target);
        FillFontMenu(font, target);
        FillFormatMenu(format, target);
    }

    // Selects `part` of `text` and chooses an item.
    QString Choose(const QMenu& menu, const QString& caption, const QString& text, const QString& part)
    {
        edit.SetText(text);
        const int start = static_cast<int>(text.indexOf(part));
        edit.SetSelection(start, static_cast<int>(part.size()));
        MenuItem(menu, caption)->trigger();
        return edit.Text();
    }
};

TEST_F(TagMenus, PullDownMenusHoldEveryItemInOrder)
{
    EXPECT_EQ(Items(header), (QStringList{"&Done", "-", "H&1", "H&2", "H&3", "H&4", "H&5", "H&6", "&Address|Ctrl+A"}));
    EXPECT_EQ(Items(font), (QStringList{"&Done", "-", "&Bold|Ctrl+B", "&Italic|Ctrl+I", "&UnderLine|Ctrl+U", "BI&G",
                                        "S&mall", "Bli&nking", "&Strong", "&Emphasis", "-", "U&PPER CASE",
                                        "&lower case", "-", "&Color"}));
    EXPECT_EQ(Items(format), (QStringList{"&Done", "-", "&Ordered List", "&Un-Ordered List", "&Preformatted Text",
                                          "P&aragraph|Ctrl+P", "-", "&Center", "&Line Break|Ctrl+L",
                                          "&Horizontal Line|Ctrl+H"}));
}

TEST_F(TagMenus, ItemsFillBehindAnExistingDoneItem)
{
    QMenu menu;
    AddDoneItem(menu);
    FillHeaderMenu(menu, target);
    EXPECT_EQ(Items(menu).mid(0, 3), (QStringList{"&Done", "-", "H&1"}));
    EXPECT_EQ(menu.actions().size(), 9);
}

TEST_F(TagMenus, EachItemWrapsWithItsOwnTag)
{
    const QString w = QStringLiteral("w");
    EXPECT_EQ(Choose(header, "H&3", "w", w), QStringLiteral("<H3>w</H3>"));
    EXPECT_EQ(Choose(header, "&Address", "w", w), QStringLiteral("<Address>w</Address>"));
    EXPECT_EQ(Choose(font, "&Bold", "w", w), QStringLiteral("<B>w</B>"));
    EXPECT_EQ(Choose(font, "&UnderLine", "w", w), QStringLiteral("<U>w</U>"));
    EXPECT_EQ(Choose(font, "BI&G", "w", w), QStringLiteral("<BIG>w</BIG>"));
    EXPECT_EQ(Choose(font, "S&mall", "w", w), QStringLiteral("<Small>w</Small>"));
    EXPECT_EQ(Choose(font, "Bli&nking", "w", w), QStringLiteral("<BLINK>w</BLINK>"));
    EXPECT_EQ(Choose(font, "&Strong", "w", w), QStringLiteral("<Strong>w</Strong>"));
    EXPECT_EQ(Choose(font, "&Emphasis", "w", w), QStringLiteral("<EM>w</EM>"));
    EXPECT_EQ(Choose(format, "&Preformatted Text", "w", w), QStringLiteral("<PRE>w</PRE>"));
    EXPECT_EQ(Choose(format, "&Center", "w", w), QStringLiteral("<Center>w</Center>"));
    EXPECT_EQ(Choose(format, "P&aragraph", "a w", w), QStringLiteral("a <P>w"));
    EXPECT_EQ(Choose(format, "&Line Break", "a w", w), QStringLiteral("a <BR>w"));
    EXPECT_EQ(Choose(format, "&Horizontal Line", "a w", w), QStringLiteral("a <HR>w"));
    EXPECT_EQ(Choose(format, "&Ordered List", "a\r\nb", "a\r\nb"), QStringLiteral("<OL>\r\n<LI>a\r\n<LI>b\r\n</OL>"));
    EXPECT_EQ(Choose(format, "&Un-Ordered List", "a", "a"), QStringLiteral("<UL>\r\n<LI>a\r\n</UL>"));
    EXPECT_EQ(Choose(font, "U&PPER CASE", "<b>é</b>", "<b>é</b>"), QStringLiteral("<B>é</B>"));
    EXPECT_EQ(Choose(font, "&lower case", "<B>É</B>", "<B>É</B>"), QStringLiteral("<b>É</b>"));
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(TagMenus, ColorAsksForAColourAndDoesNothingWhenCancelled)
{
    colors.push_back(QStringLiteral("FF0000"));
    EXPECT_EQ(Choose(font, "&Color", "", ""), QStringLiteral("<FONT  COLOR=\"#FF0000\"></FONT>"));
    EXPECT_EQ(edit.SelStart(), 23);
    colors.push_back(std::nullopt);
    EXPECT_EQ(Choose(font, "&Color", "keep", "ee"), QStringLiteral("keep"));
    EXPECT_EQ(edit.SelLength(), 2);
}

class ContextMenu : public TagMenus {
protected:
    QMenu popHTML;
    EditorContextMenu items;

    void SetUp() override
    {
        TagMenus::SetUp();
        items = BuildEditorContextMenu(popHTML);
    }
};

TEST_F(ContextMenu, HoldsItsItemsInOrderWithLaterCommandsDisabled)
{
    EXPECT_EQ(Items(popHTML), (QStringList{"&Done", "-", "&Preview Page", "&Edit", "&Remove Tag", "-", "&Header",
                                           "&User Tags", "Fo&nt", "For&mat", "&Link", "&Image", "-", "&Table",
                                           "Fo&rm"}));
    EXPECT_EQ(Items(*items.MNU_Edit), (QStringList{"&Cut", "Co&py", "&Paste"}));
    EXPECT_FALSE(items.POP_Toggle->isEnabled());
    EXPECT_FALSE(items.UserTags1->isEnabled());
    EXPECT_FALSE(items.MNU_Table->isEnabled());
    EXPECT_TRUE(items.RemoveTag1->isEnabled());
    EXPECT_EQ(items.RemoveTag1->objectName(), QStringLiteral("RemoveTag1"));
    EXPECT_EQ(popHTML.findChild<QMenu*>(QStringLiteral("MNU_Font")), items.MNU_Font);
}

TEST_F(ContextMenu, CopiedItemsKeepCaptionShortcutAndCommand)
{
    CopyMenuItems(font, *items.MNU_Font);
    EXPECT_EQ(Items(*items.MNU_Font), Items(font));
    edit.SetText(QStringLiteral("x"));
    edit.SetSelection(0, 1);
    MenuItem(*items.MNU_Font, "&Italic")->trigger();
    EXPECT_EQ(edit.Text(), QStringLiteral("<I>x</I>"));
    MenuItem(*items.MNU_Font, "&Done")->trigger();  // inert
    EXPECT_EQ(edit.Text(), QStringLiteral("<I>x</I>"));
}

TEST_F(ContextMenu, MirroredShortcutsActWhileTheEditorHasTheFocus)
{
    CopyMenuItems(header, *items.MNU_Header);
    CopyMenuItems(font, *items.MNU_Font);
    CopyMenuItems(format, *items.MNU_Format);
    InstallMirroredShortcuts(edit, popHTML);
    edit.show();
    edit.activateWindow();
    edit.setFocus();
    (void)QTest::qWaitForWindowActive(&edit);

    edit.SetText(QStringLiteral("one"));
    edit.SetSelection(0, 3);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);  // "&Address", not select-all
    EXPECT_EQ(edit.Text(), QStringLiteral("<Address>one</Address>"));
    edit.SetSelection(0);
    QTest::keyClick(&edit, Qt::Key_U, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), QStringLiteral("<U><BR></U><Address>one</Address>"));
    edit.SetSelection(0);
    for (Qt::Key key : {Qt::Key_B, Qt::Key_I, Qt::Key_P, Qt::Key_H})
        QTest::keyClick(&edit, key, Qt::ControlModifier);
    EXPECT_TRUE(edit.Text().startsWith(QStringLiteral("<B><I><P><HR></I></B>"))) << edit.Text().toStdString();
    QTest::keyClick(&edit, Qt::Key_X);  // typing still types
    EXPECT_TRUE(edit.Text().startsWith(QStringLiteral("<B><I><P><HR>x</I></B>")));
}

TEST(MenuPositions, FormatSelectionHalvesTheSumsTowardZero)
{
    EXPECT_EQ(FormatSelectionMenuPosition(QRect(101, 51, 640, 481)), QPoint(370, 266));
    EXPECT_EQ(FormatSelectionMenuPosition(QRect(-301, -11, 200, 100)), QPoint(-50, 44));
}

TEST(MenuPositions, PullDownOpensUnderTheButtonsLowerLeftCorner)
{
    QWidget window;
    window.setGeometry(200, 100, 400, 300);
    auto* button = new QWidget(&window);
    button->setObjectName(QStringLiteral("BT_Font"));
    button->setGeometry(30, 40, 65, 20);
    auto* menu = new QMenu(&window);
    menu->setObjectName(QStringLiteral("PopBT_Font"));
    EXPECT_EQ(PullDownMenuOf(window, *button), menu);
    EXPECT_EQ(PullDownMenuPosition(*button), window.mapToGlobal(QPoint(30, 60)));
}

}  // namespace
