#include "editing/hreflinkdialog.h"
#include "editing/usertagwindow.h"
#include "mainwindowfixture.h"
#include "platform/editcontrol.h"
#include "support/dialoganswer.h"
#include "wizards/bodywizard.h"
#include "wizards/formelementdialog.h"
#include "wizards/formwizard.h"
#include "wizards/tablewizard.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTextCursor>

namespace {

class CancelKeepsSelection : public MainWindowTest {};

void Trigger(QMenu& menu, const QString& caption)
{
    for (QAction* item : menu.actions())
        if (item->text() == caption)
            item->trigger();
}

}  // namespace

// A command cancelled in its dialog leaves the text, the caret and the
// selection (here made from right to left) as they were, so the next
// insertion cannot replace a tag the command had selected.
TEST_F(CancelKeepsSelection, EveryCommandThatAsksFirst)
{
    TFM_MainForm& form = Start();
    form.show();
    EditControl& edit = *form.HTML_WINDOW;
    const QString text = QStringLiteral("<HTML>\r\n<BODY TEXT=red>\r\n<TABLE>\r\nsome words here\r\n</BODY>");
    edit.SetText(text);
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(40);
    cursor.setPosition(34, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
    const auto check = [&](const char* command) {
        EXPECT_EQ(edit.Text(), text) << command;
        EXPECT_EQ(edit.textCursor().anchor(), 40) << command;
        EXPECT_EQ(edit.textCursor().position(), 34) << command;
    };
    {
        const DialogAnswer<TFM_BodyCode> answer([](TFM_BodyCode& wizard) { wizard.BitBtn2->click(); });
        Trigger(*form.PopBT_Image, "&Text and Background");
    }
    check("body wizard");
    {
        const DialogAnswer<TFM_SetTable> answer([](TFM_SetTable& wizard) { wizard.BitBtn2->click(); });
        form.BT_Table->click();
    }
    check("table wizard");
    {
        const DialogAnswer<TFM_UserTag> answer([](TFM_UserTag& window) { window.reject(); });
        form.BT_UserTag->click();
    }
    check("user tags");
    for (const char* caption : {"&BookMark", "&Remote Sites"}) {
        const DialogAnswer<TFM_HREFLINK> answer([](TFM_HREFLINK& dialog) { dialog.BitBtn2->click(); });
        Trigger(*form.PopBT_Link, caption);
        check(caption);
    }
    {
        const DialogAnswer<TFM_SetForm> answer([](TFM_SetForm& wizard) { wizard.BT_Cancel->click(); });
        Trigger(*form.PopBT_FORM, "&Add New Form");
    }
    {
        const DialogAnswer<TFM_Element> answer([](TFM_Element& wizard) { wizard.BT_Cancel->click(); });
        Trigger(*form.PopBT_FORM, "Add Form &Element");
    }
    check("form wizards");
}
