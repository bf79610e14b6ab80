#include "viewer/htmlcolor.h"

#include <gtest/gtest.h>

TEST(HtmlColor, ReadsHexAndNamesInAnyCaseAndLeavesTheRestAlone)
{
    const std::pair<const char*, QColor> read[] = {
        {"#FF8000", QColor(255, 128, 0)}, {"ff8000", QColor(255, 128, 0)}, {"#aBc", QColor(0, 10, 188)},
        {"Navy", QColor(0, 0, 128)}, {"SILVER", QColor(192, 192, 192)}, {" #00FF00 ", QColor(0, 255, 0)},
        {"\u017Filver", QColor(192, 192, 192)},   // upper-cases to SILVER
    };
    for (const auto& [text, expected] : read) {
        QColor color;
        EXPECT_TRUE(ParseHtmlColor(QString::fromUtf8(text), color)) << text;
        EXPECT_EQ(color, expected) << text;
    }
    for (const char* text : {"", "#", "#GG0000", "reddish"}) {
        QColor color(1, 2, 3);
        EXPECT_FALSE(ParseHtmlColor(QString::fromUtf8(text), color)) << text;
        EXPECT_EQ(color, QColor(1, 2, 3)) << text;
    }
}
