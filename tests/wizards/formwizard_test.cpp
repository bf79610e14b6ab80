#include "support/dialoganswer.h"
#include "support/scriptedprompts.h"
#include "editing/hreflinkdialog.h"
#include "platform/editcontrol.h"
#include "viewer/htmlviewer.h"
#include "wizards/formelementdialog.h"
#include "wizards/forminsert.h"
#include "wizards/formwizard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

TEST(FormOpeningTag, MethodAndActionEachBringABlank)
{
    EXPECT_EQ(FormOpeningTag("Post", "mail.cgi"), "<FORM  METHOD=\"Post\" ACTION=\"mail.cgi\">");
    EXPECT_EQ(FormOpeningTag("Get", ""), "<FORM  METHOD=\"Get\">");
    EXPECT_EQ(FormOpeningTag("", ""), "<FORM >");
    // One blank is no action; two are one.
    EXPECT_EQ(FormOpeningTag("", " "), "<FORM >");
    EXPECT_EQ(FormOpeningTag("", "  "), "<FORM  ACTION=\"  \">");
}

// Fills the element dialog: type, then the grid's values from the top row.
std::function<void(TFM_Element&)> Element(FormElementType type, QStringList values)
{
    return [type, values](TFM_Element& dialog) {
        dialog.SetElementType(type);
        for (int row = 0; row < values.size(); ++row)
            dialog.SG1->item(row, 1)->setText(values[row]);
        dialog.BT_Add->click();
    };
}

class FormWizard : public ::testing::Test {
protected:
    QTemporaryDir folder;
    ScriptedPrompts prompts;
    FormWizardSetup WizardSetup() { return {prompts, folder.filePath("KIVO.INI")}; }
};

TEST_F(FormWizard, FirstLineFollowsMethodAndActionAndTheCaretStays)
{
    TFM_SetForm wizard(WizardSetup());
    wizard.show();
    EXPECT_EQ(wizard.windowTitle(), "Form Editor");
    EXPECT_EQ(wizard.FormLines(), (QStringList{"<FORM>", "", "</FORM>"}));
    EXPECT_EQ(wizard.ED_Get->currentText(), "");
    EXPECT_EQ(wizard.Memo_FormCode->SelStart(), 8);

    wizard.Memo_FormCode->SetLine(0, "<FORM typed by hand>");
    wizard.Memo_FormCode->SetSelection(wizard.Memo_FormCode->LineIndex(1));
    wizard.ED_Get->setCurrentText("Get");
    EXPECT_EQ(wizard.FormLines(), (QStringList{"<FORM  METHOD=\"Get\">", "", "</FORM>"}));
    QTest::keyClicks(wizard.ED_Action, "a.cgi");
    EXPECT_EQ(wizard.Memo_FormCode->Line(0), "<FORM  METHOD=\"Get\" ACTION=\"a.cgi\">");
    // Elements still land between the tags.
    EXPECT_EQ(wizard.Memo_FormCode->LineFromChar(wizard.Memo_FormCode->SelStart()), 1);
    wizard.ED_Action->clear();
    wizard.ED_Get->setCurrentIndex(-1);
    EXPECT_EQ(wizard.Memo_FormCode->Line(0), "<FORM >");
}

TEST_F(FormWizard, ElementsLandBetweenTheTagsInTheOrderAdded)
{
    TFM_SetForm wizard(WizardSetup());
    wizard.show();
    DialogAnswer<TFM_Element> name(Element(FormElementType::Text, {"Name:", "user"}));
    wizard.BT_Element->click();
    DialogAnswer<TFM_Element> list(Element(FormElementType::ListMultipleSelect, {"", "pick"}));
    wizard.BT_Element->click();
    DialogAnswer<TFM_Element> submit(Element(FormElementType::ButtonSubmit, {"", "", "Send"}));
    wizard.BT_Element->click();
    EXPECT_EQ(wizard.FormLines(),
              (QStringList{"<FORM>", "Name: <INPUT TYPE=Text NAME=\"user\">", "<SELECT MULTIPLE NAME=\"pick\">",
                           "<OPTION>Option 1", "<OPTION>Option 2", "<OPTION>Option 3",
                           "</SELECT><INPUT TYPE=Submit VALUE=\"Send\">", "", "</FORM>"}));
}

