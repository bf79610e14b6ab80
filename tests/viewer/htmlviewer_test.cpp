#include "htmlviewer_testfixture.h"

#include "platform/kivoerror.h"
#include "viewer/sections.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>

namespace {

// The message of the KivoError the call throws, or "" when none.
template <typename F> QString ErrorOf(F&& call)
{
    try {
        call();
    } catch (const KivoError& error) {
        return error.Message();
    }
    return QString();
}

} // namespace

TEST_F(ViewerTest, PropertiesStartAtTheirDefaultsAndAreClamped)
{
    THTMLViewer fresh;
    EXPECT_EQ(fresh.size(), QSize(150, 150));
    EXPECT_EQ(fresh.cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(fresh.DefFontSize(), 12);
    EXPECT_EQ(fresh.DefFontName(), "Times New Roman");
    EXPECT_EQ(fresh.DefPreFontName(), "Courier New");
    EXPECT_EQ(fresh.DefHotSpotColor(), QColor(0, 0, 255));
    EXPECT_EQ(fresh.ImageCacheCount(), 5);
    EXPECT_EQ(fresh.HistoryMaxCount(), 0);
    EXPECT_TRUE(fresh.ViewImages());
    EXPECT_EQ(fresh.BorderStyle(), THTMLBorderStyle::htFocused);
    EXPECT_EQ(fresh.ScrollBars(), TScrollStyle::ssBoth);

    fresh.SetDefFontSize(3);
    EXPECT_EQ(fresh.DefFontSize(), 6);
    fresh.SetImageCacheCount(50);
    EXPECT_EQ(fresh.ImageCacheCount(), 20);
    fresh.SetImageCacheCount(-1);
    EXPECT_EQ(fresh.ImageCacheCount(), 0);
    fresh.SetHistoryMaxCount(-4);
    EXPECT_EQ(fresh.HistoryMaxCount(), 0);
    fresh.SetDefFontName(QString(40, QLatin1Char('A')));
    EXPECT_EQ(fresh.DefFontName().size(), 31);
}

TEST_F(ViewerTest, FontPropertiesLayOutAgainOnlyWhenTheyChange)
{
    viewer.LoadLines({"<P>Some text in the default font"});
    QSignalSpy processing(&viewer, &THTMLViewer::OnProcessing);
    viewer.SetDefFontName("times new roman");   // same name, other case
    EXPECT_EQ(processing.count(), 0);
    viewer.SetDefFontColor(Qt::red);            // repaint only
    EXPECT_EQ(processing.count(), 0);
    const int height = viewer.DocumentHeight();
    viewer.SetDefFontSize(24);
    ASSERT_EQ(processing.count(), 2);
    EXPECT_TRUE(processing[0][0].toBool());
    EXPECT_FALSE(processing[1][0].toBool());
    EXPECT_GT(viewer.DocumentHeight(), height);
}

TEST_F(ViewerTest, LoadLinesShowsTheTextFromTheTop)
{
    viewer.LoadFile(Write("a.htm", LongPage(60)));
    viewer.ScrollToY(300);
    QSignalSpy processing(&viewer, &THTMLViewer::OnProcessing);
    viewer.LoadLines({"<TITLE>Mine</TITLE><BASE HREF=\"file:///srv/x/\" TARGET=\"main\">", "<P>Hello"});
    EXPECT_EQ(processing.count(), 2);
    EXPECT_EQ(viewer.CurrentFile(), "");
    EXPECT_EQ(viewer.DocumentTitle(), "Mine");
    EXPECT_EQ(viewer.BaseHref(), "file:///srv/x/");
    EXPECT_EQ(viewer.BaseTarget(), "main");
    EXPECT_EQ(viewer.VScrollPos(), 0);
    EXPECT_GE(PosOf("Hello"), 0);

    viewer.LoadBuffer(QByteArrayView("<P>From a buffer"));
    EXPECT_GE(PosOf("buffer"), 0);
    EXPECT_EQ(viewer.DocumentTitle(), "");
}

TEST_F(ViewerTest, LoadFileSetsTheFileAndJumpsToTheAnchor)
{
    const QString page = Write("page.htm", LongPage(80, 50));
    viewer.LoadFile(page + "#part");
    EXPECT_EQ(viewer.CurrentFile(), page);
    EXPECT_EQ(viewer.DocumentTitle(), "Long");
    ASSERT_TRUE(viewer.NameList().contains("PART"));
    EXPECT_EQ(viewer.VScrollPos(), viewer.NameList().value("PART")->YValue);
    EXPECT_GT(viewer.VScrollPos(), 0);

    EXPECT_FALSE(viewer.JumpToName("#nowhere"));
    EXPECT_GT(viewer.VScrollPos(), 0);   // nothing moved
    viewer.ScrollToY(0);
    EXPECT_TRUE(viewer.JumpToName("pArT"));
    EXPECT_GT(viewer.VScrollPos(), 0);

    // Reloading the same file without an anchor keeps the place.
    const int y = viewer.VScrollPos();
    viewer.LoadFile(page);
    EXPECT_EQ(viewer.VScrollPos(), y);
    viewer.LoadFile("");   // nothing
    EXPECT_EQ(viewer.CurrentFile(), page);
}

TEST_F(ViewerTest, MissingFileLeavesTheShownDocumentUnchanged)
{
    const QString page = Write("page.htm", LongPage(80));
    viewer.LoadFile(page);
    viewer.ScrollToY(200);
    const std::uint32_t position = viewer.Position();
    const int sections = viewer.Document().Count();
    const QString missing = dir.filePath("gone.htm");
    EXPECT_EQ(ErrorOf([&] { viewer.LoadFile(missing + "#x"); }), "Can't locate file: " + missing);
    EXPECT_EQ(viewer.CurrentFile(), page);
    EXPECT_EQ(viewer.DocumentTitle(), "Long");
    EXPECT_EQ(viewer.Document().Count(), sections);
    EXPECT_EQ(viewer.Position(), position);
    EXPECT_FALSE(viewer.Processing());
    // A folder is no file either.
    EXPECT_EQ(ErrorOf([&] { viewer.LoadFile(dir.path()); }), "Can't locate file: " + dir.path());
}

TEST_F(ViewerTest, ParseErrorReachesTheCallerAfterThePartReadIsShown)
{
    viewer.SetHistoryMaxCount(4);
    const QString page = Write("broken.htm", "<TITLE>Broken</TITLE><P>Before the comment<!-- never closed");
    EXPECT_EQ(ErrorOf([&] { viewer.LoadFile(page); }), "Open Comment at End of HTML File");
    EXPECT_GE(PosOf("Before"), 0);
    EXPECT_EQ(viewer.CurrentFile(), page);
    EXPECT_EQ(viewer.DocumentTitle(), "Broken");
    EXPECT_FALSE(viewer.Processing());
    EXPECT_EQ(viewer.HistoryFileName(0), page);

    EXPECT_EQ(ErrorOf([&] { viewer.LoadLines({"<P>Lines<!-- open"}); }), "Open Comment at End of HTML File");
    EXPECT_GE(PosOf("Lines"), 0);
    EXPECT_EQ(viewer.CurrentFile(), "");
}

TEST_F(ViewerTest, ALoadDuringALoadIsIgnored)
{
    bool tried = false;
    QObject::connect(&viewer, &THTMLViewer::OnProcessing, &viewer, [&](bool on) {
        if (on && !tried) {
            tried = true;
            EXPECT_TRUE(viewer.Processing());
            viewer.LoadLines({"<P>Second"});
            viewer.ReLayout();
        }
    });
    viewer.LoadLines({"<P>First"});
    EXPECT_TRUE(tried);
    EXPECT_GE(PosOf("First"), 0);
    EXPECT_LT(PosOf("Second"), 0);
    EXPECT_FALSE(viewer.Processing());
}

TEST_F(ViewerTest, HistoryFollowsLoadsAndHistoryMoves)
{
    const QString a = Write("a.htm", LongPage(80));
    const QString b = Write("b.htm", LongPage(10));
    QSignalSpy changes(&viewer, &THTMLViewer::OnHistoryChange);

    // Without room nothing is kept.
    viewer.LoadFile(a);
    viewer.LoadFile(b);
    EXPECT_EQ(viewer.HistoryCount(), 0);
    EXPECT_EQ(changes.count(), 0);

    viewer.SetHistoryMaxCount(8);
    viewer.LoadLines({"<P>editor text"});
    viewer.LoadFile(a);
    viewer.ScrollToY(400);
    const std::uint32_t placeInA = viewer.Position();
    viewer.LoadFile(b);
    ASSERT_EQ(viewer.HistoryCount(), 2);
    EXPECT_EQ(viewer.HistoryFileName(0), b);
    EXPECT_EQ(viewer.HistoryFileName(1), a);
    EXPECT_EQ(viewer.HistoryIndex(), 0);
    EXPECT_EQ(changes.count(), 2);

    viewer.SetHistoryIndex(1);
    EXPECT_EQ(viewer.CurrentFile(), a);
    EXPECT_EQ(viewer.Position(), placeInA);
    EXPECT_EQ(viewer.HistoryIndex(), 1);
    EXPECT_EQ(changes.count(), 3);

    viewer.SetHistoryIndex(5);    // outside: ignored
    viewer.SetHistoryIndex(-1);
    EXPECT_EQ(viewer.HistoryIndex(), 1);
    EXPECT_EQ(changes.count(), 3);

    viewer.SetHistoryIndex(0);
    EXPECT_EQ(viewer.CurrentFile(), b);

    // Lowering the maximum empties the history; raising it does not.
    viewer.SetHistoryMaxCount(9);
    EXPECT_EQ(viewer.HistoryCount(), 2);
    viewer.SetHistoryMaxCount(5);
    EXPECT_EQ(viewer.HistoryCount(), 0);
    EXPECT_EQ(viewer.HistoryIndex(), 0);
    const int before = changes.count();
    viewer.ClearHistory();   // already empty: no event
    EXPECT_EQ(changes.count(), before);
}

TEST_F(ViewerTest, PositionSurvivesALayoutAtAnotherWidth)
{
    QString html;
    for (int i = 0; i < 30; ++i)
        html += QStringLiteral("<P>Paragraph %1 with enough words in it to wrap onto several lines when the "
                               "viewer is narrow, which moves every later section down.\n").arg(i);
    viewer.LoadLines({html});
    viewer.SetPosition((std::uint32_t(20) << 16) | 5);
    const std::uint32_t position = viewer.Position();
    EXPECT_EQ(position >> 16, 20u);
    EXPECT_EQ(position & 0xFFFF, 5u);
    const int y = viewer.VScrollPos();

    viewer.resize(250, 300);
    EXPECT_EQ(viewer.Position(), position);
    EXPECT_GT(viewer.VScrollPos(), y);

    viewer.SetPosition(std::uint32_t(9999) << 16);   // no such section: nothing moves
    EXPECT_EQ(viewer.Position(), position);
}

TEST_F(ViewerTest, FindTextSelectsAndScrollsTheHitIntoView)
{
    viewer.LoadLines({LongPage(100) + "<P>The Needle here, and a needle there"});
    ASSERT_TRUE(viewer.FindText("needle", MatchCase::No));
    const int first = PosOf("Needle");
    EXPECT_EQ(viewer.SelStart(), first);
    EXPECT_EQ(viewer.SelLength(), 6);
    EXPECT_EQ(viewer.CaretPos(), first + 6);
    EXPECT_GT(viewer.VScrollPos(), 0);
    EXPECT_EQ(viewer.SelectedText().trimmed(), "Needle");

    ASSERT_TRUE(viewer.FindText("needle", MatchCase::Yes));
    EXPECT_EQ(viewer.SelStart(), PosOf("needle there"));
    EXPECT_FALSE(viewer.FindText("needle", MatchCase::Yes));   // nothing after the caret
    EXPECT_FALSE(viewer.FindText("", MatchCase::No));

    viewer.CopySelection();
    EXPECT_EQ(QApplication::clipboard()->text().trimmed(), "needle");
}

TEST_F(ViewerTest, ClearDocumentEmptiesEverything)
{
    viewer.LoadFile(Write("page.htm", LongPage(80, 3)));
    viewer.ScrollToY(100);
    viewer.ClearDocument();
    EXPECT_EQ(viewer.Document().Count(), 0);
    EXPECT_TRUE(viewer.NameList().isEmpty());
    EXPECT_EQ(viewer.CurrentFile(), "");
    EXPECT_EQ(viewer.DocumentTitle(), "");
    EXPECT_EQ(viewer.VScrollPos(), 0);
    EXPECT_FALSE(viewer.VScrollBar()->isVisible());
    EXPECT_FALSE(viewer.HScrollBar()->isVisible());
    EXPECT_EQ(viewer.Position(), 0u);
}

TEST_F(ViewerTest, NoSelectRemovesTheSelection)
{
    viewer.LoadLines({"<P>needle"});
    viewer.FindText("needle", MatchCase::Yes);
    viewer.SetNoSelect(true);
    EXPECT_EQ(viewer.Document().SelStart, -1);
    EXPECT_EQ(viewer.Document().SelEnd, -1);
    EXPECT_FALSE(viewer.HasSelection());
}

TEST_F(ViewerTest, FormSubmissionArrivesLaterFromTheEventQueue)
{
    QStringList received;
    QObject::connect(&viewer, &THTMLViewer::OnFormSubmit, &viewer,
            [&](const QString& action, const QString& method, const QStringList& results) {
                received << action << method << results;
            });
    viewer.SubmitForm("go.cgi", "Post", {"a=1", "b=2"});
    EXPECT_TRUE(received.isEmpty());
    QCoreApplication::processEvents();
    EXPECT_EQ(received, QStringList({"go.cgi", "Post", "a=1", "b=2"}));
}

TEST_F(ViewerTest, PositionSaturatesInsideAVeryTallSection)
{
    // One paragraph, wrapped over thousands of lines.
    viewer.LoadLines({"<P>top<P>" + QStringLiteral("word ").repeated(60000)});
    ASSERT_GT(viewer.DocumentHeight(), 70000);
    int top = 0;
    int index = 0;
    viewer.Document().FindSectionAtPosition(viewer.DocumentHeight() - 400, top, index);
    viewer.ScrollToY(viewer.DocumentHeight());
    EXPECT_EQ(viewer.Position(), (std::uint32_t(index) << 16) | 0xFFFF);
}

TEST_F(ViewerTest, ViewImagesLaysOutAgainAtTheSamePlace)
{
    viewer.LoadLines({LongPage(60, -1, "<IMG SRC=\"x.gif\" WIDTH=\"50\" HEIGHT=\"300\">")});
    viewer.SetPosition((std::uint32_t(30) << 16) | 3);
    QSignalSpy processing(&viewer, &THTMLViewer::OnProcessing);
    viewer.SetViewImages(true);   // unchanged: nothing
    EXPECT_EQ(processing.count(), 0);
    viewer.SetViewImages(false);
    EXPECT_EQ(processing.count(), 2);
    EXPECT_FALSE(viewer.Document().ShowImages);
    EXPECT_EQ(viewer.Position(), (std::uint32_t(30) << 16) | 3);
}

TEST_F(ViewerTest, TinyOrEmptyViewerStaysUsable)
{
    viewer.resize(0, 0);
    viewer.LoadLines({LongPage(20)});
    QTest::keyClick(&viewer, Qt::Key_PageDown);
    QTest::keyClick(&viewer, Qt::Key_End);
    QTest::keyClick(&viewer, Qt::Key_Right);
    EXPECT_GE(viewer.VScrollPos(), 0);
    viewer.resize(3, 3);
    viewer.PaintPanelWidget()->grab();
    viewer.ClearDocument();
    QTest::keyClick(&viewer, Qt::Key_End);
    EXPECT_EQ(viewer.VScrollPos(), 0);
    EXPECT_FALSE(viewer.FindText("row", MatchCase::No));
    EXPECT_FALSE(viewer.JumpToName("x"));
    viewer.ReLayout();
    EXPECT_EQ(viewer.Position(), 0u);
}
