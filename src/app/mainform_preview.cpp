// The preview page's controls and handlers; the rules they follow live in
// PreviewPageController.
#include "app/mainform.h"
#include "common/settingsfont.h"
#include "platform/editcontrol.h"
#include "platform/prompts.h"
#include "viewer/htmlviewer.h"
#include "viewer/submitform.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

void TFM_MainForm::BuildPreview()
{
    ViewPage = new THTMLViewer(HTML_PREVIEW);
    ViewPage->setObjectName(QStringLiteral("ViewPage"));
    HTML_PREVIEW->layout()->addWidget(ViewPage);
    ViewPage->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(ViewPage, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { POP_HTMLVIEW->popup(ViewPage->mapToGlobal(at)); });

    ToggleEditPreview1 = POP_HTMLVIEW->addAction(QStringLiteral("Edit Code"));
    Pop_back = POP_HTMLVIEW->addAction(QStringLiteral("Back"));
    pop_next = POP_HTMLVIEW->addAction(QStringLiteral("Next"));
    pop_refresh = POP_HTMLVIEW->addAction(QStringLiteral("Home / Refresh"));
    POP_HTMLVIEW->addSeparator();
    Copy1 = POP_HTMLVIEW->addAction(QStringLiteral("Copy"));
}

void TFM_MainForm::WirePreviewCommands()
{
    preview_ = std::make_unique<PreviewPageController>(
        *ViewPage, *HTML_WINDOW, *document_, *services_.starter, UserPrompts(),
        PreviewControls{*BT_Prev, *BT_Next, *BT_Refresh, *Pop_back, *pop_next, *TabSet1, *MNU_ShowImage},
        PreviewPageController::Outputs{[this](const QString& caption) { CaptionChanged(caption); },
                                       [this](const QString& status) { SetStatusText(status); }});

    TabSet1->setTabEnabled(1, true);
    connect(TabSet1, &QTabBar::currentChanged, this, [this](int tab) { Run([this, tab] { TabSet1Change(tab); }); });

    WireCommand(MNU_Toggle, [this] { MNU_ToggleClick(); });
    WireCommand({BT_Toggle, PopHTMLItems.POP_Toggle, ToggleEditPreview1}, [this] { BT_ToggleClick(); });
    WireCommand({BT_Refresh, pop_refresh}, [this] { BT_RefreshClick(); });
    WireCommand({BT_Prev, Pop_back}, [this] { BT_PrevClick(); });
    WireCommand({BT_Next, pop_next}, [this] { BT_NextClick(); });
    WireCommand(BT_EditCurrent, [this] { BT_EditCurrentClick(); });
    WireCommand(Copy1, [this] { MNU_CopyClick(); });
    WireCommand(MNU_ShowImage, [this] { MNU_ShowImageClick(); });
    WireCommand(ViewerFont1, [this] { ViewerFont1Click(); });
    WireCommand(ViewerFontFixed1, [this] { ViewerFontFixed1Click(); });
    // Nothing to go back or forward to yet.
    for (QAction* item : {Pop_back, pop_next})
        item->setEnabled(false);
    for (QToolButton* button : {BT_Prev, BT_Next})
        button->setEnabled(false);

    connect(ViewPage, &THTMLViewer::OnHistoryChange, this, [this] { HistoryChange(); });
    connect(ViewPage, &THTMLViewer::OnProcessing, this, [this](bool on) { ViewPageProcessing(on); });
    connect(ViewPage, &THTMLViewer::OnHotSpotCovered, this,
            [this](const QString& url) { ViewPageHotSpotCovered(url); });
    connect(ViewPage, &THTMLViewer::OnHotSpotClick, this, [this](const QString& url, bool& handled) {
        Run([&] { ViewPageHotSpotClick(url, handled); });
    });
    connect(ViewPage, &THTMLViewer::OnError, this, [this](const QString& message) { UserPrompts().ShowError(message); });
    connect(ViewPage, &THTMLViewer::OnFormSubmit, this,
            [this](const QString& action, const QString& method, const QStringList& results) {
                Run([&] { ViewPageFormSubmit(action, method, results); });
            });
}

