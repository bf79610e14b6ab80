#include "platform/profile.h"
#include "tools/dirbarlayout.h"
#include "tools/dirbtnwindow.h"
#include "tools/dirslots.h"

#include "support/scriptedprompts.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

class DirBar : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        settingsPath = folder.filePath(QStringLiteral("KIVO.INI"));
        for (int i = 0; i < kDirSlotCount; ++i) {
            auto* button = new QPushButton(&bar);
            button->setGeometry(5 + 95 * i, 3, 95, 25);
            buttons.push_back(button);
        }
        configButton = new QToolButton(&bar);
        configButton->setGeometry(300, 3, 25, 25);
    }

    QStringList Visible() const
    {
        QStringList shown;
        for (QAbstractButton* button : buttons) {
            if (!button->isHidden())
                shown << QStringLiteral("%1@%2").arg(button->text()).arg(button->x());
        }
        return shown;
    }

    QTemporaryDir folder;
    QString settingsPath;
    QWidget bar;
    std::vector<QAbstractButton*> buttons;
    QToolButton* configButton = nullptr;
};

TEST_F(DirBar, NoDirectorySectionShowsNoButtons)
{
    Profile(settingsPath).WriteString(QStringLiteral("Editor"), QStringLiteral("ShowDir"), QStringLiteral("1"));
    const DirSlots dirSlots = ReadDirBar(settingsPath);
    EXPECT_EQ(dirSlots, DirSlots{});
    LayoutDirBar(dirSlots, buttons, *configButton);
    EXPECT_TRUE(Visible().isEmpty());
    EXPECT_EQ(configButton->x(), 10);
}

TEST_F(DirBar, GapsKeepPlacesAndTheConfigButtonFollowsTheLastButton)
{
    const Profile profile(settingsPath);
    profile.WriteString(QStringLiteral("Directory"), QStringLiteral("Button0"), QStringLiteral("/web/index.htm,Home,0"));
    profile.WriteString(QStringLiteral("Directory"), QStringLiteral("Button1"), QStringLiteral("/web/x.htm, ,0"));
    profile.WriteString(QStringLiteral("Directory"), QStringLiteral("Button2"), QStringLiteral("news.htm,News,1"));
    const DirSlots dirSlots = ReadDirBar(settingsPath);
    EXPECT_EQ(dirSlots[2], (DirSlot{QStringLiteral("News"), QStringLiteral("news.htm"), true}));
    LayoutDirBar(dirSlots, buttons, *configButton);
    EXPECT_EQ(Visible(), (QStringList{QStringLiteral("Home@5"), QStringLiteral("News@195")}));
    EXPECT_EQ(buttons[0]->toolTip(), QStringLiteral("Open \"/web/index.htm\""));
    // Not at 5 + 95 + 95 + 5, which would cover half of "News".
    EXPECT_EQ(configButton->x(), 295);

    // Emptied again, the bar shrinks back.
    LayoutDirBar(DirSlots{}, buttons, *configButton);
    EXPECT_TRUE(Visible().isEmpty());
    EXPECT_EQ(configButton->x(), 10);
}

TEST_F(DirBar, WritesAllSlotsAndLosesEntriesWithACommaOrAMissingField)
{
    DirSlots dirSlots;
    dirSlots[0] = {QStringLiteral("Mine, yours"), QStringLiteral("/web/a.htm"), false};
    dirSlots[1] = {QStringLiteral("Plain"), QStringLiteral("/web/b.htm"), true};
    WriteDirBar(settingsPath, dirSlots);
    const Profile profile(settingsPath);
    EXPECT_EQ(profile.SectionKeys(QStringLiteral("Directory")).size(), kDirSlotCount);
    EXPECT_EQ(profile.ReadString(QStringLiteral("Directory"), QStringLiteral("Button0"), {}),
              QStringLiteral("/web/a.htm,Mine, yours,0"));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Directory"), QStringLiteral("Button6"), {}), QStringLiteral(",,0"));

    const DirSlots read = ReadDirBar(settingsPath);
    EXPECT_EQ(read[0], DirSlot{});
    EXPECT_EQ(read[1], dirSlots[1]);
    EXPECT_EQ(ParseDirSlotValue(QStringLiteral("/web/a.htm,Two")), DirSlot{});
}

