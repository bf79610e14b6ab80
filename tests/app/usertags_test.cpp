#include "editing/usertagwindow.h"
#include "mainwindowfixture.h"
#include "platform/editcontrol.h"
#include "support/dialoganswer.h"
#include "support/qtprinters.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <functional>

namespace {

class UserTagWiring : public MainWindowTest {
protected:
    TFM_MainForm& Shown()
    {
        QFile library(Path(QStringLiteral("usertags.lst")));
        EXPECT_TRUE(library.open(QIODevice::WriteOnly));
        library.write("`<B>`,`</B>`,``\r\n``,``,``\r\n`<FONT COLOR=\"red\">`,`</FONT>`,`red, loud`\r\n");
        library.close();
        TFM_MainForm& form = Start();
        form.show();
        QApplication::setActiveWindow(&form);
        form.HTML_WINDOW->setFocus();
        form.HTML_WINDOW->SetText(QStringLiteral("Hello world!"));
        form.HTML_WINDOW->SetSelection(6, 5);
        form.HTML_WINDOW->SetModified(false);
        return form;
    }

    // Chooses entry `row` in the library window that `open` brings up.
    static void Choose(int row, const std::function<void()>& open)
    {
        const DialogAnswer<TFM_UserTag> answer([row](TFM_UserTag& window) {
            window.SG1->setCurrentCell(row, 2);
            window.BT_Insert->click();
        });
        open();
    }
};

TEST_F(UserTagWiring, CtrlGWrapsTheSelectionInTheChosenEntry)
{
    TFM_MainForm& form = Shown();
    EditControl& edit = *form.HTML_WINDOW;
    Choose(2, [&edit] { QTest::keyClick(&edit, Qt::Key_G, Qt::ControlModifier); });
    EXPECT_EQ(edit.Text(), QStringLiteral("Hello <FONT COLOR=\"red\">world</FONT>!"));
    EXPECT_EQ(edit.SelStart(), 24);
    EXPECT_EQ(edit.SelLength(), 0);
    EXPECT_TRUE(form.Document().DocumentModified());
    EXPECT_EQ(form.focusWidget(), &edit);
}

TEST_F(UserTagWiring, TheToolButtonAndTheContextMenuOpenTheSameLibrary)
{
    TFM_MainForm& form = Shown();
    {
        const DialogAnswer<TFM_UserTag> close([](TFM_UserTag& window) { window.BT_Close->click(); });
        form.BT_UserTag->click();
    }
    EXPECT_EQ(form.HTML_WINDOW->SelLength(), 5);
    EXPECT_FALSE(form.HTML_WINDOW->Modified());

    Choose(0, [&form] { form.PopHTMLItems.UserTags1->trigger(); });
    EXPECT_EQ(form.HTML_WINDOW->Text(), QStringLiteral("Hello <B>world</B>!"));
    EXPECT_TRUE(prompts.asked.empty());
}

}  // namespace
