// The preview page's rules driven without the main window: a viewer, an
// editor, the document and the few controls whose state follows them.
#include "app/documentfiles.h"
#include "app/previewpagecontroller.h"
#include "platform/editcontrol.h"
#include "support/recordingstarter.h"
#include "support/scriptedprompts.h"
#include "support/testfiles.h"
#include "viewer/htmlviewer.h"

#include <QAction>
#include <QDir>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class PreviewRules : public ::testing::Test, public DocumentObserver {
protected:
    PreviewRules()
    {
        tabs.addTab(QStringLiteral("HTML Document"));
        tabs.addTab(QStringLiteral("Preview Screen"));
        showImages.setCheckable(true);
        showImages.setChecked(true);
        viewer.SetHistoryMaxCount(8);
        previousFolder_ = QDir::currentPath();
        QObject::connect(&viewer, &THTMLViewer::OnHistoryChange, [this] { controller.HistoryChanged(); });
        QObject::connect(&viewer, &THTMLViewer::OnProcessing, [this](bool on) { controller.ProcessingChanged(on); });
    }
    ~PreviewRules() override { QDir::setCurrent(previousFolder_); }

    // Each load of the viewer ends one layout.
    int Loads() const
    {
        int loads = 0;
        for (const QList<QVariant>& call : processing)
            loads += call.at(0).toBool() ? 0 : 1;
        return loads;
    }
    QString Path(const QString& name) const { return folder.filePath(name); }

    void ShowEditorPage() override { tabs.setCurrentIndex(0); }
    void CaptionChanged(const QString&) override {}
    void StatusTextChanged(const QString&) override {}
    void DocumentStarted() override {}
    void DocumentOpened(const QString&) override {}
    void DocumentRenamed(const QString&) override {}

    QTemporaryDir folder;
    EditControl editor;
    THTMLViewer viewer;
    QToolButton previous, next, refresh;
    QAction back, nextItem, showImages;
    QTabBar tabs;
    ScriptedPrompts prompts;
    RecordingStarter starter;
    DocumentFiles document{editor, prompts, starter, *this, folder.path(), QStringLiteral("KivoPro32")};
    QString caption, status;
    PreviewPageController controller{viewer, editor, document, starter, prompts,
                                     PreviewControls{previous, next, refresh, back, nextItem, tabs, showImages},
                                     {[this](const QString& text) { caption = text; },
                                      [this](const QString& text) { status = text; }}};
    QSignalSpy processing{&viewer, &THTMLViewer::OnProcessing};

private:
    QString previousFolder_;
};

TEST_F(PreviewRules, ReloadsWhenTheTextChangedOrAFileWasOpenedAndHomeAlways)
{
    editor.SetText(QStringLiteral("<P>One</P>"));
    controller.Update(PreviewPageController::Sender::Tab);
    controller.Update(PreviewPageController::Sender::Tab);
    EXPECT_EQ(Loads(), 1);
    EXPECT_FALSE(editor.Modified());

    document.SetPreviewStale(true);
    controller.Update(PreviewPageController::Sender::Tab);
    EXPECT_EQ(Loads(), 2);
    EXPECT_FALSE(document.PreviewStale());

    // Home reloads unchanged text; pictures then follow the check mark again.
    showImages.setChecked(false);
    controller.Refresh();
    EXPECT_GT(Loads(), 2);
    EXPECT_FALSE(viewer.ViewImages());
    EXPECT_EQ(viewer.ImageCacheCount(), 5);
}

TEST_F(PreviewRules, HistoryButtonsFollowTheViewerAndProcessingLocksThem)
{
    const QString a = Path(QStringLiteral("a.htm"));
    const QString b = Path(QStringLiteral("b.htm"));
    WriteFile(a, "<P>Page A</P>");
    WriteFile(b, "<P>Page B</P>");
    // Links are followed from the editor's text.
    editor.SetText(QStringLiteral("<A HREF=\"a.htm\">to A</A>"));
    controller.Update(PreviewPageController::Sender::Tab);
    viewer.LoadFile(a);
    viewer.LoadFile(b);
    EXPECT_TRUE(previous.isEnabled());
    EXPECT_TRUE(back.isEnabled());
    EXPECT_FALSE(next.isEnabled());
    EXPECT_EQ(caption, QStringLiteral("KivoPro32 (Viewing: ") + b + QLatin1Char(')'));

    controller.ProcessingChanged(true);
    EXPECT_FALSE(previous.isEnabled());
    EXPECT_FALSE(refresh.isEnabled());
    EXPECT_FALSE(tabs.isEnabled());
    controller.ProcessingChanged(false);
    EXPECT_TRUE(previous.isEnabled());
    EXPECT_TRUE(refresh.isEnabled());
    EXPECT_TRUE(tabs.isEnabled());

    controller.ShowPrevious();
    EXPECT_EQ(viewer.CurrentFile(), a);
    EXPECT_TRUE(nextItem.isEnabled());
    // Nothing older: Prev goes home to the editor's text.
    controller.ShowPrevious();
    EXPECT_EQ(viewer.CurrentFile(), QString());
    EXPECT_EQ(viewer.HistoryCount(), 0);
}

TEST_F(PreviewRules, TextLinksGoToTheTextEditorAndEditTakesTheShownFile)
{
    bool handled = false;
    controller.LinkClicked(QStringLiteral("notes.Txt#part"), handled);
    EXPECT_TRUE(handled);
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started[0].program, QStringLiteral("NOTEPAD"));
    handled = false;
    controller.LinkClicked(QStringLiteral("notes.txt.htm"), handled);
    EXPECT_FALSE(handled);
    controller.LinkCovered(QStringLiteral("page.htm"));
    EXPECT_EQ(status, QStringLiteral("page.htm   "));

    tabs.setCurrentIndex(1);
    controller.EditShownFile();
    EXPECT_EQ(tabs.currentIndex(), 0);

    const QString a = Path(QStringLiteral("a.htm"));
    WriteFile(a, "<P>Page A</P>");
    viewer.LoadFile(a);
    tabs.setCurrentIndex(1);
    controller.EditShownFile();
    EXPECT_EQ(document.DocumentFileName(), a);
    EXPECT_EQ(editor.Text(), QStringLiteral("<P>Page A</P>"));
    EXPECT_EQ(tabs.currentIndex(), 0);
}

}  // namespace
