#include "platform/profile.h"
#include "tools/applist.h"
#include "tools/toolservices.h"

#include "support/fakeddeserver.h"
#include "support/recordingstarter.h"
#include "support/scriptedprompts.h"

#include <QCheckBox>
#include <QFile>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

class AppBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        settingsPath = folder.filePath(QStringLiteral("KIVO.INI"));
        program = folder.filePath(QStringLiteral("viewer"));
        QFile file(program);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }

    void Store(int slot, const QString& value)
    {
        Profile(settingsPath).WriteString(QStringLiteral("Application"), QStringLiteral("PROG%1").arg(slot), value);
    }
    QString Stored(int slot) const
    {
        return Profile(settingsPath).ReadString(QStringLiteral("Application"), QStringLiteral("PROG%1").arg(slot), QString());
    }

    TFM_AppList& Open(const QString& currentFile = QStringLiteral("/web/a.htm"))
    {
        bar = std::make_unique<TFM_AppList>(settingsPath, currentFile, services);
        bar->show();
        return *bar;
    }

    QTemporaryDir folder;
    QString settingsPath;
    QString program;
    ScriptedPrompts prompts;
    RecordingStarter starter;
    FakeDdeServer dde;
    ToolServices services{prompts, starter, dde};
    std::unique_ptr<TFM_AppList> bar;
};

TEST_F(AppBar, LaunchModeShowsEightButtonsWithIconsOnlyForExistingPrograms)
{
    Store(1, QStringLiteral("1,") + program + QStringLiteral(",-r"));
    Store(2, QStringLiteral("0,/no/such/program,"));
    Store(3, QStringLiteral("no comma here"));
    TFM_AppList& list = Open();
    EXPECT_EQ(list.Mode(), AppBarMode::Launch);
    EXPECT_TRUE(list.PA_AppInfo->isHidden());
    EXPECT_EQ(list.width(), list.PA_APPS->width());
    EXPECT_FALSE(list.SlotButton(1)->icon().isNull());
    EXPECT_TRUE(list.SlotButton(2)->icon().isNull());
    EXPECT_TRUE(list.SlotButton(3)->icon().isNull());
    EXPECT_EQ(list.SlotButton(1)->toolTip(), program);
    // The hidden fields already hold slot 1.
    EXPECT_EQ(list.ED_Param->text(), QStringLiteral("-r"));
    EXPECT_EQ(list.SelectedSlot(), 1);
}

TEST_F(AppBar, LaunchingClosesTheBarAndAnEmptySlotKeepsItOpen)
{
    Store(1, QStringLiteral("1,") + program + QStringLiteral(",-r"));
    TFM_AppList& list = Open();
    QTest::mouseClick(list.SlotButton(5), Qt::LeftButton);
    EXPECT_EQ(prompts.Messages(), QStringList{QStringLiteral("No program is assigned to this button.")});
    EXPECT_TRUE(list.isVisible());

    QTest::mouseClick(list.SlotButton(1), Qt::LeftButton);
    EXPECT_FALSE(list.isVisible());
    EXPECT_EQ(list.result(), QDialog::Accepted);
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started[0].arguments, (QStringList{QStringLiteral("-r"), QStringLiteral("/web/a.htm")}));
}