TEST_F(FormWizard, PreviewToggleLoadsTheTextBothWays)
{
    TFM_SetForm wizard(WizardSetup());
    wizard.show();
    wizard.Memo_FormCode->SetLine(1, "Seen in the preview");
    wizard.BT_PREVIEW->click();
    EXPECT_EQ(wizard.PreviewTag(), 1);
    EXPECT_EQ(wizard.NB_FORM->currentWidget(), wizard.PreviewForm);
    EXPECT_EQ(wizard.BT_PREVIEW->text(), "Edit");
    EXPECT_FALSE(wizard.BT_Element->isEnabled());
    EXPECT_TRUE(wizard.PreviewForm->FindText("Seen in the preview", MatchCase::No));
    EXPECT_FALSE(wizard.PreviewForm->ViewImages());
    EXPECT_EQ(wizard.PreviewForm->HistoryMaxCount(), 0);

    wizard.BT_PREVIEW->click();
    EXPECT_EQ(wizard.PreviewTag(), 0);
    EXPECT_EQ(wizard.NB_FORM->currentWidget(), wizard.Memo_FormCode);
    EXPECT_EQ(wizard.BT_PREVIEW->text(), "Preview");
    EXPECT_TRUE(wizard.BT_Element->isEnabled());

    // A page the viewer cannot read ends in the error box, not in a crash.
    wizard.Memo_FormCode->SetLine(1, "<!-- never closed");
    wizard.BT_PREVIEW->click();
    EXPECT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(wizard.PreviewTag(), 1);
}

TEST_F(FormWizard, ActionPickedWithTheRemoteLinkDialog)
{
    TFM_SetForm wizard(WizardSetup());
    wizard.show();
    DialogAnswer<TFM_HREFLINK> remote([](TFM_HREFLINK& link) {
        EXPECT_EQ(link.Mode(), LinkDialogMode::Remote);
        link.ED_LINK->setText("http://host/cgi-bin/mail");
        link.BitBtn1->click();
    });
    wizard.SpeedButton1->click();
    EXPECT_EQ(wizard.ED_Action->text(), "http://host/cgi-bin/mail");
    EXPECT_EQ(wizard.Memo_FormCode->Line(0), "<FORM  ACTION=\"http://host/cgi-bin/mail\">");

    DialogAnswer<TFM_HREFLINK> cancel([](TFM_HREFLINK& link) { link.BitBtn2->click(); });
    wizard.SpeedButton1->click();
    EXPECT_EQ(wizard.ED_Action->text(), "http://host/cgi-bin/mail");
}

TEST_F(FormWizard, NewFormReplacesTheSelectionEveryLineEndingInCrLf)
{
    EditControl edit;
    edit.SetText("before[x]after");
    edit.SetSelection(6, 3);
    DialogAnswer<TFM_SetForm> answer([](TFM_SetForm& wizard) {
        wizard.ED_Get->setCurrentText("Post");
        DialogAnswer<TFM_Element> element(Element(FormElementType::Text, {"", "q"}));
        wizard.BT_Element->click();
        wizard.BT_OK->click();
    });
    AddNewForm(edit, WizardSetup());
    EXPECT_EQ(edit.Text(), "before<FORM  METHOD=\"Post\">\r\n<INPUT TYPE=Text NAME=\"q\">\r\n\r\n</FORM>\r\nafter");

    const QString inserted = edit.Text();
    DialogAnswer<TFM_SetForm> cancel([](TFM_SetForm& wizard) { wizard.BT_Cancel->click(); });
    AddNewForm(edit, WizardSetup());
    EXPECT_EQ(edit.Text(), inserted);
}

}  // namespace
