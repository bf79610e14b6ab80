#include "wizards/tablegenerator.h"

#include <gtest/gtest.h>

namespace {

TableDescription Table(const QList<QStringList>& rows)
{
    TableDescription table;
    table.cells = GridCells(static_cast<int>(rows.front().size()), static_cast<int>(rows.size()));
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < rows[row].size(); ++column)
            table.cells.SetCell(column, row, rows[row][column]);
    return table;
}

QStringList Lines(const TableDescription& table)
{
    QStringList lines{QStringLiteral("left over")};
    MakeTableLines(table, lines);
    return lines;
}

TEST(MakeTableLines, DefaultTableIsThreeByThreeWithBorderOne)
{
    const QString emptyRow = QStringLiteral("<TR><TD></TD><TD></TD><TD></TD></TR>");
    EXPECT_EQ(Lines(TableDescription{}), QStringList({"<TABLE Border=1>", emptyRow, emptyRow, emptyRow, "</TABLE>"}));
}

TEST(MakeTableLines, AttributesInTheirOrderOnlyWhenAboveZero)
{
    TableDescription table;
    table.border = 0;
    EXPECT_EQ(Lines(table).front(), QStringLiteral("<TABLE>"));
    table.border = 2;
    table.width = 300;
    table.height = 200;
    table.cellPadding = 4;
    table.cellSpacing = 5;
    EXPECT_EQ(Lines(table).front(), QStringLiteral("<TABLE Border=2 Width=300 Height=200 CELLPADDING=4 CELLSPACING=5>"));
    table.width = -7;
    table.cellPadding = 0;
    EXPECT_EQ(Lines(table).front(), QStringLiteral("<TABLE Border=2 Height=200 CELLSPACING=5>"));
}

TEST(MakeTableLines, HeadingRowsAndColumns)
{
    TableDescription table = Table({{"A", "B"}, {"1", "2"}});
    table.headingRows = 1;
    EXPECT_EQ(Lines(table), QStringList({"<TABLE Border=1>", "<TR><TH>A</TH><TH>B</TH></TR>",
                                         "<TR><TD>1</TD><TD>2</TD></TR>", "</TABLE>"}));

    table = Table({{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}});
    table.headingRows = 1;
    table.headingColumns = 1;
    EXPECT_EQ(Lines(table), QStringList({"<TABLE Border=1>", "<TR><TH>a</TH><TH>b</TH><TH>c</TH></TR>",
                                         "<TR><TH>d</TH><TD>e</TD><TD>f</TD></TR>",
                                         "<TR><TH>g</TH><TD>h</TD><TD>i</TD></TR>", "</TABLE>"}));
}

TEST(MakeTableLines, CaptionWithItsAlignment)
{
    TableDescription table = Table({{"x"}});
    table.caption = QStringLiteral("Sales > costs");
    EXPECT_EQ(Lines(table)[1], QStringLiteral("<CAPTION>Sales > costs</CAPTION>"));
    table.captionAlignment = CaptionAlignment::Top;
    EXPECT_EQ(Lines(table)[1], QStringLiteral("<CAPTION ALIGN=TOP>Sales > costs</CAPTION>"));
    table.captionAlignment = CaptionAlignment::Bottom;
    EXPECT_EQ(Lines(table)[1], QStringLiteral("<CAPTION ALIGN=BOTTOM>Sales > costs</CAPTION>"));
    table.caption.clear();
    EXPECT_EQ(Lines(table), QStringList({"<TABLE Border=1>", "<TR><TD>x</TD></TR>", "</TABLE>"}));
}

TEST(MakeTableLines, TextIsWrittenAsTyped)
{
    const TableDescription table = Table({{"<B>%1 & %2</B>", " "}});
    EXPECT_EQ(Lines(table)[1], QStringLiteral("<TR><TD><B>%1 & %2</B></TD><TD> </TD></TR>"));
    EXPECT_EQ(WrapInTag(QStringLiteral("%1"), QStringLiteral("TR")), QStringLiteral("<TR>%1</TR>"));
}

}  // namespace
