// The editor and the preview side by side, through the real window.
#include "app/settingsfile.h"
#include "mainwindowfixture.h"
#include "platform/editcontrol.h"
#include "platform/profile.h"
#include "viewer/htmlviewer.h"
#include "viewer/paintpanel.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

namespace {

class SideBySide : public MainWindowTest {
protected:
    TFM_MainForm& Shown(const QString& text)
    {
        TFM_MainForm& form = Start();
        form.resize(900, 600);
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.HTML_WINDOW->SetText(text);
        form.MNU_SideBySide->trigger();
        Settle(form);
        return form;
    }
    // The preview catches up once the event loop is idle.
    void Settle(TFM_MainForm& form)
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !form.SideBySide().ReloadPending(); }));
        QTest::qWait(20);
    }
    // The panel point showing a source offset, a little inside its line.
    QPoint PanelPointOf(TFM_MainForm& form, int offset)
    {
        SourcePlace place;
        EXPECT_TRUE(form.ViewPage->PlaceOfSource(offset, place));
        return QPoint(place.X + HtmlDocument::Margin - form.ViewPage->HScrollPos(),
                      place.Y + place.Height / 2 - form.ViewPage->VScrollPos());
    }
    QString StatusOnly(TFM_MainForm& form) { return form.StatusText().trimmed(); }
};

TEST(SourceWordAt, TakesTheWordAtOrJustBeforeTheColumn)
{
    EXPECT_EQ(SourceWordAt("a <B>bold</B> word", 7), std::make_pair(5, 9));
    EXPECT_EQ(SourceWordAt("a <B>bold</B> word", 9), std::make_pair(5, 9));   // just after it
    EXPECT_EQ(SourceWordAt("a <B>bold</B> word", 14), std::make_pair(14, 18));
    EXPECT_EQ(SourceWordAt("x  y", 2), std::make_pair(2, 2));                 // between blanks
    EXPECT_EQ(SourceWordAt("", 5), std::make_pair(0, 0));
}

TEST_F(SideBySide, TheModeAndItsSettingsKeysTurnOnAndOffGivingBackTheClassicWindow)
{
    TFM_MainForm& form = Start();
    EXPECT_FALSE(form.MNU_SideBySide->isChecked());
    EXPECT_TRUE(form.MNU_SyncScroll->isChecked());
    EXPECT_EQ(form.MNU_SideBySide->shortcut(), QKeySequence(Qt::Key_F12));
    EXPECT_EQ(form.MNU_SideBySide->text(), "&Side by Side Preview");
    EXPECT_EQ(form.MNU_SyncScroll->text(), "S&ynchronised Scrolling");

    form.MNU_SideBySide->trigger();
    ASSERT_NE(form.SideBySideSplitter, nullptr);
    EXPECT_EQ(form.NB_MainWindow->currentWidget(), form.SideBySideSplitter);
    EXPECT_EQ(form.HTML_WINDOW->parentWidget(), form.SideBySideSplitter);
    EXPECT_EQ(form.ViewPage->parentWidget(), form.SideBySideSplitter);
    // The tab strip moves the keyboard, not the page.
    form.TabSet1->setCurrentIndex(1);
    EXPECT_EQ(form.NB_MainWindow->currentWidget(), form.SideBySideSplitter);
    EXPECT_EQ(form.NB_Tools->currentIndex(), 1);
    form.TabSet1->setCurrentIndex(0);
    EXPECT_EQ(form.NB_Tools->currentIndex(), 0);
    form.MNU_SyncScroll->trigger();
    form.SideBySideSplitter->setSizes({300, 500});
    form.SideBySideSplit = form.SideBySideSplitter->sizes().value(0);
    form.SaveSettings();

    const Profile profile(form.SettingsPath);
    EXPECT_EQ(profile.ReadString("Editor", "SideBySide", ""), "1");
    EXPECT_EQ(profile.ReadString("Editor", "SyncScroll", ""), "0");
    EXPECT_EQ(profile.ReadString("Editor", "SideBySideSplitter", ""), QString::number(form.SideBySideSplit));

    form.MNU_SideBySide->trigger();
    EXPECT_EQ(form.HTML_WINDOW->parentWidget(), form.HTML_CODE);
    EXPECT_EQ(form.ViewPage->parentWidget(), form.HTML_PREVIEW);
    EXPECT_EQ(form.NB_MainWindow->currentIndex(), 0);
    form.TabSet1->setCurrentIndex(1);
    EXPECT_EQ(form.NB_MainWindow->currentIndex(), 1);

    // A window started on those settings comes up side by side.
    window.reset();
    TFM_MainForm& again = Start();
    EXPECT_TRUE(again.MNU_SideBySide->isChecked());
    EXPECT_FALSE(again.MNU_SyncScroll->isChecked());
    EXPECT_EQ(again.NB_MainWindow->currentWidget(), again.SideBySideSplitter);
}

