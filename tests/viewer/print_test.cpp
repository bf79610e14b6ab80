// Printing documents to PDF files and reading the pages back.
#include "recordinghost.h"
#include "support/pdfpages.h"
#include "platform/kivoerror.h"
#include "viewer/htmldocument.h"
#include "viewer/htmltable.h"
#include "viewer/htmlviewer.h"
#include "viewer/qtcanvas.h"
#include "viewer/viewerprint.h"
#include "viewer/vwprinter.h"

#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class PrintToPdf : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    void Load(const QString& html)
    {
        page.SetHost(&host);
        page.LoadText(html);
    }
    QPrinter& Printer(QPageLayout::Orientation orientation = QPageLayout::Portrait)
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(orientation);
        return printer;
    }
    // Prints the loaded page and reads back the text of each printed page.
    QStringList Print(int first = 1, int last = 9999, QPageLayout::Orientation orientation = QPageLayout::Portrait)
    {
        printed = PrintPages(page.Doc, Printer(orientation), first, last);
        return PdfPages::Texts(pdf);
    }
    // The printing copy cut as PrintPages cuts it, for where things lie.
    PrintPlan Plan(std::unique_ptr<TSectionList>& copy)
    {
        copy = page.Doc.CopyForPrinting();
        QtCanvas measure;
        const QSize paper = PaperSize(Printer());
        return PaginateForPrinting(*copy, measure, paper.width(), paper.height());
    }
    static QString Lines(int from, int to)
    {
        QString html;
        for (int i = from; i <= to; ++i)
            html += QStringLiteral("Line%1<BR>").arg(i);
        return html;
    }
    static QString Table(int rows)
    {
        QString html = QStringLiteral("<TABLE BORDER=1>");
        for (int r = 1; r <= rows; ++r)
            html += QStringLiteral("<TR><TD>Row%1</TD><TD>cell</TD></TR>").arg(r);
        return html + QStringLiteral("</TABLE>");
    }
    // The numbers of the words "<word>N" on a page, in reading order.
    static std::vector<int> Numbers(const QString& text, const QString& word)
    {
        std::vector<int> numbers;
        const QRegularExpression pattern(word + QStringLiteral("(\\d+)"));
        for (auto it = pattern.globalMatch(text); it.hasNext();)
            numbers.push_back(it.next().captured(1).toInt());
        return numbers;
    }

    QTemporaryDir folder;
    QString pdf = folder.filePath(QStringLiteral("out.pdf"));
    RecordingHost host;
    HtmlDocument page;
    QPrinter printer{QPrinter::HighResolution};
    int printed = -1;
};

} // namespace

TEST_F(PrintToPdf, AShortPageIsOneSheetAndALongOneBreaksBetweenWholeLines)
{
    Load(QStringLiteral("<P>Hello paper</P>"));
    const QStringList shortPages = Print();
    ASSERT_EQ(shortPages.size(), 1);
    EXPECT_EQ(printed, 1);
    EXPECT_TRUE(shortPages[0].contains(QLatin1String("Hello paper")));

    Load(Lines(1, 150));
    const QStringList pages = Print();
    ASSERT_GE(pages.size(), 3);
    EXPECT_EQ(printed, pages.size());
    // Every line once, in order, and each page goes on where the last ended:
    // a line cut by the paper's edge would show twice or not at all.
    int expected = 1;
    for (const QString& text : pages) {
        const std::vector<int> numbers = Numbers(text, QStringLiteral("Line"));
        ASSERT_FALSE(numbers.empty());
        for (int n : numbers)
            EXPECT_EQ(n, expected++);
    }
    EXPECT_EQ(expected, 151);
}

