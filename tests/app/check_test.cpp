#include "app/problemspanel.h"
#include "mainwindowfixture.h"
#include "platform/editcontrol.h"
#include "platform/profile.h"

#include <QAction>
#include <QSplitter>
#include <QTest>
#include <QTreeWidget>

namespace {

class CheckWiring : public MainWindowTest {};

}  // namespace

TEST_F(CheckWiring, CheckPageListsTheProblemsAndShowsEachInTheSource)
{
    TFM_MainForm& form = Start();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.MNU_CheckPage->shortcut(), QKeySequence(Qt::Key_F7));
    EXPECT_FALSE(form.PA_Problems->isVisible());

    const QString text = QStringLiteral("<HTML><HEAD><TITLE>T</TITLE></HEAD><BODY>\r\n"
                                        "<A HREF=\"#nowhere\">x</A>\r\n<FOO>y</FOO>\r\n</BODY></HTML>");
    form.HTML_WINDOW->SetText(text);
    form.TabSet1->setCurrentIndex(1);
    form.MNU_CheckPage->trigger();
    // The list stands below the editor, so the editor page comes back.
    EXPECT_EQ(form.TabSet1->currentIndex(), 0);
    ASSERT_TRUE(form.PA_Problems->isVisible());
    EXPECT_TRUE(form.MNU_ProblemsList->isChecked());
    QTreeWidget* list = form.PA_Problems->List();
    ASSERT_EQ(list->topLevelItemCount(), 4);  // three problems and the counts
    EXPECT_EQ(list->topLevelItem(0)->text(3), QStringLiteral("no bookmark \"nowhere\" in the page"));
    EXPECT_EQ(list->topLevelItem(3)->text(3), QStringLiteral("3 errors, 0 warnings"));

    // Return on the second problem selects its tag in the editor.
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(1));
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(form.HTML_WINDOW->SelText(), QStringLiteral("<FOO>"));
    EXPECT_EQ(form.HTML_WINDOW->SelStart(), int(text.indexOf("<FOO>")));

    // Escape hides the list; the toggle brings it back with what it held.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_FALSE(form.PA_Problems->isVisible());
    EXPECT_FALSE(form.MNU_ProblemsList->isChecked());
    form.MNU_ProblemsList->trigger();
    EXPECT_TRUE(form.PA_Problems->isVisible());
    EXPECT_EQ(list->topLevelItemCount(), 4);

    // Running again refreshes; a clean page says so in one line.
    form.HTML_WINDOW->SetText(QStringLiteral("<HTML><HEAD><TITLE>T</TITLE></HEAD><BODY><P>ok</BODY></HTML>"));
    form.MNU_CheckPage->trigger();
    ASSERT_EQ(list->topLevelItemCount(), 1);
    EXPECT_EQ(list->topLevelItem(0)->text(3), QString::fromLatin1(kNoProblemText));
}

TEST_F(CheckWiring, TheListsHeightIsKeptInTheSettingsFile)
{
    TFM_MainForm& form = Start();
    form.resize(800, 600);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.MNU_CheckPage->trigger();
    auto* splitter = form.findChild<QSplitter*>(QStringLiteral("SP_Problems"));
    ASSERT_NE(splitter, nullptr);
    const int total = splitter->sizes()[0] + splitter->sizes()[1];
    splitter->setSizes({total - 200, 200});
    form.SaveSettings();
    EXPECT_EQ(Profile(form.SettingsPath).ReadString("Editor", "ProblemsHeight", {}), QStringLiteral("200"));

    window.reset();
    Profile(Path("KIVO.INI")).WriteString("Editor", "ProblemsHeight", "180");
    TFM_MainForm& again = Start();
    again.resize(800, 600);
    again.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&again));
    again.MNU_ProblemsList->trigger();
    EXPECT_EQ(again.PA_Problems->height(), 180);
}
