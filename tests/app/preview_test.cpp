#include "common/caretlines.h"
#include "mainwindowfixture.h"
#include "platform/editcontrol.h"
#include "support/dialoganswer.h"
#include "support/testfiles.h"
#include "viewer/formcontrols.h"
#include "viewer/htmlviewer.h"
#include "viewer/submitform.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

namespace {

class PreviewPage : public MainWindowTest {
protected:
    // Counts the loads of the viewer: each ends one layout.
    int Loads(QSignalSpy& spy) const
    {
        int loads = 0;
        for (const QList<QVariant>& call : spy) {
            if (!call.at(0).toBool())
                ++loads;
        }
        return loads;
    }
};

TEST_F(PreviewPage, SwitchingTwiceWithoutEditingReloadsOnce)
{
    TFM_MainForm& form = Start();
    form.HTML_WINDOW->SetText(QStringLiteral("<P>Hello</P>"));
    QSignalSpy processing(form.ViewPage, &THTMLViewer::OnProcessing);
    form.TabSet1->setCurrentIndex(1);
    EXPECT_EQ(form.NB_MainWindow->currentIndex(), 1);
    EXPECT_EQ(form.NB_Tools->currentIndex(), 1);
    EXPECT_FALSE(form.BT_Paste->isEnabled());
    EXPECT_TRUE(form.BT_Clock->isHidden());
    form.TabSet1->setCurrentIndex(0);
    EXPECT_TRUE(form.BT_Paste->isEnabled());
    form.MNU_Toggle->trigger();
    EXPECT_EQ(Loads(processing), 1);
    EXPECT_GT(form.ViewPage->Document().Count(), 0);

    form.BT_Toggle->click();
    form.HTML_WINDOW->ReplaceSelection(QStringLiteral("<P>More</P>"), UndoMode::Allowed);
    form.BT_Toggle->click();
    EXPECT_EQ(Loads(processing), 2);
}

TEST_F(PreviewPage, OpeningAFileReloadsAndTheDocumentsFolderBecomesCurrent)
{
    const QString path = Path(QStringLiteral("page.htm"));
    WriteFile(path, "<H1>Title</H1>");
    TFM_MainForm& form = Start();
    form.TabSet1->setCurrentIndex(1);
    QSignalSpy processing(form.ViewPage, &THTMLViewer::OnProcessing);
    form.Document().LoadHtmlFile(path);
    EXPECT_EQ(form.TabSet1->currentIndex(), 0);
    form.TabSet1->setCurrentIndex(1);
    EXPECT_EQ(Loads(processing), 1);
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(folder.path()).canonicalPath());
}

TEST_F(PreviewPage, AnUnsavedDocumentLeavesTheCurrentFolderAlone)
{
    TFM_MainForm& form = Start();
    const QString before = QDir::currentPath();
    form.HTML_WINDOW->SetText(QStringLiteral("<IMG SRC=\"pics/logo.gif\">"));
    form.TabSet1->setCurrentIndex(1);
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_GT(form.ViewPage->Document().Count(), 0);
}

TEST_F(PreviewPage, HistoryOfTwoFollowedLinksWithPrevAndNext)
{
    const QString a = Path(QStringLiteral("a.htm"));
    const QString b = Path(QStringLiteral("b.htm"));
    WriteFile(a, "<TITLE>A</TITLE><P>Page A <A HREF=\"b.htm\">to B</A></P>");
    WriteFile(b, "<TITLE>B</TITLE><P>Page B</P>");
    TFM_MainForm& form = Start();
    form.HTML_WINDOW->SetText(QStringLiteral("<A HREF=\"a.htm\">to A</A>"));
    form.TabSet1->setCurrentIndex(1);
    EXPECT_FALSE(form.BT_Prev->isEnabled());

    form.ViewPage->LoadFile(a);
    form.ViewPage->LoadFile(b);
    ASSERT_EQ(form.ViewPage->HistoryCount(), 2);
    EXPECT_EQ(form.ViewPage->HistoryFileName(0), b);
    EXPECT_EQ(form.ViewPage->HistoryFileName(1), a);
    EXPECT_TRUE(form.BT_Prev->isEnabled());
    EXPECT_FALSE(form.BT_Next->isEnabled());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("KivoPro32 (Viewing: ") + b + QLatin1Char(')'));

    form.BT_Prev->click();
    EXPECT_EQ(form.ViewPage->CurrentFile(), a);
    EXPECT_FALSE(form.BT_Prev->isEnabled());
    EXPECT_FALSE(form.Pop_back->isEnabled());
    EXPECT_TRUE(form.BT_Next->isEnabled());
    EXPECT_TRUE(form.pop_next->isEnabled());

    form.BT_Next->click();
    EXPECT_EQ(form.ViewPage->CurrentFile(), b);

    // Home goes back to the editor's text and forgets the links followed.
    form.BT_Refresh->click();
    EXPECT_EQ(form.ViewPage->CurrentFile(), QString());
    EXPECT_EQ(form.ViewPage->HistoryCount(), 0);
    EXPECT_FALSE(form.BT_Prev->isEnabled());
    EXPECT_FALSE(form.BT_Next->isEnabled());
    EXPECT_TRUE(form.ViewPage->ViewImages());
    EXPECT_EQ(form.ViewPage->ImageCacheCount(), 5);
}

