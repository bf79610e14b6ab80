#include "wizards/tablegenerator.h"
#include "wizards/tablereader.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

QStringList Row(const GridCells& cells, int row)
{
    QStringList texts;
    for (int column = 0; column < cells.Columns(); ++column)
        texts << cells.Cell(column, row);
    return texts;
}

TableDescription Read(const QStringList& lines, TableFit expected = TableFit::Whole)
{
    TableDescription table;
    EXPECT_EQ(ReadTableLines(lines, table), expected);
    return table;
}

TEST(ReadTagNumber, FindsTheValueWithoutRegardToCase)
{
    const QString line = QStringLiteral("<TABLE Border=1 Width=\"80%\" CELLPADDING=4>");
    EXPECT_EQ(ReadTagNumber(QStringLiteral("border"), line), QStringLiteral("1"));
    EXPECT_EQ(ReadTagNumber(QStringLiteral("Width"), line), QStringLiteral("\"80%\""));
    EXPECT_EQ(ReadTagNumber(QStringLiteral("CellPadding"), line), QStringLiteral("4"));
    EXPECT_EQ(ReadTagNumber(QStringLiteral("Height"), line), QStringLiteral("0"));
    EXPECT_EQ(ReadTagNumber(QStringLiteral("Border"), QStringLiteral("<TABLE Border=>")), QStringLiteral("0"));
    EXPECT_EQ(ReadTagNumber(QStringLiteral("Border"), QStringLiteral("<TABLE Border=12")), QStringLiteral("12"));
    EXPECT_EQ(ReadTagNumber(QStringLiteral("Width"), QStringLiteral("Width=") + QString(80, u'9')),
              QString(50, u'9'));
}

TEST(TakeTagContents, CutsOnePairAndStopsWithoutAClose)
{
    QString line = QStringLiteral("<TR><TD>a</TD><TD>b</TD></TR>");
    EXPECT_EQ(TakeTagContents(line, QStringLiteral("<TD>"), QStringLiteral("</TD>")), QStringLiteral("a"));
    EXPECT_EQ(line, QStringLiteral("<TR><TD>b</TD></TR>"));

    // Without its ">" the opening tag may carry attributes.
    line = QStringLiteral("<CAPTION ALIGN=TOP>Sales</CAPTION>");
    EXPECT_EQ(TakeTagContents(line, QStringLiteral("<CAPTION"), QStringLiteral("</CAPTION>")), QStringLiteral("Sales"));
    EXPECT_EQ(line, QString());

    line = QStringLiteral("<TR><TD>open cell");
    EXPECT_EQ(TakeTagContents(line, QStringLiteral("<TD>"), QStringLiteral("</TD>")), std::nullopt);
    EXPECT_EQ(line, QStringLiteral("<TR><TD>open cell"));
    EXPECT_EQ(TakeTagContents(line, QStringLiteral("<td>"), QStringLiteral("</td>")), std::nullopt);
}

TEST(CollectTagContents, TakesEveryPairInTurn)
{
    QString line = QStringLiteral("<TR><TD>a</TD><TD></TD><TD>c</TD><TD>unfinished</TR>");
    QStringList cells;
    EXPECT_TRUE(CollectTagContents(line, cells, QStringLiteral("<TD>"), QStringLiteral("</TD>")));
    EXPECT_EQ(cells, QStringList({"a", "", "c"}));
    EXPECT_EQ(line, QStringLiteral("<TR><TD>unfinished</TR>"));
    QStringList none;
    EXPECT_FALSE(CollectTagContents(line, none, QStringLiteral("<TH>"), QStringLiteral("</TH>")));
}

TEST(StartsWithTable, OnlyATableTagAtTheVeryStart)
{
    EXPECT_TRUE(StartsWithTable({QStringLiteral("<TABLE Border=1>")}));
    EXPECT_TRUE(StartsWithTable({QStringLiteral("<table border=1>")}));
    EXPECT_FALSE(StartsWithTable({QStringLiteral("  <TABLE>")}));
    EXPECT_FALSE(StartsWithTable({QStringLiteral("\t<TABLE>")}));
    EXPECT_FALSE(StartsWithTable({QStringLiteral("Some text")}));
    EXPECT_FALSE(StartsWithTable({}));
}

