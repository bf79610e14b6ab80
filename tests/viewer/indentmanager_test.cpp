#include "viewer/htmlimage.h"
#include "viewer/indentmanager.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TImageObj> Floating(ImageAlign align, int width, int height)
{
    auto image = std::make_unique<TImageObj>(nullptr, 0, TAttributeList());
    image->Align = align;
    image->ObjWidth = width;
    image->ObjHeight = height;
    return image;
}

TEST(IndentManager, TwoLeftImagesOneBelowTheOther)
{
    IndentManager m;
    m.Reset(0, 400);
    auto first = Floating(ImageAlign::Left, 50, 20);
    auto second = Floating(ImageAlign::Left, 30, 40);
    m.Update(0, *first);
    EXPECT_EQ(first->DrawLeft, 0);
    EXPECT_EQ(m.LeftIndent(10), 55);
    m.Update(30, *second);
    EXPECT_EQ(second->DrawLeft, 0);
    EXPECT_EQ(m.LeftIndent(40), 35);   // 5 pixels right of the second image
    EXPECT_EQ(m.LeftIndent(71), 0);    // both have ended
    EXPECT_EQ(m.ImageBottom(), 70);
    int clearLeft = 0, clearRight = 0;
    m.GetClearY(clearLeft, clearRight);
    EXPECT_EQ(clearLeft, 71);
    EXPECT_EQ(clearRight, 0);
}

TEST(IndentManager, RightImagesAndEdges)
{
    IndentManager m;
    m.Reset(10, 410);
    auto a = Floating(ImageAlign::Right, 50, 20);
    auto b = Floating(ImageAlign::Right, 30, 20);
    m.Update(0, *a);
    EXPECT_EQ(a->DrawLeft, 360);
    EXPECT_EQ(m.RightSide(5), 355);
    m.Update(5, *b);                    // beside the first one
    EXPECT_EQ(b->DrawLeft, 325);
    EXPECT_EQ(m.RightSide(10), 320);
    EXPECT_EQ(m.RightSide(26), 410);
    EXPECT_EQ(m.LeftIndent(0), 10);
    auto inline_ = Floating(ImageAlign::Bottom, 30, 20);
    m.Update(0, *inline_);              // not floating: nothing changes
    EXPECT_EQ(m.RightSide(0), 320 + 35);
}

TEST(IndentManager, ListLevelsOpenAndClose)
{
    IndentManager m;
    m.Reset(0, 400);
    m.SetLevel(0, 3);
    EXPECT_EQ(m.LeftIndent(0), 105);
    EXPECT_EQ(m.LeftIndent(5000), 105);
    m.SetLevel(100, 1);
    EXPECT_EQ(m.LeftIndent(100), 35);   // the inner indents ended at y - 1
    m.SetLevel(200, 0);
    EXPECT_EQ(m.LeftIndent(200), 0);
    // Closed list indents count as image-like records.
    EXPECT_EQ(m.ImageBottom(), 199);
}

TEST(IndentManager, LevelClearBelowFloats)
{
    IndentManager m;
    m.Reset(0, 400);
    auto image = Floating(ImageAlign::Left, 50, 60);
    m.Update(0, *image);
    m.SetLevel(10, 1);
    EXPECT_EQ(m.LeftIndent(10), 90);    // the list indents from the image's edge
    EXPECT_EQ(m.GetLevelClear(), 1);
    IndentManager n;
    n.Reset(0, 400);
    n.SetLevel(0, 1);
    auto late = Floating(ImageAlign::Left, 50, 60);
    n.Update(10, *late);
    EXPECT_EQ(n.GetLevelClear(), 71);   // below the image beside the item
}

} // namespace