TEST_F(PrintToPdf, ATableLowOnAPageStartsTheNextOneHighUpContinues)
{
    // Find how many lines put a 20-row table in the lower half of the first
    // page without room for it.
    std::unique_ptr<TSectionList> copy;
    int lines = 0;
    PrintPlan plan;
    const ThtmlTable* table = nullptr;
    for (lines = 20; lines < 80; lines += 2) {
        Load(Lines(1, lines) + Table(20));
        plan = Plan(copy);
        table = dynamic_cast<const ThtmlTable*>(copy->Items.back().get());
        ASSERT_NE(table, nullptr);
        if (table->YValue > plan.PaperHeight / 2 && table->YValue + table->DrawHeight > plan.PaperHeight)
            break;
    }
    ASSERT_LT(table->DrawHeight, plan.PaperHeight);
    QStringList pages = Print();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(Numbers(pages[0], QStringLiteral("Row")).empty());
    EXPECT_EQ(Numbers(pages[1], QStringLiteral("Row")).size(), 20u);
    EXPECT_EQ(Numbers(pages[0], QStringLiteral("Line")).back(), lines);

    // Right below the top the same table begins on page 1 and goes on.
    Load(Lines(1, 3) + QStringLiteral("<TABLE BORDER=1>") + [] {
        QString rows;
        for (int r = 1; r <= 80; ++r)
            rows += QStringLiteral("<TR><TD>Row%1</TD></TR>").arg(r);
        return rows;
    }() + QStringLiteral("</TABLE>"));
    pages = Print();
    ASSERT_GE(pages.size(), 2);
    const std::vector<int> first = Numbers(pages[0], QStringLiteral("Row"));
    const std::vector<int> second = Numbers(pages[1], QStringLiteral("Row"));
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(first.front(), 1);
    EXPECT_EQ(second.front(), first.back() + 1);
}

TEST_F(PrintToPdf, APictureTallerThanAPageRunsOverTheBreak)
{
    QImage tall(30, 240, QImage::Format_RGB32);
    tall.fill(QColor(0xE0, 0xE0, 0xE0));
    ASSERT_TRUE(tall.save(folder.filePath(QStringLiteral("tall.png"))));
    host.Folder = folder.path();
    Load(QStringLiteral("<P>Before</P><IMG SRC=\"tall.png\" WIDTH=300 HEIGHT=2400><P>After</P>"));
    const QStringList pages = Print();
    ASSERT_GE(pages.size(), 3);
    EXPECT_TRUE(pages.first().contains(QLatin1String("Before")));
    EXPECT_TRUE(pages.last().contains(QLatin1String("After")));
    // The grey picture covers page 2 from top to bottom.
    const QImage second = PdfPages::Picture(pdf, 2);
    ASSERT_FALSE(second.isNull());
    const int x = second.width() / 8;
    for (int y : {second.height() / 10, second.height() / 2, second.height() * 9 / 10})
        EXPECT_EQ(QColor(second.pixel(x, y)).lightness(), QColor(0xE0, 0xE0, 0xE0).lightness()) << "y " << y;
}

TEST_F(PrintToPdf, WiderPaperGivesLongerLinesWhateverThePreviewWidth)
{
    QString words;
    for (int i = 0; i < 300; ++i)
        words += QStringLiteral("w%1 ").arg(i);
    Load(QStringLiteral("<P>") + words + QStringLiteral("</P>"));
    // The preview lays the page out narrow; printing does not use that.
    QtCanvas measure;
    const int screenHeight = page.Layout(measure, 200);
    const auto lineCount = [](const QStringList& pages) {
        int count = 0;
        for (const QString& text : pages)
            for (const QString& line : text.split(QLatin1Char('\n')))
                count += line.trimmed().isEmpty() ? 0 : 1;
        return count;
    };
    const int portrait = lineCount(Print());
    const int landscape = lineCount(Print(1, 9999, QPageLayout::Landscape));
    EXPECT_GT(portrait, 8);
    EXPECT_LT(landscape * 4, portrait * 3);
    // The document shown is left as it was.
    EXPECT_EQ(page.Height, screenHeight);
    EXPECT_EQ(page.Doc.YOff, 0);
}

