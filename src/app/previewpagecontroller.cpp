#include "app/previewpagecontroller.h"

#include "app/documentfiles.h"
#include "common/isset.h"
#include "common/runprogram.h"
#include "platform/editcontrol.h"
#include "platform/kivoerror.h"
#include "viewer/htmlviewer.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTabBar>

namespace {

constexpr int kImageCacheCount = 5;

QString Viewing(const QString& base, const QString& file)
{
    return base + QStringLiteral(" (Viewing: ") + file + QLatin1Char(')');
}

}  // namespace

PreviewPageController::PreviewPageController(THTMLViewer& viewer, EditControl& editor, DocumentFiles& document,
                                             ProgramStarter& starter, Prompts& prompts, PreviewControls controls,
                                             Outputs outputs)
    : viewer_(viewer),
      editor_(editor),
      document_(document),
      starter_(starter),
      prompts_(prompts),
      controls_(controls),
      outputs_(std::move(outputs))
{
}

void PreviewPageController::Update(Sender sender, Focus focus)
{
    if (document_.HasName()) {
        const QString folder = QFileInfo(document_.DocumentFileName()).absolutePath();
        if (!QDir::setCurrent(folder))
            throw KivoError(QStringLiteral("Cannot change to folder %1").arg(folder));
    }
    if (editor_.Modified() || document_.PreviewStale() || sender == Sender::Refresh) {
        document_.SetPreviewStale(false);
        editor_.SetModified(false);
        const std::uint32_t position = viewer_.Position();
        const QStringList lines = editor_.Lines(0, editor_.LineCount() - 1);
        // Also after a parse error: what was read stays where the user was.
        const auto keepPlace = qScopeGuard([this, position] { viewer_.SetPosition(position); });
        // The link last pointed at is gone with the page that held it.
        outputs_.showStatus(QStringLiteral(" "));
        viewer_.LoadLines(lines);
    }
    ShowWhatIsViewed();
    if (focus == Focus::ToViewer)
        viewer_.setFocus();
}

void PreviewPageController::ShowWhatIsViewed()
{
    const QString caption = document_.Caption();
    outputs_.showCaption(IsSet(viewer_.CurrentFile()) ? Viewing(caption, viewer_.CurrentFile()) : caption);
}

void PreviewPageController::Refresh()
{
    viewer_.SetImageCacheCount(0);
    viewer_.SetViewImages(false);
    // The reload drops every cached picture; turning pictures back on reads them afresh.
    const auto restore = qScopeGuard([this] {
        viewer_.SetImageCacheCount(kImageCacheCount);
        viewer_.SetViewImages(controls_.showImagesItem.isChecked());
        viewer_.ClearHistory();
    });
    Update(Sender::Refresh);
}

void PreviewPageController::ShowPrevious()
{
    const int older = viewer_.HistoryIndex() + 1;
    if (older < viewer_.HistoryCount() && IsSet(viewer_.HistoryFileName(older)))
        viewer_.SetHistoryIndex(older);
    else
        Refresh();
}

void PreviewPageController::ShowNext()
{
    viewer_.SetHistoryIndex(viewer_.HistoryIndex() - 1);
}

void PreviewPageController::EditShownFile()
{
    if (IsSet(viewer_.CurrentFile()))
        document_.LoadHtmlFile(viewer_.CurrentFile());
    else
        controls_.tabs.setCurrentIndex(0);
}

void PreviewPageController::EnableHistoryButtons()
{
    const bool newer = viewer_.HistoryIndex() > 0;
    const bool older = viewer_.HistoryIndex() < viewer_.HistoryCount() - 1;
    controls_.nextButton.setEnabled(newer);
    controls_.nextItem.setEnabled(newer);
    controls_.previousButton.setEnabled(older);
    controls_.backItem.setEnabled(older);
}

void PreviewPageController::HistoryChanged()
{
    EnableHistoryButtons();
    // Another page is shown: a link followed, Prev, Next, or Home's reload.
    outputs_.showStatus(QStringLiteral(" "));
    ShowWhatIsViewed();
}

void PreviewPageController::ProcessingChanged(bool processingOn)
{
    if (processingOn) {
        controls_.previousButton.setEnabled(false);
        controls_.nextButton.setEnabled(false);
        controls_.refreshButton.setEnabled(false);
        controls_.tabs.setEnabled(false);
        return;
    }
    controls_.refreshButton.setEnabled(true);
    controls_.tabs.setEnabled(true);
    EnableHistoryButtons();
}

void PreviewPageController::LinkCovered(const QString& url)
{
    outputs_.showStatus(url + QStringLiteral("   "));
}

void PreviewPageController::LinkClicked(const QString& url, bool& handled)
{
    if (QFileInfo(url.section(QLatin1Char('#'), 0, 0)).suffix().toLower() != QLatin1String("txt"))
        return;
    handled = true;
    RunProgram(starter_, prompts_, QStringLiteral("NOTEPAD"), viewer_.ExpandLinkName(url));
}