TEST_F(SideBySide, TypingShowsInThePreviewAndAHalfTypedCommentOnlyInTheStatus)
{
    TFM_MainForm& form = Shown("<P>first</P>\r\n<P>second</P>");
    EXPECT_TRUE(form.ViewPage->FindText("second", MatchCase::Yes));
    form.HTML_WINDOW->SetSelection(form.HTML_WINDOW->TextLength());
    QTest::keyClicks(form.HTML_WINDOW, "<P>third");
    // Nothing waits for the preview while the keys arrive.
    EXPECT_TRUE(form.SideBySide().ReloadPending());
    Settle(form);
    EXPECT_TRUE(form.ViewPage->FindText("third", MatchCase::Yes));

    QTest::keyClicks(form.HTML_WINDOW, " <!-- open");
    Settle(form);
    EXPECT_EQ(StatusOnly(form), "Open Comment at End of HTML File");
    EXPECT_TRUE(prompts.Messages().isEmpty());
    EXPECT_TRUE(form.ViewPage->FindText("third", MatchCase::Yes)) << "what was read before stays";
}

TEST_F(SideBySide, AClickPutsTheCaretAtTheSourceCharacterAndADoubleClickSelectsTheWord)
{
    const QString text = "<P>a <B>bold</B> word &amp; <A HREF=\"other.htm\">link</A> end";
    TFM_MainForm& form = Shown(text);
    TPaintPanel* panel = form.ViewPage->PaintPanelWidget();
    const int l = int(text.indexOf("ld<"));
    QTest::mouseClick(panel, Qt::LeftButton, {}, PanelPointOf(form, l));
    EXPECT_EQ(form.HTML_WINDOW->textCursor().position(), l);
    EXPECT_TRUE(form.HTML_WINDOW->hasFocus());
    EXPECT_EQ(form.TabSet1->currentIndex(), 0);

    const int amp = int(text.indexOf("&amp;"));
    QTest::mouseClick(panel, Qt::LeftButton, {}, PanelPointOf(form, amp) + QPoint(1, 0));
    EXPECT_EQ(form.HTML_WINDOW->textCursor().position(), amp);

    QTest::mouseDClick(panel, Qt::LeftButton, {}, PanelPointOf(form, l));
    EXPECT_EQ(form.HTML_WINDOW->SelText(), "bold");

    // Ctrl+click on a link goes to its source; the page stays.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    const int k = int(text.indexOf("nk</A>"));
    QTest::mouseClick(panel, Qt::LeftButton, Qt::ControlModifier, PanelPointOf(form, k));
    EXPECT_EQ(form.HTML_WINDOW->textCursor().position(), k);
    EXPECT_TRUE(form.ViewPage->CurrentFile().isEmpty());
}