TEST_F(PreviewPage, EditTakesTheShownFileIntoTheEditor)
{
    const QString a = Path(QStringLiteral("a.htm"));
    WriteFile(a, "<P>Page A</P>");
    TFM_MainForm& form = Start();
    form.TabSet1->setCurrentIndex(1);
    form.BT_EditCurrent->click();
    EXPECT_EQ(form.TabSet1->currentIndex(), 0);

    form.TabSet1->setCurrentIndex(1);
    form.ViewPage->LoadFile(a);
    form.BT_EditCurrent->click();
    EXPECT_EQ(form.TabSet1->currentIndex(), 0);
    EXPECT_EQ(form.Document().DocumentFileName(), a);
    EXPECT_EQ(form.HTML_WINDOW->Text(), QStringLiteral("<P>Page A</P>"));
}

TEST_F(PreviewPage, TextLinksGoToTheTextViewerAndStatusShowsTheLink)
{
    TFM_MainForm& form = Start();
    form.TabSet1->setCurrentIndex(1);
    bool handled = false;
    form.ViewPageHotSpotClick(QStringLiteral("notes.TXT"), handled);
    EXPECT_TRUE(handled);
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started[0].program, QStringLiteral("NOTEPAD"));
    EXPECT_TRUE(starter.started[0].arguments.front().endsWith(QStringLiteral("notes.TXT")));

    handled = false;
    form.ViewPageHotSpotClick(QStringLiteral("page.htm#top"), handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(form.TabSet1->currentIndex(), 1);

    emit form.ViewPage->OnHotSpotCovered(QStringLiteral("page.htm"));
    EXPECT_EQ(form.StatusText(), QStringLiteral("page.htm   "));
    emit form.ViewPage->OnHotSpotCovered(QString());
    EXPECT_EQ(form.StatusText(), QStringLiteral("   "));
}

TEST_F(PreviewPage, StatusAndCaptionForgetWhatIsNoLongerShown)
{
    const QString a = Path(QStringLiteral("a.htm"));
    WriteFile(a, "<P>Page A</P>");
    TFM_MainForm& form = Start();
    form.HTML_WINDOW->SetText(QStringLiteral("<A HREF=\"a.htm\">to A</A>"));
    form.TabSet1->setCurrentIndex(1);
    emit form.ViewPage->OnHotSpotCovered(QStringLiteral("a.htm"));
    form.ViewPage->LoadFile(a);
    EXPECT_EQ(form.StatusText(), QStringLiteral(" "));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("KivoPro32 (Viewing: ") + a + QLatin1Char(')'));

    form.BT_Refresh->click();
    EXPECT_EQ(form.ViewPage->CurrentFile(), QString());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("KivoPro32"));

    emit form.ViewPage->OnHotSpotCovered(QStringLiteral("b.htm"));
    form.TabSet1->setCurrentIndex(0);
    EXPECT_EQ(form.StatusText(), LineStatusText(*form.HTML_WINDOW));
}

TEST_F(PreviewPage, AParseErrorShowsTheErrorAndWhatWasRead)
{
    TFM_MainForm& form = Start();
    form.HTML_WINDOW->SetText(QStringLiteral("<P>Kept text</P>\r\n<!-- never closed"));
    form.TabSet1->setCurrentIndex(1);
    EXPECT_EQ(prompts.Messages(), QStringList{QStringLiteral("Open Comment at End of HTML File")});
    EXPECT_GT(form.ViewPage->Document().Count(), 0);
    EXPECT_EQ(form.NB_MainWindow->currentIndex(), 1);
}

