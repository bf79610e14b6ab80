#include "mainwindowfixture.h"
#include "platform/editcontrol.h"
#include "support/dialoganswer.h"
#include "wizards/bodywizard.h"
#include "wizards/colorgrid.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

class BodyWiring : public MainWindowTest {};

QAction* Item(QMenu& menu, const QString& caption)
{
    for (QAction* item : menu.actions()) {
        if (item->text() == caption)
            return item;
    }
    return nullptr;
}

}  // namespace

TEST_F(BodyWiring, ImageMenuRunsTheBodyWizardAndTheColourCode)
{
    TFM_MainForm& form = Start();
    form.show();
    const QList<QAction*> items = form.PopBT_Image->actions();
    ASSERT_EQ(items.size(), 5);
    EXPECT_EQ(items[2]->text(), "&Picture");
    EXPECT_EQ(items[3]->text(), "&Text and Background");
    EXPECT_EQ(items[4]->text(), "&Color Code");
    // The editor's context menu mirrors them.
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.PopHTMLItems.MNU_Image->actions().size() == 5; }));

    form.HTML_WINDOW->SetText(QStringLiteral("<HTML>\r\n<BODY\r\nTEXT=red>\r\n</BODY>"));
    form.HTML_WINDOW->SetSelection(0);
    const DialogAnswer<TFM_BodyCode> answer([](TFM_BodyCode& wizard) {
        wizard.BGColorGrid->Pick(wizard.BGColorGrid->IndexOf(Qt::white));
        wizard.BitBtn1->click();
    });
    Item(*form.PopHTMLItems.MNU_Image, "&Text and Background")->trigger();
    EXPECT_EQ(form.HTML_WINDOW->Text(), "<HTML>\r\n<BODY TEXT=red BGCOLOR=\"#FFFFFF\" >\r\n</BODY>");

    form.HTML_WINDOW->SetSelection(0);
    prompts.colors = {QColor(0, 0, 0xFF)};
    items[4]->trigger();
    EXPECT_TRUE(form.HTML_WINDOW->Text().startsWith("0000FF<HTML>"));
    EXPECT_TRUE(prompts.Messages().isEmpty());
}
