#include "htmlviewer_testfixture.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QStyle>

namespace {

// A page with every kind of link, then enough text to scroll, with the
// anchor PART far down.
QString LinkPage()
{
    return QStringLiteral("<P><A HREF=\"b.htm#part\">Other</A> <A HREF=\"#part\">Down</A> "
                          "<A HREF=\"a.htm#PART\">Self</A> <A HREF=\"notes.txt\">Notes</A> "
                          "<A HREF=\"pic.gif\">Picture</A> <A HREF=\"gone.htm\">Gone</A>\n");
}

} // namespace

class ViewerInputTest : public ViewerTest {
protected:
    void SetUp() override
    {
        ViewerTest::SetUp();
        pageA = Write("a.htm", LongPage(80, 60, LinkPage()));
        pageB = Write("b.htm", LongPage(80, 40));
        viewer.SetHistoryMaxCount(8);
        viewer.LoadFile(pageA);
    }

    void Click(const QString& word) { QTest::mouseClick(Panel(), Qt::LeftButton, {}, PanelPointOf(PosOf(word))); }

    QString pageA;
    QString pageB;
};

TEST_F(ViewerInputTest, LinkToAnotherPageLoadsItAndJumpsToTheAnchor)
{
    Click("Other");
    EXPECT_EQ(viewer.CurrentFile(), pageB);
    EXPECT_EQ(viewer.VScrollPos(), viewer.NameList().value("PART")->YValue);
    EXPECT_GT(viewer.VScrollPos(), 0);
    ASSERT_EQ(viewer.HistoryCount(), 2);
    EXPECT_EQ(viewer.HistoryFileName(0), pageB);
    EXPECT_EQ(viewer.HistoryFileName(1), pageA);
}

TEST_F(ViewerInputTest, LinksInsideTheShownPageOnlyJump)
{
    QSignalSpy processing(&viewer, &THTMLViewer::OnProcessing);
    Click("Down");
    EXPECT_GT(viewer.VScrollPos(), 0);
    EXPECT_EQ(processing.count(), 0);   // not loaded again
    ASSERT_EQ(viewer.HistoryCount(), 2);
    EXPECT_EQ(viewer.HistoryFileName(0), pageA);
    EXPECT_EQ(viewer.HistoryFileName(1), pageA);
    EXPECT_EQ(viewer.History().Entry(1).Position.Pos, 0u);   // the place left: the top

    viewer.ScrollToY(0);
    Click("Self");   // the shown file by name, anchor in another case
    EXPECT_EQ(viewer.VScrollPos(), viewer.NameList().value("PART")->YValue);
    EXPECT_EQ(processing.count(), 0);
    EXPECT_EQ(viewer.CurrentFile(), pageA);

    viewer.SetHistoryIndex(1);   // back to the top of the same page, not reloaded
    EXPECT_EQ(viewer.VScrollPos(), 0);
    EXPECT_EQ(processing.count(), 0);
}

TEST_F(ViewerInputTest, LinksToOtherKindsOfFileAreLeftToTheHandler)
{
    QStringList clicked;
    bool handle = false;
    QObject::connect(&viewer, &THTMLViewer::OnHotSpotClick, &viewer, [&](const QString& src, bool& handled) {
        clicked << src;
        handled = handle;
    });
    QSignalSpy processing(&viewer, &THTMLViewer::OnProcessing);
    Click("Notes");
    Click("Picture");
    EXPECT_EQ(clicked, QStringList({"notes.txt", "pic.gif"}));
    EXPECT_EQ(viewer.CurrentFile(), pageA);
    EXPECT_EQ(processing.count(), 0);

    handle = true;   // a handler that acts stops the viewer's own following
    Click("Other");
    EXPECT_EQ(viewer.CurrentFile(), pageA);
    EXPECT_EQ(processing.count(), 0);
}

TEST_F(ViewerInputTest, LinkToAMissingPageIsReportedNotThrown)
{
    QSignalSpy errors(&viewer, &THTMLViewer::OnError);
    Click("Gone");
    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors[0][0].toString(), "Can't locate file: " + dir.filePath("gone.htm"));
    EXPECT_EQ(viewer.CurrentFile(), pageA);
}

TEST_F(ViewerInputTest, LinksInEditorTextResolveAgainstTheCurrentFolder)
{
    const QString old = QDir::currentPath();
    QDir::setCurrent(dir.path());
    viewer.LoadLines({"<P><A HREF=\"b.htm\">Other</A>"});
    viewer.ClearHistory();
    Click("Other");
    QDir::setCurrent(old);
    EXPECT_EQ(viewer.CurrentFile(), pageB);
    EXPECT_EQ(viewer.HistoryCount(), 1);   // the editor's text is no entry
}

