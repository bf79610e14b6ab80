// Cutting a document into pages, on the fixed-metrics canvas.
#include "fakecanvas.h"
#include "recordinghost.h"
#include "viewer/htmldocument.h"
#include "viewer/htmlimage.h"
#include "viewer/htmltable.h"
#include "viewer/sections.h"
#include "viewer/viewerprint.h"

#include <gtest/gtest.h>

namespace {

struct PrintedLine {
    int top, bottom;
    QString text;
};

void CollectLines(const TCell& cell, std::vector<PrintedLine>& out)
{
    for (const auto& section : cell.Items) {
        if (const auto* text = dynamic_cast<const TSection*>(section.get())) {
            for (const LineRec& line : text->Lines)
                out.push_back({line.Top, line.Top + line.DrawHeight, text->Buff.mid(line.Start, line.Count)});
        } else if (const auto* table = dynamic_cast<const ThtmlTable*>(section.get())) {
            for (const TCellList& row : table->Rows)
                for (const auto& c : row)
                    if (c->ColSpan > 0)
                        CollectLines(*c->Cell, out);
        }
    }
}

// A document as the printer sees it: copied, then cut for paper of the
// given size in screen pixels.
// Every picture the page names is a grey block, so IMG sizes hold.
class GreyPictureHost : public RecordingHost {
public:
    GreyPictureHost() { SuppliesAll = true; }
    QImage LoadPicture(const QString&, QColor&) override
    {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        return picture;
    }
};

struct PaginatedPage {
    GreyPictureHost host;
    HtmlDocument page{&host};
    FakeCanvas canvas;
    std::unique_ptr<TSectionList> copy;
    PrintPlan plan;

    PaginatedPage(const QString& html, int paperWidth, int paperHeight)
    {
        page.LoadText(html);
        copy = page.Doc.CopyForPrinting();
        plan = PaginateForPrinting(*copy, canvas, paperWidth, paperHeight);
    }
    std::vector<PrintedLine> Lines() const
    {
        std::vector<PrintedLine> lines;
        CollectLines(*copy, lines);
        return lines;
    }
    // The page (from 0) a y lies on.
    int PageAt(int y) const
    {
        int page = 0;
        while (page + 1 < plan.PageCount() && plan.PageTops[size_t(page + 1)] <= y)
            ++page;
        return page;
    }
    // Lines the page ends cut through (none must be, short of a line taller
    // than a page).
    std::vector<PrintedLine> CutLines() const
    {
        std::vector<PrintedLine> cut;
        for (const PrintedLine& line : Lines()) {
            const int page = PageAt(line.top);
            if (line.bottom > plan.PageEnd(page) && line.bottom - line.top < plan.PaperHeight)
                cut.push_back(line);
        }
        return cut;
    }
    const ThtmlTable* Table() const
    {
        for (const auto& section : copy->Items)
            if (auto* table = dynamic_cast<const ThtmlTable*>(section.get()))
                return table;
        return nullptr;
    }
};

QString Lines(int from, int to)
{
    QString html;
    for (int i = from; i <= to; ++i)
        html += QStringLiteral("Line %1<BR>").arg(i);
    return html;
}

QString Table(int rows, const QString& first = QStringLiteral("Row"))
{
    QString html = QStringLiteral("<TABLE BORDER=1>");
    for (int r = 1; r <= rows; ++r)
        html += QStringLiteral("<TR><TD>%1 %2</TD><TD>x</TD></TR>").arg(first).arg(r);
    return html + QStringLiteral("</TABLE>");
}

} // namespace

TEST(Pagination, AShortDocumentIsOnePageAndALongOneBreaksBetweenLines)
{
    const PaginatedPage brief(QStringLiteral("<P>Just this</P>"), 400, 300);
    EXPECT_EQ(brief.plan.PageCount(), 1);
    EXPECT_EQ(brief.plan.TextWidth, 380);

    const PaginatedPage longer(Lines(1, 100), 400, 300);
    ASSERT_GT(longer.plan.PageCount(), 3);
    EXPECT_TRUE(longer.CutLines().empty());
    for (int i = 1; i < longer.plan.PageCount(); ++i) {
        const int top = longer.plan.PageTops[size_t(i)];
        EXPECT_GT(top, longer.plan.PageTops[size_t(i - 1)]);
        EXPECT_LE(top, longer.plan.PageTops[size_t(i - 1)] + 300);
    }
    // Every page but the last begins exactly at a line: nothing lost between pages.
    const std::vector<PrintedLine> lines = longer.Lines();
    for (int i = 1; i < longer.plan.PageCount(); ++i) {
        const int top = longer.plan.PageTops[size_t(i)];
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const PrintedLine& l) { return l.top == top; }))
            << "page " << i + 1 << " starts at " << top;
    }
}

TEST(Pagination, ATableLowOnThePageMovesWholeAndOneHighUpRunsOn)
{
    // The table (10 rows) fits on a page but not below 13 lines of text.
    const PaginatedPage low(Lines(1, 13) + Table(10), 400, 400);
    const ThtmlTable* table = low.Table();
    ASSERT_NE(table, nullptr);
    ASSERT_GT(table->YValue, 200);
    ASSERT_LT(table->DrawHeight, 400);
    ASSERT_GT(table->YValue + table->DrawHeight, 400);
    ASSERT_GE(low.plan.PageCount(), 2);
    EXPECT_EQ(low.plan.PageTops[1], table->YValue);

    // Behind 3 lines the same table is continued: the break falls inside it,
    // between its rows' lines.
    const PaginatedPage high(Lines(1, 3) + Table(20), 400, 400);
    const ThtmlTable* tall = high.Table();
    ASSERT_NE(tall, nullptr);
    ASSERT_LT(tall->YValue, 200);
    ASSERT_GE(high.plan.PageCount(), 2);
    EXPECT_GT(high.plan.PageTops[1], tall->YValue);
    EXPECT_LT(high.plan.PageTops[1], tall->YValue + tall->DrawHeight);
    EXPECT_TRUE(high.CutLines().empty());

    // A table taller than a page starting low runs on too.
    const PaginatedPage longTable(Lines(1, 13) + Table(40), 400, 400);
    ASSERT_GT(longTable.Table()->DrawHeight, 400);
    EXPECT_GT(longTable.plan.PageTops[1], longTable.Table()->YValue);
}