TEST_F(PreviewPage, AFolderThatIsGoneEndsInTheErrorBox)
{
    const QString sub = Path(QStringLiteral("sub"));
    ASSERT_TRUE(QDir().mkpath(sub));
    const QString page = sub + QStringLiteral("/page.htm");
    WriteFile(page, "<P>Here</P>");
    TFM_MainForm& form = Start();
    form.Document().LoadHtmlFile(page);
    ASSERT_TRUE(QDir(sub).removeRecursively());
    form.TabSet1->setCurrentIndex(1);
    EXPECT_EQ(prompts.Messages(), QStringList{QStringLiteral("Cannot change to folder ") + sub});
    EXPECT_TRUE(form.isEnabled());
}

TEST_F(PreviewPage, StartingWithAFileShowsItRendered)
{
    const QString path = Path(QStringLiteral("start.htm"));
    WriteFile(path, "<H1>Start</H1>");
    TFM_MainForm& form = Start({path});
    form.show();
    (void)QTest::qWaitFor([&] { return form.TabSet1->currentIndex() == 1; });
    EXPECT_EQ(form.TabSet1->currentIndex(), 1);
    EXPECT_EQ(form.NB_MainWindow->currentIndex(), 1);
    EXPECT_GT(form.ViewPage->Document().Count(), 0);
    EXPECT_EQ(form.ViewPage->HistoryMaxCount(), 8);
    // Without a settings file the preview takes the bottom panel's font.
    EXPECT_EQ(form.ViewPage->DefFontName(), QStringLiteral("Arial"));
    EXPECT_EQ(form.ViewPage->DefFontSize(), 9);
    EXPECT_EQ(form.ViewPage->DefFontColor(), QColor(Qt::black));
}

TEST_F(PreviewPage, ViewerFontsComeFromTheFontDialog)
{
    TFM_MainForm& form = Start();
    QFont chosen(QStringLiteral("Arial"));
    chosen.setPointSize(14);
    prompts.fonts = {std::nullopt, chosen, chosen};
    form.ViewerFont1->trigger();
    EXPECT_EQ(form.ViewPage->DefFontName(), QStringLiteral("Arial"));
    EXPECT_EQ(form.ViewPage->DefFontSize(), 9);
    form.ViewerFont1->trigger();
    EXPECT_EQ(form.ViewPage->DefFontName(), QStringLiteral("Arial"));
    EXPECT_EQ(form.ViewPage->DefFontSize(), 14);
    form.ViewerFontFixed1->trigger();
    EXPECT_EQ(form.ViewPage->DefPreFontName(), QStringLiteral("Arial"));
    EXPECT_EQ(form.ViewPage->DefFontSize(), 14);

    form.MNU_ShowImage->trigger();
    EXPECT_FALSE(form.ViewPage->ViewImages());
}

TEST_F(PreviewPage, ASubmittedFormShowsItsEntriesInTheResultWindow)
{
    TFM_MainForm& form = Start();
    form.HTML_WINDOW->SetText(QStringLiteral("<FORM ACTION=\"mail.cgi\" METHOD=Post><INPUT NAME=who VALUE=me>"
                                             "<INPUT TYPE=submit NAME=go VALUE=Send></FORM>"));
    form.show();
    form.TabSet1->setCurrentIndex(1);
    const auto& controls = form.ViewPage->Document().htmlFormList.at(0)->ControlList;
    auto* send = qobject_cast<QPushButton*>(controls.at(1)->Widget());
    ASSERT_TRUE(send);

    QString action, method;
    QStringList entries;
    bool shown = false;
    DialogAnswer<TSubmitForm> answer([&](TSubmitForm& window) {
        shown = true;
        action = window.ActionText->text();
        method = window.MethodText->text();
        for (int i = 0; i < window.ResultBox->count(); ++i)
            entries << window.ResultBox->item(i)->text();
        window.Button1->click();
    });
    send->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown; }));
    EXPECT_EQ(action, "mail.cgi");
    EXPECT_EQ(method, "Post");
    EXPECT_EQ(entries, QStringList({"who=me", "go=Send"}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