TEST_F(ViewerInputTest, HoveringALinkShowsTheHandAndAnnouncesIt)
{
    QSignalSpy covered(&viewer, &THTMLViewer::OnHotSpotCovered);
    QTest::mouseMove(Panel(), PanelPointOf(PosOf("Other")));
    ASSERT_EQ(covered.count(), 1);
    EXPECT_EQ(covered[0][0].toString(), "b.htm#part");
    EXPECT_EQ(Panel()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(Panel(), PanelPointOf(PosOf("Other"), 3));   // same link: no new event
    EXPECT_EQ(covered.count(), 1);
    QTest::mouseMove(Panel(), QPoint(Panel()->width() - 5, Panel()->height() - 5));
    ASSERT_EQ(covered.count(), 2);
    EXPECT_EQ(covered[1][0].toString(), "");
    EXPECT_EQ(Panel()->cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(viewer.HotSpotUrl(), "");
}

TEST_F(ViewerInputTest, DragSelectsAndAOneCharacterDragStillFollows)
{
    Focus();
    const int start = PosOf("Down");
    // Across several characters: a selection, no jump.
    QTest::mousePress(Panel(), Qt::LeftButton, {}, PanelPointOf(start));
    QTest::mouseMove(Panel(), PanelPointOf(start + 3));
    QTest::mouseRelease(Panel(), Qt::LeftButton, {}, PanelPointOf(start + 3));
    EXPECT_EQ(viewer.SelStart(), start);
    EXPECT_EQ(viewer.SelLength(), 3);
    EXPECT_EQ(viewer.CaretPos(), start + 3);
    EXPECT_EQ(viewer.VScrollPos(), 0);
    EXPECT_EQ(viewer.SelectedText().trimmed(), "Dow");

    // Down and up on the same character of the link: followed.
    QTest::mousePress(Panel(), Qt::LeftButton, {}, PanelPointOf(start + 1));
    QTest::mouseMove(Panel(), PanelPointOf(start + 1, 2));
    QTest::mouseRelease(Panel(), Qt::LeftButton, {}, PanelPointOf(start + 1, 2));
    EXPECT_LE(viewer.SelLength(), 1);
    EXPECT_GT(viewer.VScrollPos(), 0);
}

TEST_F(ViewerInputTest, FirstClickIntoAnUnfocusedViewerOnlyFocusesIt)
{
    viewer.FindText("Line 3", MatchCase::Yes);
    ASSERT_TRUE(viewer.HasSelection());
    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    viewer.clearFocus();
    const QPoint at = PanelPointOf(PosOf("Line 1"));
    QTest::mousePress(Panel(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(viewer.hasFocus());
    EXPECT_TRUE(viewer.HasSelection());   // untouched
    QTest::mouseRelease(Panel(), Qt::LeftButton, {}, at);
    QTest::mousePress(Panel(), Qt::LeftButton, {}, at);
    EXPECT_FALSE(viewer.HasSelection());
    EXPECT_EQ(viewer.CaretPos(), PosOf("Line 1"));
    QTest::mouseRelease(Panel(), Qt::LeftButton, {}, at);
}

TEST_F(ViewerInputTest, DraggingBelowThePanelScrollsEveryTenthOfASecond)
{
    // One preformatted block: every y inside it is on a line.
    QString rows;
    for (int i = 0; i < 300; ++i)
        rows += QStringLiteral("row %1\n").arg(i);
    viewer.LoadLines({"<PRE>" + rows + "</PRE>"});
    Focus();
    const int start = PosOf("row 2");
    QTest::mousePress(Panel(), Qt::LeftButton, {}, PanelPointOf(start));
    const QPoint below(40, Panel()->height() + 40);
    QTest::mouseMove(Panel(), below);
    QTest::qWait(450);
    const int scrolled = viewer.VScrollPos();
    EXPECT_GE(scrolled, 2 * 8 * THTMLViewer::SmallVChange);
    EXPECT_EQ(scrolled % (8 * THTMLViewer::SmallVChange), 0);   // far below: eight lines a step
    EXPECT_EQ(viewer.SelStart(), start);
    EXPECT_GT(viewer.SelLength(), 20);
    QTest::mouseRelease(Panel(), Qt::LeftButton, {}, below);
    QTest::qWait(250);
    EXPECT_EQ(viewer.VScrollPos(), scrolled);   // stopped with the button
}

TEST_F(ViewerInputTest, KeysScrollWithinTheDocument)
{
    const int page = viewer.PaintPanelWidget()->height() - 16;
    const int bottom = viewer.DocumentHeight() - viewer.PaintPanelWidget()->height();
    QTest::keyClick(&viewer, Qt::Key_Down);
    EXPECT_EQ(viewer.VScrollPos(), 16);
    QTest::keyClick(&viewer, Qt::Key_PageDown);
    EXPECT_EQ(viewer.VScrollPos(), 16 + page);
    QTest::keyClick(&viewer, Qt::Key_Up);
    EXPECT_EQ(viewer.VScrollPos(), page);
    QTest::keyClick(&viewer, Qt::Key_End);
    EXPECT_EQ(viewer.VScrollPos(), bottom);
    QTest::keyClick(&viewer, Qt::Key_PageDown);
    EXPECT_EQ(viewer.VScrollPos(), bottom);
    QTest::keyClick(&viewer, Qt::Key_Home);
    EXPECT_EQ(viewer.VScrollPos(), 0);
    QTest::keyClick(&viewer, Qt::Key_PageUp);
    EXPECT_EQ(viewer.VScrollPos(), 0);
    QTest::keyClick(&viewer, Qt::Key_Right);   // nothing wider than the panel: the margin's few pixels at most
    EXPECT_LE(viewer.HScrollPos(), 2);

    viewer.LoadLines({"<PRE>" + QString(300, QLatin1Char('x')) + "</PRE>"});
    QTest::keyClick(&viewer, Qt::Key_Right);
    EXPECT_EQ(viewer.HScrollPos(), 15);
    for (int i = 0; i < 400; ++i)
        QTest::keyClick(&viewer, Qt::Key_Right);
    EXPECT_EQ(viewer.HScrollPos(), viewer.HScrollBar()->maximum());
    EXPECT_GT(viewer.HScrollPos(), 1000);
    QTest::keyClick(&viewer, Qt::Key_Left);
    EXPECT_EQ(viewer.HScrollPos(), viewer.HScrollBar()->maximum() - 15);

    viewer.VScrollBar()->setValue(0);
    viewer.LoadFile(pageA);
    viewer.VScrollBar()->setValue(120);   // the bar moves the page too
    EXPECT_EQ(viewer.VScrollPos(), 120);
}

TEST_F(ViewerInputTest, ScrollBarsFollowTheDocument)
{
    const int bar = viewer.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, viewer.VScrollBar());
    EXPECT_TRUE(viewer.VScrollBar()->isVisible());
    EXPECT_FALSE(viewer.HScrollBar()->isVisible());
    EXPECT_EQ(Panel()->geometry(), QRect(1, 1, 400 - bar - 2, 298));
    EXPECT_EQ(viewer.VScrollBar()->geometry(), QRect(400 - bar - 1, 1, bar, 298));
    EXPECT_EQ(viewer.VScrollBar()->maximum(), viewer.DocumentHeight() - 298);

    viewer.LoadLines({"<P>short"});
    EXPECT_FALSE(viewer.VScrollBar()->isVisible());
    EXPECT_EQ(Panel()->geometry(), QRect(1, 1, 398, 298));

    viewer.SetScrollBars(TScrollStyle::ssNone);
    viewer.LoadFile(pageA);
    EXPECT_FALSE(viewer.VScrollBar()->isVisible());
    QTest::keyClick(&viewer, Qt::Key_PageDown);   // keys still scroll
    EXPECT_GT(viewer.VScrollPos(), 0);
}

TEST_F(ViewerInputTest, ResizeKeepingTheWidthOnlyArrangesTheBars)
{
    QSignalSpy processing(&viewer, &THTMLViewer::OnProcessing);
    viewer.resize(400, 500);
    EXPECT_EQ(processing.count(), 0);
    EXPECT_EQ(Panel()->height(), 498);
    viewer.resize(300, 500);
    EXPECT_EQ(processing.count(), 2);
}

TEST_F(ViewerInputTest, AShortDocumentGoesToTheTopAfterAResize)
{
    viewer.LoadFile(Write("short.htm", LongPage(8)));
    viewer.resize(400, 120);
    ASSERT_TRUE(viewer.VScrollBar()->isVisible());
    QTest::keyClick(&viewer, Qt::Key_End);
    ASSERT_GT(viewer.VScrollPos(), 0);
    viewer.resize(400, 900);
    EXPECT_FALSE(viewer.VScrollBar()->isVisible());
    EXPECT_EQ(viewer.VScrollPos(), 0);
}

TEST_F(ViewerInputTest, BackgroundImageTilesMoveWithTheText)
{
    QImage tile(10, 10, QImage::Format_RGB32);
    tile.fill(Qt::red);
    QPainter(&tile).fillRect(0, 5, 10, 5, Qt::green);
    ASSERT_TRUE(tile.save(dir.filePath("Tile.png")));
    viewer.LoadFile(Write("tiled.htm", LongPage(60, -1, "<BODY BACKGROUND=\"Tile.png\">")));
    const int x = Panel()->width() - 3;
    QImage shot = Panel()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(x, 0)), QColor(Qt::red));
    EXPECT_EQ(QColor(shot.pixel(x, 6)), QColor(Qt::green));
    viewer.ScrollToY(5);
    shot = Panel()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(x, 0)), QColor(Qt::green));
    EXPECT_EQ(QColor(shot.pixel(x, 5)), QColor(Qt::red));

    viewer.SetViewImages(false);   // the background colour instead
    shot = Panel()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(x, 0)), viewer.Document().Background);
}