void TFM_MainForm::ApplyPreviewSettings()
{
    // The same font the settings file stores: a size set in pixels counts in
    // points of the classic 96-dots-per-inch screen.
    const SettingsFont font = ToSettingsFont(LB_VFONT->font(), LB_VFONT->palette().color(QPalette::WindowText));
    ViewPage->SetDefFontName(font.name);
    if (font.size > 0)
        ViewPage->SetDefFontSize(font.size);
    ViewPage->SetDefFontColor(LB_VFONT->palette().color(QPalette::WindowText));
    ViewPage->SetDefPreFontName(ViewerFixedFontName);
    ViewPage->SetViewImages(MNU_ShowImage->isChecked());
}

void TFM_MainForm::ShowToolsFor(int tab)
{
    NB_Tools->setCurrentIndex(tab);
    const bool editorPage = tab == 0;
    BT_KivoLink->setVisible(editorPage);
    BT_Clock->setVisible(editorPage);
    BT_Paste->setEnabled(editorPage);
    BT_CUT->setEnabled(editorPage);
    BT_SaveBlock->setEnabled(editorPage);
}

void TFM_MainForm::TabSet1Change(int tab)
{
    if (SideBySideTabChange(tab))
        return;
    ShowPage(tab);
    ShowToolsFor(tab);
    const bool editorPage = tab == 0;
    if (editorPage) {
        CaptionChanged(document_->Caption());
        // The status is the editor's line again, not a link of the preview.
        UpdateLineStatus();
        // The keys follow the page shown; the viewer takes them in UpdatePreview.
        HTML_WINDOW->setFocus();
    } else {
        UpdatePreview(PreviewSender::Tab);
    }
}

void TFM_MainForm::BT_ToggleClick()
{
    TabSet1->setCurrentIndex(TabSet1->currentIndex() == 1 ? 0 : 1);
}

void TFM_MainForm::MNU_ToggleClick()
{
    BT_ToggleClick();
}

void TFM_MainForm::UpdatePreview(PreviewSender sender)
{
    preview_->Update(sender);
}

void TFM_MainForm::BT_RefreshClick()
{
    preview_->Refresh();
}

void TFM_MainForm::BT_PrevClick()
{
    preview_->ShowPrevious();
}

void TFM_MainForm::BT_NextClick()
{
    preview_->ShowNext();
}

void TFM_MainForm::HistoryChange()
{
    preview_->HistoryChanged();
}

void TFM_MainForm::ViewPageProcessing(bool processingOn)
{
    preview_->ProcessingChanged(processingOn);
}

void TFM_MainForm::ViewPageHotSpotCovered(const QString& url)
{
    preview_->LinkCovered(url);
}

void TFM_MainForm::ViewPageHotSpotClick(const QString& url, bool& handled)
{
    preview_->LinkClicked(url, handled);
}

void TFM_MainForm::ViewPageFormSubmit(const QString& action, const QString& method, const QStringList& results)
{
    TSubmitForm SubmitForm(this);
    SubmitForm.ShowSubmission(action, method, results);
    SubmitForm.exec();
}

void TFM_MainForm::BT_EditCurrentClick()
{
    preview_->EditShownFile();
}

void TFM_MainForm::MNU_ShowImageClick()
{
    // The check mark has already turned with the click.
    ViewPage->SetViewImages(MNU_ShowImage->isChecked());
}

void TFM_MainForm::ViewerFont1Click()
{
    QFont initial(ViewPage->DefFontName());
    initial.setPointSize(ViewPage->DefFontSize());
    const std::optional<QFont> chosen = UserPrompts().ChooseFont(initial);
    if (!chosen)
        return;
    ViewPage->SetDefFontName(chosen->family());
    if (chosen->pointSize() > 0)
        ViewPage->SetDefFontSize(chosen->pointSize());
    LB_VFONT->setFont(*chosen);
}

void TFM_MainForm::ViewerFontFixed1Click()
{
    QFont initial(ViewPage->DefPreFontName());
    initial.setPointSize(ViewPage->DefFontSize());
    const std::optional<QFont> chosen = UserPrompts().ChooseFont(initial);
    if (!chosen)
        return;
    ViewerFixedFontName = chosen->family();
    ViewPage->SetDefPreFontName(ViewerFixedFontName);
}
