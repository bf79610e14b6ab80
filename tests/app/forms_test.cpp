#include "mainwindowfixture.h"
#include "platform/editcontrol.h"
#include "support/dialoganswer.h"
#include "viewer/htmlviewer.h"
#include "wizards/formelementdialog.h"
#include "wizards/formwizard.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>

namespace {

QAction* Item(const QMenu& menu, const QString& caption)
{
    for (QAction* action : menu.actions())
        if (action->text() == caption)
            return action;
    ADD_FAILURE() << "no item " << caption.toStdString();
    return nullptr;
}

QStringList Captions(const QMenu& menu)
{
    QStringList captions;
    for (const QAction* action : menu.actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

std::function<void(TFM_Element&)> Element(FormElementType type, QStringList values, bool checked = false)
{
    return [type, values, checked](TFM_Element& dialog) {
        dialog.SetElementType(type);
        for (int row = 0; row < values.size(); ++row)
            dialog.SG1->item(row, 1)->setText(values[row]);
        dialog.CHK1->setChecked(checked);
        dialog.BT_Add->click();
    };
}

class Forms : public MainWindowTest {
protected:
    TFM_MainForm& Shown()
    {
        TFM_MainForm& form = Start();
        form.show();
        // The context menu mirrors the pull-down menus at the first activation.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !form.PopHTMLItems.MNU_FORM->actions().isEmpty(); }));
        return form;
    }
};

TEST_F(Forms, FormButtonOffersBothWizardsAlsoInTheContextMenu)
{
    TFM_MainForm& form = Shown();
    const QStringList menu{"&Done", "-", "&Add New Form", "Add Form &Element"};
    EXPECT_EQ(Captions(*form.PopBT_FORM), menu);
    EXPECT_EQ(Captions(*form.PopHTMLItems.MNU_FORM), menu);
    EXPECT_TRUE(form.BT_FORM->isEnabled());

    EditControl& edit = *form.HTML_WINDOW;
    edit.SetText("<P></P>");
    edit.SetSelection(3);
    DialogAnswer<TFM_Element> element(Element(FormElementType::Radio, {"Red", "colour", "red"}, true));
    Item(*form.PopHTMLItems.MNU_FORM, "Add Form &Element")->trigger();
    EXPECT_EQ(edit.Text(), "<P><INPUT TYPE=Radio CHECKED NAME=\"colour\" VALUE=\"red\"> Red\r\n</P>");

    DialogAnswer<TFM_SetForm> setForm([](TFM_SetForm& wizard) { wizard.BT_OK->click(); });
    Item(*form.PopHTMLItems.MNU_FORM, "&Add New Form")->trigger();
    EXPECT_EQ(edit.Line(1), "<FORM>");
    EXPECT_TRUE(form.Document().DocumentModified());
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(Forms, FormOfThreeElementsGoesInAtTheCaretAndShowsInThePreview)
{
    TFM_MainForm& form = Shown();
    EditControl& edit = *form.HTML_WINDOW;
    edit.SetText("<BODY>\r\n\r\n</BODY>");
    edit.SetSelection(edit.LineIndex(1));

    DialogAnswer<TFM_SetForm> answer([](TFM_SetForm& wizard) {
        wizard.ED_Get->setCurrentText("Post");
        wizard.ED_Action->setText("mail.cgi");
        DialogAnswer<TFM_Element> name(Element(FormElementType::Text, {"Name:", "user", "", "20"}));
        wizard.BT_Element->click();
        DialogAnswer<TFM_Element> tick(Element(FormElementType::CheckBox, {"Yes", "ok", "1"}, true));
        wizard.BT_Element->click();
        DialogAnswer<TFM_Element> submit(Element(FormElementType::ButtonSubmit, {"", "", "Send"}));
        wizard.BT_Element->click();
        wizard.BT_OK->click();
    });
    Item(*form.PopBT_FORM, "&Add New Form")->trigger();

    EXPECT_EQ(edit.Text(), "<BODY>\r\n"
                           "<FORM  METHOD=\"Post\" ACTION=\"mail.cgi\">\r\n"
                           "Name: <INPUT TYPE=Text NAME=\"user\" SIZE=20>\r\n"
                           "<INPUT TYPE=CheckBox CHECKED NAME=\"ok\" VALUE=1> Yes\r\n"
                           "<INPUT TYPE=Submit VALUE=\"Send\">\r\n"
                           "\r\n"
                           "</FORM>\r\n"
                           "\r\n"
                           "</BODY>");

    form.TabSet1->setCurrentIndex(1);
    EXPECT_GT(form.ViewPage->Document().Count(), 0);
    EXPECT_TRUE(form.ViewPage->FindText("Name:", MatchCase::Yes));
    EXPECT_TRUE(form.ViewPage->FindText("Yes", MatchCase::Yes));
    EXPECT_TRUE(prompts.asked.empty());
}

}  // namespace