TEST_F(DirBar, OpensInTheProgramFolderOnlyWhenFlaggedAndNothingWithoutAFile)
{
    QStringList loaded;
    const auto load = [&](const QString& path) { loaded << path; };
    OpenDirSlot(DirSlot{QStringLiteral("Home"), QStringLiteral("index.htm"), true}, QStringLiteral("/opt/kivo"), load);
    OpenDirSlot(DirSlot{QStringLiteral("Web"), QStringLiteral("/web/a b.htm"), false}, QStringLiteral("/opt/kivo"), load);
    OpenDirSlot(DirSlot{QStringLiteral("Empty"), QStringLiteral(" "), true}, QStringLiteral("/opt/kivo"), load);
    EXPECT_EQ(loaded, (QStringList{QStringLiteral("/opt/kivo/index.htm"), QStringLiteral("/web/a b.htm")}));
}

class DirBtnWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        dirSlots[0] = {QStringLiteral("Home"), QStringLiteral("/web/index.htm"), false};
        dirSlots[3] = {QStringLiteral("Four"), QStringLiteral("four.htm"), true};
        window = std::make_unique<TFM_DirBtn>(dirSlots, prompts);
        window->show();
    }

    DirSlots dirSlots;
    ScriptedPrompts prompts;
    std::unique_ptr<TFM_DirBtn> window;
};

TEST_F(DirBtnWindow, SwitchingSlotsAppliesTheFieldsAndClosingDropsUnappliedTyping)
{
    // Clicking the selected button again leaves it down.
    QTest::mouseClick(window->SlotButton(0), Qt::LeftButton);
    EXPECT_TRUE(window->SlotButton(0)->isChecked());
    window->ED_Capt->setText(QStringLiteral("Start"));
    QTest::mouseClick(window->SlotButton(3), Qt::LeftButton);
    EXPECT_EQ(dirSlots[0].caption, QStringLiteral("Start"));
    EXPECT_EQ(window->SlotButton(0)->text(), QStringLiteral("Start"));
    EXPECT_EQ(window->SelectedSlot(), 3);
    EXPECT_TRUE(window->SlotButton(3)->isChecked());
    EXPECT_FALSE(window->SlotButton(0)->isChecked());
    EXPECT_EQ(window->ED_HTML->text(), QStringLiteral("four.htm"));
    EXPECT_TRUE(window->CHK_LOCAL->isChecked());

    window->ED_Capt->setText(QStringLiteral("Typed only"));
    QTest::mouseClick(window->BitBtn1, Qt::LeftButton);
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(dirSlots[3].caption, QStringLiteral("Four"));
}

TEST_F(DirBtnWindow, ApplyInTheProgramFolderKeepsOnlyTheFileName)
{
    window->ED_HTML->setText(QStringLiteral("/home/me/site/main page.htm"));
    window->CHK_LOCAL->setChecked(true);
    QTest::mouseClick(window->BT_APPLY, Qt::LeftButton);
    EXPECT_EQ(dirSlots[0], (DirSlot{QStringLiteral("Home"), QStringLiteral("main page.htm"), true}));
    EXPECT_EQ(window->ED_HTML->text(), QStringLiteral("main page.htm"));
    EXPECT_EQ(DirSlotPath(dirSlots[0], QStringLiteral("/opt/kivo")), QStringLiteral("/opt/kivo/main page.htm"));
}

TEST_F(DirBtnWindow, ReturnInAFieldAppliesInsteadOfBrowsing)
{
    window->ED_Capt->setText(QStringLiteral("Start"));
    QTest::keyClick(window->ED_Capt, Qt::Key_Return);
    EXPECT_EQ(dirSlots[0].caption, QStringLiteral("Start"));
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(DirBtnWindow, BrowseFillsTheFieldWithoutApplying)
{
    prompts.files.push_back(QStringLiteral("/web/new.htm"));
    prompts.files.push_back(std::nullopt);
    QTest::mouseClick(window->Button1, Qt::LeftButton);
    EXPECT_EQ(prompts.asked.back().file.fileName, QStringLiteral("/web/index.htm"));
    EXPECT_EQ(window->ED_HTML->text(), QStringLiteral("/web/new.htm"));
    EXPECT_EQ(dirSlots[0].htmlFile, QStringLiteral("/web/index.htm"));
    QTest::mouseClick(window->Button1, Qt::LeftButton);
    EXPECT_EQ(window->ED_HTML->text(), QStringLiteral("/web/new.htm"));
}

}  // namespace
