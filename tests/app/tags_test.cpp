#include "mainwindowfixture.h"
#include "platform/editcontrol.h"

#include "support/qtprinters.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

class TagWiring : public MainWindowTest {
protected:
    TFM_MainForm& Shown()
    {
        TFM_MainForm& form = Start();
        form.show();
        QApplication::setActiveWindow(&form);
        form.HTML_WINDOW->setFocus();
        // FormActivate runs right after the first show.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !form.PopHTMLItems.MNU_Header->actions().isEmpty(); }));
        return form;
    }

    static QAction* Item(const QMenu& menu, const QString& caption)
    {
        for (QAction* action : menu.actions())
            if (action->text() == caption)
                return action;
        ADD_FAILURE() << "no item " << caption.toStdString();
        return nullptr;
    }
};

TEST_F(TagWiring, ContextMenuMirrorsThePullDownMenusOnce)
{
    TFM_MainForm& form = Shown();
    EXPECT_EQ(form.PopHTMLItems.MNU_Font->actions().size(), form.PopBT_Font->actions().size());
    EXPECT_EQ(form.PopHTMLItems.MNU_Header->actions().size(), 9);
    EXPECT_EQ(form.PopHTMLItems.MNU_Format->actions().size(), 10);
    EXPECT_EQ(form.PopHTMLItems.MNU_Link->actions().size(), form.PopBT_Link->actions().size());
    form.hide();
    form.show();
    QTest::qWait(20);
    EXPECT_EQ(form.PopHTMLItems.MNU_Header->actions().size(), 9);
    EXPECT_EQ(form.PopHTMLItems.MNU_FORM->actions().size(), form.PopBT_FORM->actions().size());
}

TEST_F(TagWiring, MirroredShortcutsWorkInTheEditor)
{
    TFM_MainForm& form = Shown();
    EditControl& edit = *form.HTML_WINDOW;
    edit.SetText(QStringLiteral("word"));
    edit.SetSelection(0, 4);
    QTest::keyClick(&edit, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), QStringLiteral("<B>word</B>"));
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit.Text(), QStringLiteral("<Address><B>word</B></Address>"));
    EXPECT_TRUE(form.Document().DocumentModified());
}

TEST_F(TagWiring, PullDownButtonsOpenTheirMenus)
{
    TFM_MainForm& form = Shown();
    for (QPushButton* button :
         {form.BT_Header, form.BT_Font, form.BT_Format, form.BT_Link, form.BT_Image, form.BT_FORM}) {
        ASSERT_TRUE(button->isEnabled());
        QMenu* menu = form.findChild<QMenu*>(QStringLiteral("Pop") + button->objectName());
        ASSERT_NE(menu, nullptr) << button->objectName().toStdString();
        button->click();
        EXPECT_TRUE(QTest::qWaitFor([&] { return menu->isVisible(); }));
        menu->hide();
    }
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(TagWiring, FormatSelectionOpensTheContextMenuWithTheRemoveEntry)
{
    TFM_MainForm& form = Shown();
    EditControl& edit = *form.HTML_WINDOW;
    edit.SetText(QStringLiteral("a <I>b</I> c"));
    edit.SetSelection(2, 8);
    ASSERT_TRUE(form.MNU_FmtLine->isEnabled());
    form.MNU_FmtLine->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.PopHTML->isVisible(); }));
    EXPECT_EQ(form.PopHTMLItems.RemoveTag1->text(), QStringLiteral("Remo&ve <I>..</I>"));
    form.PopHTML->hide();
    form.PopHTMLItems.RemoveTag1->trigger();
    EXPECT_EQ(edit.Text(), QStringLiteral("a b c"));
}

TEST_F(TagWiring, ShiftAloneThenTheMenuSelectsTheCaretLine)
{
    TFM_MainForm& form = Shown();
    EditControl& edit = *form.HTML_WINDOW;
    edit.SetText(QStringLiteral("one\r\n<B>two</B>\r\nthree"));
    edit.SetSelection(7);
    QTest::keyPress(&edit, Qt::Key_Shift);
    EXPECT_TRUE(form.ShiftOnlyDown);
    form.PopHTMLPopup();  // as the right click opens the menu, Shift still held
    EXPECT_EQ(edit.SelText(), QStringLiteral("<B>two</B>"));
    EXPECT_TRUE(form.PopHTMLItems.RemoveTag1->isEnabled());
    QTest::keyRelease(&edit, Qt::Key_Shift);
    EXPECT_FALSE(form.ShiftOnlyDown);

    QTest::keyPress(&edit, Qt::Key_Shift);
    QTest::keyRelease(&edit, Qt::Key_Shift);  // released before the menu opened
    edit.SetSelection(2);
    form.PopHTMLPopup();
    EXPECT_EQ(edit.SelLength(), 0);
    EXPECT_FALSE(form.PopHTMLItems.RemoveTag1->isEnabled());
    EXPECT_EQ(form.PopHTMLItems.RemoveTag1->text(), QStringLiteral("Remove"));
}

TEST_F(TagWiring, LineStatusFollowsKeyReleasesAndClicks)
{
    TFM_MainForm& form = Shown();
    EditControl& edit = *form.HTML_WINDOW;
    edit.SetText(QStringLiteral("a\r\nb\r\nc\r\n"));
    edit.SetSelection(0);
    QTest::keyClick(&edit, Qt::Key_Down);
    EXPECT_EQ(form.StatusText(), QStringLiteral("Line 2/4   "));
    edit.SetSelection(edit.LineIndex(2));
    QTest::mouseClick(edit.viewport(), Qt::LeftButton, {}, edit.cursorRect().center());
    EXPECT_EQ(form.StatusText(), QStringLiteral("Line 3/4   "));
}

TEST_F(TagWiring, EnterWithAutoLineBreakAddsABreakTag)
{
    TFM_MainForm& form = Shown();
    EditControl& edit = *form.HTML_WINDOW;
    edit.SetText(QStringLiteral("a word"));
    edit.SetSelection(2, 4);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.Text(), QStringLiteral("a \r\n"));  // option off: only the key

    ASSERT_TRUE(form.MNU_AutoBR->isEnabled());
    form.MNU_AutoBR->trigger();
    EXPECT_TRUE(form.MNU_AutoBR->isChecked());
    edit.SetText(QStringLiteral("a word"));
    edit.SetSelection(2, 4);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.Text(), QStringLiteral("a <BR>\r\n"));
    QTest::keyClick(&edit, Qt::Key_X);
    EXPECT_EQ(edit.Text(), QStringLiteral("a <BR>\r\nx"));
}

}  // namespace
