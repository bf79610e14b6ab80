#include "viewer/htmlsymbols.h"
#include "viewer/widthattribute.h"

#include <gtest/gtest.h>

namespace {

TAttribute Width(const QString& text)
{
    bool ok = false;
    const int n = QString(text).remove('%').toInt(&ok);
    return TAttribute{TagSymbol::WidthSy, ok ? n : 0, text};
}

// Value, or -1 for none; a trailing "%" when a percentage.
QString Read(const QString& text, WidthRule rule)
{
    const auto width = ReadWidth(Width(text), rule);
    if (!width)
        return "none";
    return QString::number(width->Value) + (width->Percent ? "%" : "");
}

TEST(WidthAttribute, EachElementKeepsItsRangeRule)
{
    for (WidthRule rule : {WidthRule::Cell, WidthRule::Table, WidthRule::HorizontalRule}) {
        EXPECT_EQ(Read("120", rule), "120");
        EXPECT_EQ(Read("50%", rule), "50%");
        EXPECT_EQ(Read("100%", rule), "100%");
    }
    EXPECT_EQ(Read("150%", WidthRule::Cell), "0%");
    EXPECT_EQ(Read("0%", WidthRule::Cell), "0%");
    EXPECT_EQ(Read("-5", WidthRule::Cell), "0");
    EXPECT_EQ(Read("150%", WidthRule::Table), "0");
    EXPECT_EQ(Read("-5", WidthRule::Table), "0");
    EXPECT_EQ(Read("150%", WidthRule::HorizontalRule), "none");
    EXPECT_EQ(Read("0", WidthRule::HorizontalRule), "none");
    EXPECT_EQ(Read("-5%", WidthRule::HorizontalRule), "none");
}

} // namespace
