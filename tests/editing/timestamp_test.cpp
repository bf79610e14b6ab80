#include "editing/tagcommands.h"
#include "editing/timestamp.h"
#include "platform/editcontrol.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(TimeStamp, ShortDateAndLongTimeWithoutAZone)
{
    const QDateTime when(QDate(2024, 3, 9), QTime(14, 5, 7));
    EXPECT_EQ(TimeStampText(when, kGerman), QStringLiteral("09.03.24 14:05:07"));
    // The blank before PM differs between locale data versions.
    const QString us = TimeStampText(when, kUs);
    EXPECT_TRUE(us.startsWith(QStringLiteral("3/9/24 2:05:07")) && us.endsWith(QStringLiteral("PM"))) << us.toStdString();
    EXPECT_LE(us.size(), 17);
}

TEST(TimeStamp, AtExactlyMidnightTheDateAlone)
{
    EXPECT_EQ(TimeStampText(QDateTime(QDate(2024, 12, 31), QTime(0, 0)), kGerman), QStringLiteral("31.12.24"));
    EXPECT_EQ(TimeStampText(QDateTime(QDate(2024, 12, 31), QTime(0, 0, 1)), kGerman),
              QStringLiteral("31.12.24 00:00:01"));
}

TEST(TimeStamp, ReplacesTheSelectionAndLeavesTheCaretAfterIt)
{
    EditControl edit;
    edit.SetText(QStringLiteral("at [here]"));
    edit.SetSelection(4, 4);
    const QDateTime midnight(QDate(2024, 1, 2), QTime(0, 0));
    InsertTimeStamp(edit, midnight);
    const QString stamp = TimeStampText(midnight);
    EXPECT_EQ(edit.Text(), QStringLiteral("at [") + stamp + QStringLiteral("]"));
    EXPECT_EQ(edit.SelStart(), 4 + stamp.size());
    EXPECT_EQ(edit.SelLength(), 0);
}

TEST(Undo, TakesBackTypingButNotATagCommand)
{
    EditControl edit;
    edit.SetText(QStringLiteral("word"));
    edit.SetSelection(4);
    edit.ReplaceSelection(QStringLiteral("s"), UndoMode::Allowed);  // typed
    ASSERT_TRUE(edit.CanUndo());
    edit.Undo();
    EXPECT_EQ(edit.Text(), QStringLiteral("word"));
    edit.ReplaceSelection(QStringLiteral("s"), UndoMode::Allowed);
    edit.SetSelection(0, 5);
    InsertTagPair(edit, QStringLiteral("B"));
    edit.Undo();
    EXPECT_EQ(edit.Text(), QStringLiteral("<B>words</B>"));
}

}  // namespace
