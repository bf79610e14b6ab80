#include "app/windowplacement.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowPlacementTest, AStoredRectangleIsFittedToTheScreenItCoversMost)
{
    const QList<QRect> screens{QRect(0, 0, 1000, 700), QRect(1000, 0, 800, 600)};
    // Whole and on a screen: unchanged.
    EXPECT_EQ(FitOnScreen(QRect(50, 60, 400, 300), screens), QRect(50, 60, 400, 300));
    // Too small, too large, hanging over the edge: kept on the right-hand screen it mostly covers.
    EXPECT_EQ(FitOnScreen(QRect(1500, 550, 10, 5), screens), QRect(1500, 450, 200, 150));
    EXPECT_EQ(FitOnScreen(QRect(1100, -30, 5000, 400), screens), QRect(1000, 0, 800, 400));
    // On no screen at all.
    EXPECT_EQ(FitOnScreen(QRect(-900, -900, 300, 300), screens), std::nullopt);
    EXPECT_EQ(FitOnScreen(QRect(10, 10, 300, 300), {}), std::nullopt);
}

}  // namespace