TEST(Pagination, ABreakInsideATableFallsBetweenRowsSoNoFrameIsCut)
{
    QString html = QStringLiteral("<P>Title</P><TABLE BORDER=1 CELLPADDING=6>");
    for (int r = 1; r <= 30; ++r)
        html += QStringLiteral("<TR><TD>Row %1<BR>second line<BR>third</TD><TD>x</TD></TR>").arg(r);
    const PaginatedPage page(html + QStringLiteral("</TABLE>"), 400, 300);
    const ThtmlTable* table = page.Table();
    ASSERT_NE(table, nullptr);
    ASSERT_GE(page.plan.PageCount(), 3);
    int rowTop = table->YValue + table->TopCaptionHeight;
    for (size_t r = 0; r < table->RowHeights.size(); ++r) {
        const int rowBottom = rowTop + table->RowHeights[r];
        EXPECT_EQ(page.PageAt(rowTop), page.PageAt(rowBottom - 1)) << "row " << r + 1;
        rowTop += table->RowHeights[r];
    }
    EXPECT_TRUE(page.CutLines().empty());
}

TEST(Pagination, CellsWithLinesOfDifferentHeightsAreNotCutEither)
{
    // Big type in one column and small type beside it: moving the break up
    // for one column's line cuts a line of the other, which must move too.
    QString left, right;
    for (int i = 0; i < 30; ++i) {
        left += QStringLiteral("<FONT SIZE=6>Big %1</FONT><BR>").arg(i);
        right += QStringLiteral("<FONT SIZE=1>small %1</FONT><BR>").arg(i);
    }
    const PaginatedPage page(QStringLiteral("<TABLE><TR><TD>") + left + QStringLiteral("</TD><TD>") + right
                                 + QStringLiteral("</TD></TR></TABLE>"),
                             500, 300);
    ASSERT_GE(page.plan.PageCount(), 3);
    for (const PrintedLine& line : page.CutLines())
        ADD_FAILURE() << "cut: " << line.text.toStdString() << " " << line.top << "-" << line.bottom;
}

TEST(Pagination, APictureTallerThanAPageRunsAcrossTheBreak)
{
    const PaginatedPage page(QStringLiteral("<P>Before</P><P><IMG SRC=\"tall.png\" WIDTH=50 HEIGHT=700></P><P>After</P>"),
                             400, 300);
    ASSERT_GE(page.plan.PageCount(), 3);
    // The picture's line starts on page 1 and pages go on at full height
    // through it, then "After" follows on a later page.
    EXPECT_EQ(page.plan.PageTops[1], 300);
    EXPECT_EQ(page.plan.PageTops[2], 600);
    const std::vector<PrintedLine> lines = page.Lines();
    const auto after = std::find_if(lines.begin(), lines.end(), [](const PrintedLine& l) { return l.text == QLatin1String("After"); });
    ASSERT_NE(after, lines.end());
    EXPECT_GE(page.PageAt(after->top), 2);
}

TEST(Pagination, AFloatingPictureThatWouldBeCutStartsTheNextPageWithItsLine)
{
    // Wherever the picture falls, in its paragraph's first line or after
    // some words, it is printed whole on one page.
    for (int before = 5; before <= 25; ++before) {
        const PaginatedPage page(Lines(1, before) + QStringLiteral("words <IMG SRC=\"p.png\" ALIGN=left WIDTH=50 HEIGHT=120>"
                                                                 "beside<BR CLEAR=left>")
                                     + Lines(100, 140),
                                 400, 300);
        const TImageObj* picture = nullptr;
        int lineTop = 0;
        for (const auto& section : page.copy->Items) {
            const auto* text = dynamic_cast<const TSection*>(section.get());
            if (text && !text->Images.empty()) {
                picture = text->Images[0].get();
                lineTop = text->Lines.front().Top;
            }
        }
        ASSERT_NE(picture, nullptr);
        const int pageOfPicture = page.PageAt(std::min(picture->DrawTop, lineTop));
        EXPECT_LE(picture->DrawTop + picture->ObjHeight, page.plan.PageEnd(pageOfPicture)) << before << " lines before";
        EXPECT_EQ(page.PageAt(picture->DrawTop), pageOfPicture) << before << " lines before";
        EXPECT_TRUE(page.CutLines().empty()) << before << " lines before";
    }
}

TEST(Pagination, PaperWidthDecidesTheLines)
{
    QString words;
    for (int i = 0; i < 200; ++i)
        words += QStringLiteral("word ");
    const PaginatedPage narrow(QStringLiteral("<P>") + words + QStringLiteral("</P>"), 300, 2000);
    const PaginatedPage wide(QStringLiteral("<P>") + words + QStringLiteral("</P>"), 600, 2000);
    EXPECT_GT(narrow.Lines().size(), wide.Lines().size() * 3 / 2);
    EXPECT_EQ(wide.plan.TextWidth, 580);
}
