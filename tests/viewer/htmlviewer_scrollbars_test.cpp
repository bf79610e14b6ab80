#include "viewer/viewerscrollbars.h"

#include <gtest/gtest.h>

// Client 400 by 300, bars 16 thick.
namespace {
ScrollBarArrangement Arrange(int docHeight, int scrollWidth, TScrollStyle allowed = TScrollStyle::ssBoth)
{
    return ArrangeScrollBars(400, 300, 16, docHeight, scrollWidth, allowed);
}
} // namespace

TEST(ScrollBarArrangement, ShortNarrowDocumentHasNoBars)
{
    const auto a = Arrange(297, 364);   // below H-2; N = 384 fits beside a vertical bar too
    EXPECT_FALSE(a.Vertical.Visible);
    EXPECT_FALSE(a.Horizontal.Visible);
    EXPECT_EQ(a.Panel, QRect(1, 1, 398, 298));
}

TEST(ScrollBarArrangement, TallDocumentGetsTheVerticalBar)
{
    const auto a = Arrange(298, 100);
    ASSERT_TRUE(a.Vertical.Visible);
    EXPECT_FALSE(a.Horizontal.Visible);
    EXPECT_EQ(a.Panel, QRect(1, 1, 382, 298));
    EXPECT_EQ(a.Vertical.Bounds, QRect(383, 1, 16, 298));
    EXPECT_EQ(a.Vertical.Max, 298);
    EXPECT_EQ(a.Vertical.PageSize, 299);
    EXPECT_EQ(a.Vertical.LargeChange, 282);
}

TEST(ScrollBarArrangement, WideDocumentGetsTheHorizontalBar)
{
    const auto a = Arrange(100, 390);   // N = 410 > 400
    EXPECT_FALSE(a.Vertical.Visible);
    ASSERT_TRUE(a.Horizontal.Visible);
    EXPECT_EQ(a.Panel, QRect(1, 1, 398, 282));
    EXPECT_EQ(a.Horizontal.Bounds, QRect(1, 283, 398, 16));
    EXPECT_EQ(a.Horizontal.Max, 410);
    EXPECT_EQ(a.Horizontal.PageSize, 400);
    EXPECT_EQ(a.Horizontal.LargeChange, 380);
}

TEST(ScrollBarArrangement, EachBarCanCallForTheOther)
{
    // Not tall enough alone, but a horizontal bar would cover the bottom.
    auto a = Arrange(282, 370);   // N = 390 > W - B = 384
    EXPECT_TRUE(a.Vertical.Visible);
    EXPECT_TRUE(a.Horizontal.Visible);
    EXPECT_EQ(a.Panel, QRect(1, 1, 382, 282));
    EXPECT_EQ(a.Vertical.Bounds, QRect(383, 1, 16, 282));
    EXPECT_EQ(a.Horizontal.Bounds, QRect(1, 283, 382, 16));
    EXPECT_EQ(a.Horizontal.Max, 390);
    EXPECT_EQ(a.Vertical.LargeChange, 266);

    // A tall document whose text just fits the narrowed panel also needs both.
    a = Arrange(1000, 370);
    EXPECT_TRUE(a.Horizontal.Visible);
    a = Arrange(1000, 360);   // N = 380 fits in 384
    EXPECT_FALSE(a.Horizontal.Visible);
}

TEST(ScrollBarArrangement, BarsThatAreNotAllowedNeverShow)
{
    auto a = Arrange(5000, 5000, TScrollStyle::ssVertical);
    EXPECT_TRUE(a.Vertical.Visible);
    EXPECT_FALSE(a.Horizontal.Visible);
    EXPECT_EQ(a.Panel.height(), 298);
    a = Arrange(282, 370, TScrollStyle::ssVertical);   // the both-bars rule needs horizontal bars allowed
    EXPECT_FALSE(a.Vertical.Visible);
    a = Arrange(5000, 5000, TScrollStyle::ssNone);
    EXPECT_FALSE(a.Vertical.Visible);
    EXPECT_FALSE(a.Horizontal.Visible);
    EXPECT_EQ(a.Panel, QRect(1, 1, 398, 298));
}
