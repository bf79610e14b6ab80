#include "editing/replacedialog.h"

#include "support/qtprinters.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QStringList History(const QComboBox& combo)
{
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items << combo.itemText(i);
    return items;
}

// Clicks a button of the dialog once it shows.
void ClickWhenShown(TFM_Replace& dialog, QPushButton* button)
{
    QTimer::singleShot(0, &dialog, [&dialog, button] {
        if (dialog.isVisible())
            button->click();
        else
            ClickWhenShown(dialog, button);
    });
}

TEST(TFM_Replace, StartsWithItsDesignCaptionsAndStates)
{
    TFM_Replace dialog;
    EXPECT_EQ(dialog.Label1->text(), QStringLiteral("&Text to Find:"));
    EXPECT_EQ(dialog.Label1->buddy(), dialog.CB_Find);
    EXPECT_EQ(dialog.LB_Replace->text(), QStringLiteral("&Replace with"));
    EXPECT_EQ(dialog.LB_Replace->buddy(), dialog.CB_Replace);
    EXPECT_EQ(dialog.CHK_Case->text(), QStringLiteral("&Case Sensitive"));
    EXPECT_FALSE(dialog.CHK_Case->isChecked());
    EXPECT_EQ(dialog.CHK_FromTop->text(), QStringLiteral("Search From &Begining"));
    EXPECT_TRUE(dialog.CHK_FromTop->isChecked());
    EXPECT_EQ(dialog.BT_OK->text(), QStringLiteral("Ok"));
    EXPECT_EQ(dialog.BT_ReplaceAll->text(), QStringLiteral("Replace &All"));
    EXPECT_TRUE(dialog.CB_Find->isEditable());
    EXPECT_EQ(dialog.CB_Find->count(), 0);
    EXPECT_TRUE(dialog.CB_Find->currentText().isEmpty());
}

TEST(TFM_Replace, ModesShowTheirControlsAndAnswerByButton)
{
    TFM_Replace dialog;
    ClickWhenShown(dialog, dialog.BT_ReplaceAll);
    EXPECT_EQ(dialog.ShowFindDialog(FindDialogMode::Replace), Answer::Yes);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Replace Text"));
    EXPECT_FALSE(dialog.CB_Replace->isHidden());
    EXPECT_FALSE(dialog.BT_ReplaceAll->isHidden());
    EXPECT_TRUE(dialog.CHK_Prompt->isHidden());

    ClickWhenShown(dialog, dialog.BT_OK);
    EXPECT_EQ(dialog.ShowFindDialog(FindDialogMode::Find), Answer::Ok);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Find Text"));
    EXPECT_TRUE(dialog.CB_Replace->isHidden());
    EXPECT_TRUE(dialog.LB_Replace->isHidden());
    EXPECT_TRUE(dialog.BT_ReplaceAll->isHidden());

    ClickWhenShown(dialog, dialog.BT_Cancel);
    EXPECT_EQ(dialog.ShowFindDialog(FindDialogMode::Find), Answer::Cancel);
}

TEST(TFM_Replace, HistoryKeepsTheMostRecentTextOnTopWithoutDuplicates)
{
    TFM_Replace dialog;
    for (const char* text : {"one", "two", "three", "one", "one", ""}) {
        dialog.CB_Find->setEditText(QString::fromLatin1(text));
        dialog.CB_FindExit();
    }
    EXPECT_EQ(History(*dialog.CB_Find), (QStringList{"one", "three", "two"}));
    EXPECT_EQ(dialog.CB_Find->currentText(), QString());
    dialog.CB_Find->setEditText(QStringLiteral("two"));
    ClickWhenShown(dialog, dialog.BT_OK);  // closing the window keeps the text too
    dialog.ShowFindDialog(FindDialogMode::Find);
    EXPECT_EQ(History(*dialog.CB_Find), (QStringList{"two", "one", "three"}));
    EXPECT_EQ(dialog.CB_Find->currentText(), QStringLiteral("two"));
}

}  // namespace
