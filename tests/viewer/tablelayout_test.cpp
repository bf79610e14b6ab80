// Tables on the fake canvas (8-pixel characters, 16-pixel lines). Without
// attributes a cell has padding 2 and spacing 3, so its content has 7 pixels
// of slack.
#include "viewertestutil.h"

#include "viewer/htmltable.h"

#include <gtest/gtest.h>

namespace {

struct TablePage : LaidOutPage {
    using LaidOutPage::LaidOutPage;
    ThtmlTable& Table(int n = 0)
    {
        for (int i = 0; i < Doc().Count(); ++i)
            if (auto* t = dynamic_cast<ThtmlTable*>(Doc()[i]); t && n-- == 0)
                return *t;
        throw std::runtime_error("no table");
    }
};

TEST(TableLayout, ColumnSpanFillsThreeOfFourColumns)
{
    TablePage p("<TABLE><TR><TD>a<TD>bb<TD>ccc<TD>d<TR><TD COLSPAN=3>span<TD>e</TABLE>");
    ThtmlTable& t = p.Table();
    EXPECT_EQ(t.NumCols, 4);
    ASSERT_EQ(t.Rows[1].size(), 4u);
    EXPECT_EQ(t.Rows[1][1]->ColSpan, 0);
    EXPECT_EQ(t.Widths, (std::vector<int>{15, 23, 31, 15}));
    EXPECT_EQ(t.Rows[1][0]->Width, 15 + 23 + 31);
    EXPECT_EQ(t.TableWidth, 3 + 15 + 23 + 31 + 15);
}

TEST(TableLayout, RowSpanIsCutToTheRowsThatRemain)
{
    TablePage p("<TABLE><TR><TD ROWSPAN=5>x<TD>a<TR><TD>b</TABLE>");
    ThtmlTable& t = p.Table();
    EXPECT_EQ(t.Rows[0][0]->RowSpan, 2);
    ASSERT_EQ(t.Rows[1].size(), 2u);
    EXPECT_EQ(t.Rows[1][0]->ColSpan, 0);   // the filler stands in the spanned column
    EXPECT_EQ(t.NumCols, 2);
    EXPECT_EQ(t.Rows[0][0]->Height, t.RowHeights[0] + t.RowHeights[1]);
}

TEST(TableLayout, PercentColumnsShareInTheirRatio)
{
    TablePage narrow("<TABLE><TR><TD WIDTH=30%>a<TD WIDTH=70%>b</TABLE>");
    EXPECT_EQ(narrow.Table().Widths, (std::vector<int>{15, 35}));
    TablePage full("<TABLE WIDTH=100%><TR><TD WIDTH=30%>a<TD WIDTH=70%>b</TABLE>");
    EXPECT_EQ(full.Table().Widths, (std::vector<int>{397 * 30 / 100, 397 * 70 / 100}));
}

TEST(TableLayout, PixelWidthAndAbsoluteColumns)
{
    TablePage p("<TABLE WIDTH=200><TR><TD>a<TD>b</TABLE>");
    EXPECT_EQ(p.Table().Widths, (std::vector<int>{98, 98}));
    TablePage abs("<TABLE><TR><TD WIDTH=100>fixed<TD>rest</TABLE>");
    EXPECT_TRUE(abs.Table().AbsoluteWidths);
    EXPECT_EQ(abs.Table().Widths, (std::vector<int>{100, 397 - 100}));
}

TEST(TableLayout, CentredAndRightAlignedNarrowTables)
{
    TablePage centred("<TABLE ALIGN=center><TR><TD>abc</TABLE>");
    EXPECT_EQ(centred.Table().TableWidth, 34);
    EXPECT_EQ(centred.Table().Indent, (400 - 34) / 2);
    TablePage right("<TABLE ALIGN=RIGHT><TR><TD>abc</TABLE>");
    EXPECT_EQ(right.Table().Indent, 400 - 34);
    TablePage inCenter("<CENTER><TABLE><TR><TD>abc</TABLE></CENTER>");
    EXPECT_EQ(inCenter.Table().Indent, (400 - 34) / 2);
}

TEST(TableLayout, PaddingAndSpacingLimits)
{
    TablePage p("<TABLE CELLPADDING=100 CELLSPACING=0><TR><TD>x</TABLE>");
    ThtmlTable& t = p.Table();
    EXPECT_EQ(t.CellPadding, 50);
    EXPECT_EQ(t.CellSpacing, 1);
    EXPECT_EQ(t.CellContentX(0), 51);
    EXPECT_EQ(t.RowHeights[0], 16 + 2 * 50 + 1);
    auto* s = dynamic_cast<TSection*>((*t.Rows[0][0]->Cell)[0]);
    EXPECT_EQ(s->YValue, 51);
}

TEST(TableLayout, CaptionWiderThanTheTableAndEmptyCells)
{
    TablePage p("<TABLE><CAPTION>captions</CAPTION><TR><TD><TD>x</TABLE>after");
    ThtmlTable& t = p.Table();
    EXPECT_EQ(t.Widths, (std::vector<int>{7, 15}));
    EXPECT_EQ(t.TableWidth, 25);
    EXPECT_EQ(t.CaptionWidth, 64);
    EXPECT_EQ(t.BodyIndent, (64 - 25) / 2);
    EXPECT_EQ(t.TopCaptionHeight, 16);
    EXPECT_EQ(t.RowHeights[0], 16 + 7);
    EXPECT_EQ(t.DrawHeight, 16 + 23 + 3);
    EXPECT_EQ(p.SectionWith("after")->YValue, t.DrawHeight);
}

TEST(TableLayout, NestedTableWidthsAndPositions)
{
    TablePage p("<TABLE><TR><TD>outer<TABLE><TR><TD>in<TD>ner</TABLE></TABLE>tail");
    ThtmlTable& outer = p.Table();
    auto* inner = dynamic_cast<ThtmlTable*>((*outer.Rows[0][0]->Cell)[1]);
    ASSERT_TRUE(inner);
    EXPECT_EQ(inner->TableWidth, 3 + 23 + 31);
    EXPECT_EQ(outer.Widths[0], 57 + 7);
    // Character positions run through the cells in reading order.
    EXPECT_EQ(p.Doc().FindString(0, "ner", MatchCase::Yes), 7);
    int x = 0, y = 0;
    EXPECT_TRUE(p.Doc().CursorToXY(p.canvas, 7, x, y));
    EXPECT_EQ(x, 5 + 3 + 2 + 23);
    EXPECT_EQ(y, 5 + 16 + 5);
    p.Doc().SelStart = 0;
    p.Doc().SelEnd = 100;
    EXPECT_EQ(p.Doc().SelectedText(), "outer\r\nin\r\nner\r\ntail\r\n");
}

TEST(TableLayout, HitTestsReachIntoCells)
{
    TablePage p("<TABLE BORDER><TR><TD>a<TD><A HREF=\"c.htm\">link</A></TABLE>");
    ThtmlTable& t = p.Table();
    const int linkX = t.CellContentX(1) + 4;
    const int linkY = t.Rows[0][1]->Cell->StartY + 4;
    TUrlTarget url;
    EXPECT_TRUE(p.Doc().GetURL(p.canvas, linkX, linkY, url));
    EXPECT_EQ(url.Url, "c.htm");
    int top = 0, height = 0, caret = 0;
    EXPECT_EQ(p.Doc().FindCursor(p.canvas, linkX + 12, linkY, top, height, caret), 1 + 2);
    EXPECT_EQ(caret, t.CellContentX(1) + 16);
}

} // namespace