TEST(ReadTableLines, HeadingsAndCellsReadBack)
{
    TableDescription table = Read({"<TABLE Border=1>", "<TR><TH>a</TH><TH>b</TH><TH>c</TH></TR>",
                                   "<TR><TH>d</TH><TD>e</TD><TD>f</TD></TR>",
                                   "<TR><TH>g</TH><TD>h</TD><TD>i</TD></TR>", "</TABLE>"});
    EXPECT_EQ(table.headingRows, 1);
    EXPECT_EQ(table.headingColumns, 1);
    EXPECT_EQ(table.cells.Rows(), 3);
    EXPECT_EQ(Row(table.cells, 2), QStringList({"g", "h", "i"}));

    table = Read({"<TABLE Border=1>", "<TR><TH>a</TH><TH>b</TH><TH>c</TH></TR>", "<TR><TD>d</TD><TD>e</TD><TD>f</TD></TR>",
                  "<TR><TD>g</TD><TD>h</TD><TD>i</TD></TR>", "</TABLE>"});
    EXPECT_EQ(table.headingRows, 1);
    EXPECT_EQ(table.headingColumns, 0);
}

TEST(ReadTableLines, HeadingColumnsOfShortTablesAndTallHeadings)
{
    // Two rows only, and three heading rows above data rows: both must read
    // back as written, or OK would turn data cells into headings.
    TableDescription table = Read({"<TABLE>", "<TR><TH>a</TH><TD>b</TD></TR>", "<TR><TH>c</TH><TD>d</TD></TR>", "</TABLE>"});
    EXPECT_EQ(table.headingColumns, 1);
    EXPECT_EQ(table.headingRows, 0);
    table = Read({"<TABLE>", "<TR><TH>1</TH><TH>2</TH></TR>", "<TR><TH>3</TH><TH>4</TH></TR>",
                  "<TR><TH>5</TH><TH>6</TH></TR>", "<TR><TD>7</TD><TD>8</TD></TR>", "</TABLE>"});
    EXPECT_EQ(table.headingRows, 3);
    EXPECT_EQ(table.headingColumns, 0);
}

TEST(ReadTableLines, AttributesAndCaption)
{
    TableDescription table = Read({"<table border=2 width=300 Height=50% cellpadding=4 CELLSPACING=-3>",
                                   "<CAPTION ALIGN=bottom>Sales</CAPTION>", "<TR><TD>x</TD></TR>", "</TABLE>"});
    EXPECT_EQ(table.border, 2);
    EXPECT_EQ(table.width, 300);
    EXPECT_EQ(table.height, 0);  // not a whole number
    EXPECT_EQ(table.cellPadding, 4);
    EXPECT_EQ(table.cellSpacing, 0);
    EXPECT_EQ(table.caption, QStringLiteral("Sales"));
    EXPECT_EQ(table.captionAlignment, CaptionAlignment::Bottom);
    EXPECT_EQ(Row(table.cells, 0), QStringList({"x"}));

    table = Read({"<TABLE>", "<CAPTION>Align=TOP text</CAPTION>", "</TABLE>"});
    EXPECT_EQ(table.captionAlignment, CaptionAlignment::Default);
    EXPECT_EQ(table.caption, QStringLiteral("Align=TOP text"));
    EXPECT_EQ(table.border, 0);

    // A lower-case caption line starts the rows later but gives no text.
    table = Read({"<TABLE>", "<caption align=top>x</caption>", "<TR><TD>y</TD></TR>"});
    EXPECT_EQ(table.captionAlignment, CaptionAlignment::Top);
    EXPECT_EQ(table.caption, QString());
    EXPECT_EQ(Row(table.cells, 0), QStringList({"y"}));
}