TEST_F(AppBar, ConfigureWidensAndSelectsLikeRadioButtons)
{
    TFM_AppList& list = Open();
    QTest::mouseClick(list.BT_Config, Qt::LeftButton);
    EXPECT_EQ(list.Mode(), AppBarMode::Configure);
    EXPECT_FALSE(list.PA_AppInfo->isHidden());
    EXPECT_FALSE(list.BT_Config->isEnabled());
    EXPECT_GT(list.width(), list.PA_APPS->width() + list.PA_AppInfo->width() - 1);
    EXPECT_TRUE(list.SlotButton(1)->isChecked());
    QTest::mouseClick(list.SlotButton(6), Qt::LeftButton);
    QTest::mouseClick(list.SlotButton(6), Qt::LeftButton);
    EXPECT_TRUE(list.SlotButton(6)->isChecked());
    EXPECT_FALSE(list.SlotButton(1)->isChecked());
    EXPECT_EQ(list.SelectedSlot(), 6);
    // Clicking no longer starts anything.
    EXPECT_TRUE(starter.started.empty());
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(AppBar, EditsReachTheSlotOnSwitchingAndTheFileOnlyThroughOk)
{
    Store(3, QStringLiteral("1,/bin/old,"));
    TFM_AppList& list = Open();
    list.BT_ConfigClick();
    QTest::keyClicks(list.ED_Prgname, program);
    list.ED_Param->setText(QStringLiteral("-v"));
    list.CHK_Pass->setChecked(false);
    QTest::mouseClick(list.SlotButton(3), Qt::LeftButton);
    EXPECT_EQ(list.Slots()[0], (AppSlot{program, QStringLiteral("-v"), false}));
    EXPECT_FALSE(list.SlotButton(1)->icon().isNull());
    EXPECT_EQ(list.ED_Prgname->text(), QStringLiteral("/bin/old"));
    EXPECT_TRUE(list.CHK_Pass->isChecked());

    // Slot 3 cleared: its entry stays in the file.
    list.ED_Prgname->clear();
    QTest::mouseClick(list.BT_Ok, Qt::LeftButton);
    EXPECT_EQ(list.result(), QDialog::Accepted);
    EXPECT_EQ(Stored(1), QStringLiteral("0,") + program + QStringLiteral(",-v"));
    EXPECT_EQ(Stored(3), QStringLiteral("1,/bin/old,"));
}

TEST_F(AppBar, OnlyTheFlagIsAppliedWhenTheFieldsWereNotEdited)
{
    Store(1, QStringLiteral("1,/bin/one,-a"));
    TFM_AppList& list = Open();
    list.BT_ConfigClick();
    list.CHK_Pass->setChecked(false);
    list.BT_ApplyClick();
    EXPECT_EQ(list.Slots()[0], (AppSlot{QStringLiteral("/bin/one"), QStringLiteral("-a"), false}));
    EXPECT_TRUE(list.SlotButton(1)->isChecked());
}

TEST_F(AppBar, CancelWritesNothing)
{
    TFM_AppList& list = Open();
    list.BT_ConfigClick();
    list.ED_Prgname->setText(program);
    list.BT_ApplyClick();
    QTest::mouseClick(list.BT_Cancel, Qt::LeftButton);
    EXPECT_EQ(list.result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(settingsPath));
}

TEST_F(AppBar, BrowsingForTheProgramAppliesAndForTheParameterQuotes)
{
    TFM_AppList& list = Open();
    list.BT_ConfigClick();
    list.ED_Prgname->setText(folder.filePath(QStringLiteral("old/tool")));
    prompts.files.push_back(program);
    QTest::mouseClick(list.BT_FileOpen, Qt::LeftButton);
    // The old folder is gone: the dialog opens at its usual place.
    EXPECT_TRUE(prompts.asked.back().file.initialFolder.isEmpty());
    EXPECT_EQ(list.Slots()[0].program, program);
    EXPECT_FALSE(list.SlotButton(1)->icon().isNull());

    prompts.files.push_back(program);
    QTest::mouseClick(list.BT_FileOpen, Qt::LeftButton);
    EXPECT_EQ(prompts.asked.back().file.initialFolder, folder.path());

    prompts.files.push_back(QStringLiteral("/web/my page.htm"));
    QTest::mouseClick(list.BT_Param, Qt::LeftButton);
    EXPECT_EQ(list.ED_Param->text(), QStringLiteral("\"/web/my page.htm\""));
    EXPECT_TRUE(list.Slots()[0].parameters.isEmpty());
    list.BT_ApplyClick();
    EXPECT_EQ(list.Slots()[0].parameters, QStringLiteral("\"/web/my page.htm\""));
}

}  // namespace

