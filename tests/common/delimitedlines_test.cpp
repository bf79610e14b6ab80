#include "common/delimitedlines.h"

#include <gtest/gtest.h>

namespace {

QStringList Split(const QString& text, QChar quote = kTableFileQuote)
{
    QStringList fields{QStringLiteral("left over")};
    SplitDelimitedLine(text, fields, quote);
    return fields;
}

GridCells Grid(const QList<QStringList>& rows)
{
    GridCells grid(rows.isEmpty() ? 0 : static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < rows[row].size(); ++column)
            grid.SetCell(column, row, rows[row][column]);
    return grid;
}

TEST(SplitDelimitedLine, QuotesToggleAndAreDropped)
{
    EXPECT_EQ(Split(QStringLiteral("\"x\",\"y\",\"z\"")), QStringList({"x", "y", "z"}));
    EXPECT_EQ(Split(QStringLiteral("\"a\"\"b\"")), QStringList({"ab"}));
    EXPECT_EQ(Split(QStringLiteral("\"a,b\",c")), QStringList({"a,b", "c"}));
    EXPECT_EQ(Split(QStringLiteral(" a , b ")), QStringList({" a ", " b "}));
    // An unbalanced quote quotes the rest of the line.
    EXPECT_EQ(Split(QStringLiteral("\"a,b")), QStringList({"a,b"}));
}

TEST(SplitDelimitedLine, EndsAndEmptyFields)
{
    EXPECT_EQ(Split(QString()), QStringList());
    EXPECT_EQ(Split(QStringLiteral("a,")), QStringList({"a"}));
    EXPECT_EQ(Split(QStringLiteral(",")), QStringList({""}));
    EXPECT_EQ(Split(QStringLiteral("\"\",\"\"")), QStringList({"", ""}));
    EXPECT_EQ(Split(QStringLiteral("``,``,``"), kUserTagQuote), QStringList({"", "", ""}));
}

TEST(SplitDelimitedLine, QuoteCharacterIsAParameter)
{
    EXPECT_EQ(Split(QStringLiteral("`say \"hi\", then`,x"), kUserTagQuote), QStringList({"say \"hi\", then", "x"}));
    EXPECT_EQ(Split(QStringLiteral("`a`,\"b,c\""), kTableFileQuote), QStringList({"`a`", "b,c"}));
}

TEST(SaveGridRows, OneQuotedLinePerRow)
{
    QStringList lines{QStringLiteral("old")};
    SaveGridRows(lines, Grid({{"x", "y", "z"}, {"", "a,b", ""}}), kTableFileQuote);
    EXPECT_EQ(lines, QStringList({"\"x\",\"y\",\"z\"", "\"\",\"a,b\",\"\""}));
    SaveGridRows(lines, GridCells(3, 1), kUserTagQuote);
    EXPECT_EQ(lines, QStringList({"``,``,``"}));
}

TEST(LoadGridRows, RoundTripKeepsCommasButLosesQuotes)
{
    const GridCells original = Grid({{"a,b", "say \"hi\"", " "}, {"", "x", "1,2,3"}});
    QStringList lines;
    SaveGridRows(lines, original, kTableFileQuote);
    GridCells loaded(1, 1);
    EXPECT_TRUE(LoadGridRows(lines, loaded, kTableFileQuote));
    EXPECT_EQ(loaded, Grid({{"a,b", "say hi", " "}, {"", "x", "1,2,3"}}));

    SaveGridRows(lines, original, kUserTagQuote);
    EXPECT_TRUE(LoadGridRows(lines, loaded, kUserTagQuote));
    EXPECT_EQ(loaded, original);
}

TEST(LoadGridRows, RowsFollowTheLinesAndColumnsOnlyGrow)
{
    GridCells grid = Grid({{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}});
    // An empty line and a short line leave the cells they do not reach.
    EXPECT_TRUE(LoadGridRows({"", "\"x\""}, grid, kTableFileQuote));
    EXPECT_EQ(grid, Grid({{"1", "2", "3"}, {"x", "5", "6"}}));
    EXPECT_TRUE(LoadGridRows({"a,b,c,d,e"}, grid, kTableFileQuote));
    EXPECT_EQ(grid, Grid({{"a", "b", "c", "d", "e"}}));
}

TEST(LoadGridRows, LimitsLeaveOutWhatDoesNotFit)
{
    GridCells grid(1, 1);
    EXPECT_FALSE(LoadGridRows({"a,b,c", "d", "e"}, grid, kTableFileQuote, GridLimits{2, 2}));
    EXPECT_EQ(grid, Grid({{"a", "b"}, {"d", ""}}));
}

TEST(GridCells, ResizeKeepsCellsInside)
{
    GridCells grid = Grid({{"a", "b"}, {"c", "d"}});
    grid.Resize(3, 1);
    EXPECT_EQ(grid, Grid({{"a", "b", ""}}));
    grid.Resize(1, 2);
    EXPECT_EQ(grid, Grid({{"a"}, {""}}));
}

}  // namespace