TEST(ReadTableLines, ForeignAndUnfinishedRows)
{
    // Cells with attributes or in lower case are not the generator's: skipped.
    TableDescription table = Read({"<TABLE>", "<TR><TD ALIGN=RIGHT>1</TD><td>2</td></TR>", "</TABLE>"});
    EXPECT_EQ(table.cells.Columns(), 1);
    EXPECT_EQ(table.cells.Rows(), 1);
    EXPECT_EQ(Row(table.cells, 0), QStringList({""}));

    table = Read({"<TABLE Border=1>", "<TR><TD>a</TD><TD>b", "</TD></TR>", "<TR><TD>c</TD><TD>d</TD><TD>e</TD></TR>"});
    EXPECT_EQ(table.cells.Rows(), 2);
    EXPECT_EQ(Row(table.cells, 0), QStringList({"a", "", ""}));
    EXPECT_EQ(Row(table.cells, 1), QStringList({"c", "d", "e"}));

    // The table tag alone.
    table = Read({"<TABLE>"});
    EXPECT_EQ(table.cells.Columns(), 1);
    EXPECT_EQ(table.cells.Rows(), 1);
}

TEST(ReadTableLines, LargerTablesAreCutToTheGrid)
{
    QStringList lines{QStringLiteral("<TABLE>")};
    for (int row = 0; row < kMaxTableRows + 5; ++row)
        lines << QStringLiteral("<TR><TD>%1</TD></TR>").arg(row);
    TableDescription table = Read(lines, TableFit::Cut);
    EXPECT_EQ(table.cells.Rows(), kMaxTableRows);
    EXPECT_EQ(table.cells.Cell(0, kMaxTableRows - 1), QString::number(kMaxTableRows - 1));

    table = Read({"<TABLE>", QStringLiteral("<TR>") + QStringLiteral("<TD>x</TD>").repeated(kMaxTableColumns + 1)},
                 TableFit::Cut);
    EXPECT_EQ(table.cells.Columns(), kMaxTableColumns);
}

QString RandomText(QRandomGenerator& random)
{
    static const QString alphabet = QStringLiteral("abcXYZ 019,.;:\"'>&%=-_/");
    QString text;
    const int length = random.bounded(0, 8);
    for (int i = 0; i < length; ++i)
        text += alphabet[random.bounded(static_cast<int>(alphabet.size()))];
    return text;
}

TableDescription RandomTable(QRandomGenerator& random)
{
    TableDescription table;
    table.cells = GridCells(random.bounded(1, 9), random.bounded(1, 9));
    for (int row = 0; row < table.cells.Rows(); ++row)
        for (int column = 0; column < table.cells.Columns(); ++column)
            table.cells.SetCell(column, row, RandomText(random));
    table.caption = random.bounded(3) == 0 ? QString() : RandomText(random);
    table.captionAlignment = static_cast<CaptionAlignment>(random.bounded(3));
    table.headingRows = random.bounded(0, table.cells.Rows() + 2);
    table.headingColumns = random.bounded(0, table.cells.Columns() + 2);
    table.border = random.bounded(0, 4);
    table.width = random.bounded(2) * random.bounded(0, 800);
    table.height = random.bounded(2) * random.bounded(0, 600);
    table.cellPadding = random.bounded(0, 5);
    table.cellSpacing = random.bounded(0, 5);
    return table;
}

TEST(ReadTableLines, GenerateReadBackAndGenerateAgainGivesTheSameLines)
{
    QRandomGenerator random(20261208);
    for (int round = 0; round < 400; ++round) {
        const TableDescription original = RandomTable(random);
        QStringList first;
        MakeTableLines(original, first);
        TableDescription readBack;
        ASSERT_EQ(ReadTableLines(first, readBack), TableFit::Whole);
        QStringList second;
        MakeTableLines(readBack, second);
        ASSERT_EQ(second, first) << "round " << round << ":\n" << first.join(u'\n').toStdString();
        EXPECT_EQ(readBack.cells, original.cells);
    }
}

}  // namespace
