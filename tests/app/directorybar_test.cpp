#include "mainwindowfixture.h"
#include "platform/editcontrol.h"
#include "platform/profile.h"
#include "support/dialoganswer.h"
#include "support/testfiles.h"
#include "tools/dirbtnwindow.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

class DirectoryBar : public MainWindowTest {
protected:
    void Directory(int slot, const QString& value)
    {
        Profile(Path(QStringLiteral("KIVO.INI")))
            .WriteString(QStringLiteral("Directory"), QStringLiteral("Button%1").arg(slot), value);
    }
};

TEST_F(DirectoryBar, DirectoryButtonsFromTheSettingsOpenTheirFiles)
{
    WriteFile(Path(QStringLiteral("home.htm")), "<HTML>home</HTML>");
    Directory(0, QStringLiteral("home.htm,Home,1"));
    Directory(1, QStringLiteral("%1,Gone,0").arg(Path(QStringLiteral("gone.htm"))));
    TFM_MainForm& form = Start();
    EXPECT_FALSE(form.DirButtons[0]->isHidden());
    EXPECT_EQ(form.DirButtons[1]->text(), QStringLiteral("Gone"));
    EXPECT_TRUE(form.DirButtons[2]->isHidden());
    EXPECT_EQ(form.BT_CfgDirBtn->x(), 5 + 95 + 95 + 5);

    QTest::mouseClick(form.DirButtons[0], Qt::LeftButton);
    EXPECT_EQ(form.Document().DocumentFileName(), Path(QStringLiteral("home.htm")));
    EXPECT_EQ(form.HTML_WINDOW->Text(), QStringLiteral("<HTML>home</HTML>"));

    QTest::mouseClick(form.DirButtons[1], Qt::LeftButton);
    EXPECT_EQ(prompts.Messages(), QStringList{QStringLiteral("Cannot open file %1").arg(Path(QStringLiteral("gone.htm")))});
    EXPECT_EQ(form.Document().DocumentFileName(), Path(QStringLiteral("home.htm")));
    EXPECT_FALSE(form.DirButtons[1]->isHidden());
}

TEST_F(DirectoryBar, ConfiguringTheBarWritesTheSlotsAndShowsTheNewButton)
{
    TFM_MainForm& form = Start();
    EXPECT_EQ(form.BT_CfgDirBtn->x(), 10);
    const DialogAnswer<TFM_DirBtn> answer([](TFM_DirBtn& window) {
        window.ED_Capt->setText(QStringLiteral("Docs"));
        window.ED_HTML->setText(QStringLiteral("/web/docs.htm"));
        QTest::mouseClick(window.BT_APPLY, Qt::LeftButton);
        QTest::mouseClick(window.BitBtn1, Qt::LeftButton);
    });
    form.MNU_SetDir->trigger();
    EXPECT_EQ(form.DirButtons[0]->text(), QStringLiteral("Docs"));
    EXPECT_EQ(form.DirButtons[0]->toolTip(), QStringLiteral("Open \"/web/docs.htm\""));
    EXPECT_FALSE(form.DirButtons[0]->isHidden());
    EXPECT_EQ(form.BT_CfgDirBtn->x(), 105);
    const Profile profile(Path(QStringLiteral("KIVO.INI")));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Directory"), QStringLiteral("Button0"), {}),
              QStringLiteral("/web/docs.htm,Docs,0"));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Directory"), QStringLiteral("Button6"), {}), QStringLiteral(",,0"));
}

TEST_F(DirectoryBar, ShowDirectoryBarTogglesTheBarAndHiddenConfigButtonStaysHidden)
{
    Profile profile(Path(QStringLiteral("KIVO.INI")));
    profile.WriteString(QStringLiteral("Editor"), QStringLiteral("HIDECFGBTN"), QStringLiteral("1"));
    TFM_MainForm& form = Start();
    EXPECT_TRUE(form.BT_CfgDirBtn->isHidden());
    EXPECT_TRUE(form.MNU_DirBtn->isChecked());
    form.MNU_DirBtn->trigger();
    EXPECT_TRUE(form.PA_DIRBTN->isHidden());
    form.MNU_DirBtn->trigger();
    EXPECT_FALSE(form.PA_DIRBTN->isHidden());
}

}  // namespace
