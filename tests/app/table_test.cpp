#include "mainwindowfixture.h"
#include "platform/editcontrol.h"
#include "platform/profile.h"
#include "support/dialoganswer.h"
#include "wizards/tablewizard.h"

#include <QAction>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

namespace {

using TableWiring = MainWindowTest;

TEST_F(TableWiring, TheButtonEditsTheSelectedTable)
{
    TFM_MainForm& form = Start();
    ASSERT_TRUE(form.BT_Table->isEnabled());
    EXPECT_EQ(form.BT_Table->toolTip(), QStringLiteral("Insert a table"));
    form.HTML_WINDOW->SetText(QStringLiteral("<P>\r\n<TABLE Border=1>\r\n<TR><TD>a</TD></TR>\r\n</TABLE>\r\n</P>"));
    const int start = form.HTML_WINDOW->LineIndex(1);
    form.HTML_WINDOW->SetSelection(start, form.HTML_WINDOW->LineIndex(4) - start);
    const DialogAnswer<TFM_SetTable> answer([](TFM_SetTable& wizard) {
        wizard.SROW->setValue(2);
        wizard.SG1->setItem(1, 0, new QTableWidgetItem(QStringLiteral("b")));
        wizard.BitBtn1->click();
    });
    form.BT_Table->click();
    EXPECT_EQ(form.HTML_WINDOW->Text(),
              QStringLiteral("<P>\r\n<TABLE Border=1>\r\n<TR><TD>a</TD></TR>\r\n<TR><TD>b</TD></TR>\r\n</TABLE>\r\n</P>"));
    EXPECT_TRUE(form.Document().DocumentModified());
}

TEST_F(TableWiring, TheContextMenuEntryRunsTheSameCommandAndCancelChangesNothing)
{
    TFM_MainForm& form = Start();
    ASSERT_TRUE(form.PopHTMLItems.MNU_Table->isEnabled());
    form.HTML_WINDOW->SetText(QStringLiteral("text"));
    form.HTML_WINDOW->SetSelection(2);
    const DialogAnswer<TFM_SetTable> cancel([](TFM_SetTable& wizard) { wizard.BitBtn2->click(); });
    form.PopHTMLItems.MNU_Table->trigger();
    EXPECT_EQ(form.HTML_WINDOW->Text(), QStringLiteral("text"));

    // The wizard keeps its rectangle in the program's settings file.
    const DialogAnswer<TFM_SetTable> saveWindow([](TFM_SetTable& wizard) {
        wizard.BT_SaveWin->click();
        wizard.BitBtn1->click();
    });
    form.PopHTMLItems.MNU_Table->trigger();
    EXPECT_TRUE(form.HTML_WINDOW->Text().startsWith(QStringLiteral("te<TABLE Border=1>\r\n")));
    EXPECT_NE(Profile(Path(QStringLiteral("KIVO.INI"))).ReadString(QStringLiteral("Table"), QStringLiteral("Top"), {}),
              QString());
}

}  // namespace