TEST_F(ViewerInputTest, FrameShowsTheFocus)
{
    auto corner = [&] { return QColor(viewer.grab().toImage().pixel(0, 0)); };
    viewer.SetDefBackground(Qt::white);
    EXPECT_EQ(corner(), QColor(Qt::white));
    Focus();
    EXPECT_EQ(corner(), QColor(Qt::black));
    viewer.SetBorderStyle(THTMLBorderStyle::htNone);
    EXPECT_EQ(corner(), QColor(Qt::white));
    viewer.clearFocus();
    viewer.SetBorderStyle(THTMLBorderStyle::htSingle);
    EXPECT_EQ(corner(), QColor(Qt::black));
}

TEST_F(ViewerInputTest, SelectionIsPaintedInTheMiddleOfALongPage)
{
    QString html = QStringLiteral("<TITLE>Demo</TITLE><H1>A long page</H1>");
    for (int i = 0; i < 60; ++i)
        html += QStringLiteral("<P>Paragraph %1. The viewer lays this text out at its own width, wraps it "
                               "between words and paints only what the window shows.\n").arg(i);
    viewer.resize(480, 360);
    viewer.LoadLines({html});
    const int word = PosOf("Paragraph 30.");
    const QRgb before = Panel()->grab().toImage().pixel(2, 2);

    ASSERT_TRUE(viewer.FindText("Paragraph 30. The viewer lays", MatchCase::Yes));
    EXPECT_GT(viewer.VScrollPos(), viewer.DocumentHeight() / 3);
    EXPECT_LT(viewer.VScrollPos(), viewer.DocumentHeight() * 2 / 3);
    const QPoint selected = PanelPointOf(word, 1) - QPoint(0, 5);   // top row of the first character's cell
    const QImage shot = Panel()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(selected)), viewer.DefFontColor());   // opaque selection in the text colour
    EXPECT_EQ(shot.pixel(2, 2), before);

    // KIVO_VIEWER_SHOT=file.png keeps a picture of the whole component.
    if (const QString out = qEnvironmentVariable("KIVO_VIEWER_SHOT"); !out.isEmpty()) {
        viewer.setFocus();
        EXPECT_TRUE(viewer.grab().save(out));
    }
}

TEST_F(ViewerInputTest, BackgroundImageFromTheRequestHandlerOrTheBackgroundColour)
{
    viewer.LoadLines({"<BODY BGCOLOR=\"#0000FF\" BACKGROUND=\"nowhere.png\"><P>x"});
    const QPoint corner(Panel()->width() - 3, Panel()->height() - 3);
    EXPECT_EQ(QColor(Panel()->grab().toImage().pixel(corner)), QColor(Qt::blue));   // unreadable: the colour

    QStringList asked;
    QObject::connect(&viewer, &THTMLViewer::OnBitmapRequest, &viewer, [&](const QString& source, QImage& image, QColor&) {
        asked << source;
        image = QImage(4, 4, QImage::Format_RGB32);
        image.fill(Qt::yellow);
    });
    viewer.LoadLines({"<BODY BACKGROUND=\"supplied.png\"><P>x"});
    EXPECT_EQ(QColor(Panel()->grab().toImage().pixel(corner)), QColor(Qt::yellow));
    EXPECT_EQ(asked, QStringList({"supplied.png"}));
}