TEST_F(PrintToPdf, PaperStaysWhiteAndTextBlackUnderAColouredPage)
{
    Load(QStringLiteral("<BODY BGCOLOR=\"#FF0000\" TEXT=\"#00FF00\"><H1>Red page, green text</H1>"
                        "<HR><UL><LI>item</UL></BODY>"));
    const size_t backgroundCalls = host.Backgrounds.size();
    page.Doc.SelStart = 0;
    page.Doc.SelEnd = 5;   // a selection in the preview is not printed
    const QStringList pages = Print();
    ASSERT_EQ(pages.size(), 1);
    const QImage sheet = PdfPages::Picture(pdf, 1, 72);
    ASSERT_FALSE(sheet.isNull());
    int dark = 0;
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            const QColor c(sheet.pixel(x, y));
            // Anti-aliased edges are grey; nothing is coloured.
            EXPECT_LT(std::abs(c.red() - c.green()) + std::abs(c.green() - c.blue()), 40) << x << "," << y;
            if (c.lightness() < 60)
                ++dark;
            if (HasFailure())
                return;
        }
    }
    EXPECT_GT(dark, 50);
    EXPECT_EQ(QColor(sheet.pixel(2, 2)), QColor(Qt::white));
    EXPECT_EQ(host.Backgrounds.size(), backgroundCalls);
    EXPECT_EQ(page.Doc.Background, QColor(0xFF, 0, 0));
}

TEST_F(PrintToPdf, APageRangePrintsThoseSheetsOnly)
{
    Load(Lines(1, 150));
    const QStringList all = Print();
    ASSERT_GE(all.size(), 3);
    const QStringList middle = Print(2, 3);
    ASSERT_EQ(middle.size(), 2);
    EXPECT_EQ(middle[0], all[1]);
    EXPECT_EQ(middle[1], all[2]);

    QFile::remove(pdf);
    EXPECT_EQ(PrintPages(page.Doc, Printer(), 50, 60), 0);
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

TEST_F(PrintToPdf, APrinterThatCannotOpenIsNotValidAndAJobKeepsItsOrder)
{
    Load(QStringLiteral("<P>text</P>"));
    Printer().setOutputFileName(folder.filePath(QStringLiteral("no/such/folder/out.pdf")));
    try {
        PrintPages(page.Doc, printer, 1, 9999);
        ADD_FAILURE() << "printed into a missing folder";
    } catch (const KivoError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Printer selected is not valid"));
    }

    TvwPrinter job(Printer());
    const auto message = [](const std::function<void()>& step) {
        try {
            step();
        } catch (const KivoError& error) {
            return error.Message();
        }
        return QString();
    };
    const QString notPrinting = QStringLiteral("Printer is not currently printing");
    EXPECT_EQ(message([&] { job.NextPage(); }), notPrinting);
    EXPECT_EQ(message([&] { job.EndDocument(); }), notPrinting);
    EXPECT_EQ(message([&] { job.Canvas().TextOut(0, 0, u"x", Qt::black, TextBackground::Transparent, QColor()); }),
              notPrinting);
    EXPECT_GT(job.PageWidth(), 0);   // sizes are there before a job
    job.StartDocument();
    EXPECT_EQ(message([&] { job.StartDocument(); }), QStringLiteral("Printing in progress"));
    job.Canvas().TextOut(0, 0, u"x", Qt::black, TextBackground::Transparent, QColor());
    job.NextPage();
    EXPECT_EQ(job.PageNumber(), 2);
    job.EndDocument();
    EXPECT_FALSE(job.Printing());
    EXPECT_EQ(PdfPages::Texts(pdf).size(), 2);
}

TEST(PrintWhileLoading, DoesNothing)
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("busy.pdf"));
    THTMLViewer viewer;
    viewer.resize(300, 200);
    viewer.LoadLines({QStringLiteral("<P>First page</P>")});
    int printedWhileBusy = -1;
    QObject::connect(&viewer, &THTMLViewer::OnProcessing, [&](bool on) {
        if (!on)
            return;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printedWhileBusy = viewer.PrintPages(printer, 1, 9999);
    });
    viewer.LoadLines({QStringLiteral("<P>Second page</P>")});
    EXPECT_EQ(printedWhileBusy, 0);
    EXPECT_FALSE(QFileInfo::exists(pdf));

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    EXPECT_EQ(viewer.PrintPages(printer, 1, 9999), 1);
    EXPECT_TRUE(PdfPages::Texts(pdf).value(0).contains(QLatin1String("Second page")));
}