TEST_F(SideBySide, TheCaretsBlockIsMarkedAndScrolledIntoView)
{
    // Lines long enough to wrap in the editor: its scroll bar counts
    // wrapped lines, the map counts blocks.
    QString text;
    for (int i = 0; i < 80; ++i)
        text += QStringLiteral("<P>paragraph %1 %2\r\n").arg(i).arg(QString("words to wrap ").repeated(6));
    TFM_MainForm& form = Shown(text);
    EXPECT_EQ(form.ViewPage->VScrollPos(), 0);
    const int target = int(text.indexOf("paragraph 70"));
    QTextCursor cursor = form.HTML_WINDOW->textCursor();
    cursor.setPosition(target + 4);
    form.HTML_WINDOW->setTextCursor(cursor);
    Settle(form);
    SourcePlace place;
    ASSERT_TRUE(form.ViewPage->PlaceOfSource(target, place));
    EXPECT_TRUE(form.ViewPage->HasSourceMark());
    EXPECT_EQ(form.ViewPage->SourceMarkTop(), place.BlockTop);
    EXPECT_EQ(form.ViewPage->SourceMarkBottom(), place.BlockBottom);
    EXPECT_GE(place.Y, form.ViewPage->VScrollPos());
    EXPECT_LE(place.Y + place.Height, form.ViewPage->VScrollPos() + form.ViewPage->ViewHeight());
    // The mark is painted in the left margin.
    const QImage shot = form.ViewPage->PaintPanelWidget()->grab().toImage();
    const int y = place.BlockTop - form.ViewPage->VScrollPos() + 2;
    EXPECT_EQ(QColor(shot.pixel(3, y)), form.ViewPage->palette().color(QPalette::Highlight));

    // Scrolling the editor brings the preview along, and back.
    form.HTML_WINDOW->verticalScrollBar()->setValue(10);
    Settle(form);
    const int top = form.ViewPage->SourceOffsetAtTop();
    EXPECT_EQ(form.HTML_WINDOW->document()->findBlock(top).blockNumber(), form.HTML_WINDOW->FirstVisibleLine());
    EXPECT_GT(form.ViewPage->VScrollPos(), 0);
    SourcePlace fortieth;
    ASSERT_TRUE(form.ViewPage->PlaceOfSource(int(text.indexOf("paragraph 40 ")), fortieth));
    form.ViewPage->ScrollToY(fortieth.BlockTop);
    EXPECT_EQ(form.HTML_WINDOW->FirstVisibleLine(), 40);
    form.ViewPage->ScrollToY(0);
    EXPECT_EQ(form.HTML_WINDOW->FirstVisibleLine(), 0);
    form.MNU_SyncScroll->trigger();
    form.HTML_WINDOW->verticalScrollBar()->setValue(20);
    Settle(form);
    EXPECT_EQ(form.ViewPage->VScrollPos(), 0);
}

TEST_F(SideBySide, AnotherFileReachedByALinkPausesTheFollowingUntilHome)
{
    QFile other(Path("other.htm"));
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("<P>the other page");
    other.close();
    QDir::setCurrent(folder.path());
    const QString text = "<P><A HREF=\"other.htm\">go</A>";
    TFM_MainForm& form = Shown(text);
    QTest::mouseClick(form.ViewPage->PaintPanelWidget(), Qt::LeftButton, {},
                      PanelPointOf(form, int(text.indexOf("go"))));
    EXPECT_EQ(form.ViewPage->CurrentFile(), QFileInfo(Path("other.htm")).absoluteFilePath());
    EXPECT_TRUE(form.windowTitle().contains("(Viewing: "));
    form.HTML_WINDOW->SetSelection(form.HTML_WINDOW->TextLength());
    QTest::keyClicks(form.HTML_WINDOW, " more");
    Settle(form);
    EXPECT_FALSE(form.ViewPage->CurrentFile().isEmpty()) << "still the other page";
    form.BT_Refresh->click();
    Settle(form);
    EXPECT_TRUE(form.ViewPage->CurrentFile().isEmpty());
    EXPECT_TRUE(form.ViewPage->FindText("more", MatchCase::Yes));
}

} // namespace
