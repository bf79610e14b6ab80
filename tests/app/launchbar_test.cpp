#include "mainwindowfixture.h"
#include "platform/editcontrol.h"
#include "platform/profile.h"
#include "support/dialoganswer.h"
#include "support/fakeddeserver.h"
#include "support/testfiles.h"
#include "tools/applist.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

class OutsidePrograms : public MainWindowTest {
protected:
    FakeDdeServer dde;
};

TEST_F(OutsidePrograms, BrowserButtonSendsTheSavedDocument)
{
    services.dde = &dde;
    const QString path = Path(QStringLiteral("my page.htm"));
    WriteFile(path, "<HTML></HTML>");
    TFM_MainForm& form = Start();
    ASSERT_TRUE(form.BT_Preview->isEnabled());
    QTest::mouseClick(form.BT_Preview, Qt::LeftButton);
    EXPECT_EQ(prompts.Messages().value(0), QStringLiteral("Please save your file first"));

    form.Document().LoadHtmlFile(path);
    prompts.files.push_back(QStringLiteral("/opt/browsers/firefox"));
    form.MNU_SetBrowser->trigger();
    EXPECT_EQ(form.BrowserPath, QStringLiteral("/opt/browsers/firefox"));
    QTest::mouseClick(form.BT_Preview, Qt::LeftButton);
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started[0].program, QStringLiteral("/opt/browsers/firefox"));
    EXPECT_EQ(starter.started[0].arguments, QStringList{path});

    // The main window hands its DDE client on.
    dde.running = true;
    form.BrowserPath = QStringLiteral("/opt/NETSCAPE.EXE");
    QTest::mouseClick(form.BT_Preview, Qt::LeftButton);
    EXPECT_EQ(dde.requests.size(), 2u);
}

TEST_F(OutsidePrograms, LaunchBarDropsDownUnderTheToolBarAndStartsWithTheDocument)
{
    const QString path = Path(QStringLiteral("a.htm"));
    WriteFile(path, "<HTML></HTML>");
    Profile(Path(QStringLiteral("KIVO.INI")))
        .WriteString(QStringLiteral("Application"), QStringLiteral("PROG2"), QStringLiteral("1,/usr/bin/tool,-x"));
    TFM_MainForm& form = Start();
    form.Document().LoadHtmlFile(path);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    int top = 0;
    const DialogAnswer<TFM_AppList> answer([&top](TFM_AppList& bar) {
        top = bar.frameGeometry().top();
        QTest::mouseClick(bar.SlotButton(2), Qt::LeftButton);
    });
    QTest::mouseClick(form.BT_PullDownAppList, Qt::LeftButton);
    EXPECT_EQ(top, form.PA_ToolBar->mapToGlobal(QPoint(0, form.PA_ToolBar->height())).y());
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started[0].arguments, (QStringList{QStringLiteral("-x"), path}));
}

}  // namespace
