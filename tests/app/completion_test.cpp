#include "app/mainwindowfixture.h"
#include "editing/codecompletion.h"
#include "platform/editcontrol.h"

#include "support/menuitems.h"

#include <QAction>
#include <QFile>
#include <QTest>

namespace {

using MainWindowCompletion = MainWindowTest;

TEST_F(MainWindowCompletion, AnOptionOnUntilTurnedOffAndKeptInTheFile)
{
    TFM_MainForm& form = Start();
    form.show();
    QAction* item = MenuItem(*form.Options1, QStringLiteral("Code Co&mpletion"));
    ASSERT_TRUE(item && item->isCheckable() && item->isChecked() && item->isEnabled());
    auto* completion = form.HTML_WINDOW->findChild<CodeCompletion*>();
    ASSERT_TRUE(completion && completion->Enabled());

    form.HTML_WINDOW->SetText(QString());
    form.HTML_WINDOW->setFocus();
    QTest::keyClicks(form.HTML_WINDOW, QStringLiteral("<h"));
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(completion->ListShown());
    // Return takes the list's line, not the auto line break's.
    form.MNU_AutoBR->setChecked(true);
    QTest::keyClick(form.HTML_WINDOW, Qt::Key_Return);
    EXPECT_EQ(form.HTML_WINDOW->Text(), "<h1");

    item->trigger();
    EXPECT_FALSE(completion->Enabled());
    form.MNU_SaveSetting->trigger();
    QFile ini(Path(QStringLiteral("KIVO.INI")));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("Completion=0"));
    window.reset();

    TFM_MainForm& again = Start();
    EXPECT_FALSE(MenuItem(*again.Options1, QStringLiteral("Code Co&mpletion"))->isChecked());
    EXPECT_FALSE(again.HTML_WINDOW->findChild<CodeCompletion*>()->Enabled());
}

}  // namespace
