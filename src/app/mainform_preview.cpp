// The preview page: switching pages, bringing the editor's text to the
// viewer, the preview's buttons and menu items, and its links.
#include "app/mainform.h"
#include "common/isset.h"
#include "common/runprogram.h"
#include "platform/editcontrol.h"
#include "platform/kivoerror.h"
#include "platform/prompts.h"
#include "viewer/htmlviewer.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kImageCacheCount = 5;

QString Viewing(const QString& base, const QString& file)
{
    return base + QStringLiteral(" (Viewing: ") + file + QLatin1Char(')');
}

}  // namespace

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
    TabSet1->setTabEnabled(1, true);
    connect(TabSet1, &QTabBar::currentChanged, this, [this](int tab) { Run([this, tab] { TabSet1Change(tab); }); });

    WireCommand(MNU_Toggle, [this] { MNU_ToggleClick(); });
    WireCommand(PopHTMLItems.POP_Toggle, [this] { BT_ToggleClick(); });
    WireCommand(ToggleEditPreview1, [this] { BT_ToggleClick(); });
    WireCommand(pop_refresh, [this] { BT_RefreshClick(PreviewSender::Refresh); });
    WireCommand(Pop_back, [this] { BT_PrevClick(); });
    WireCommand(pop_next, [this] { BT_NextClick(); });
    WireCommand(Copy1, [this] { MNU_CopyClick(); });
    Pop_back->setEnabled(false);
    pop_next->setEnabled(false);
    WireCommand(MNU_ShowImage, [this] { MNU_ShowImageClick(); });
    WireCommand(ViewerFont1, [this] { ViewerFont1Click(); });
    WireCommand(ViewerFontFixed1, [this] { ViewerFontFixed1Click(); });

    const auto button = [this](QToolButton* control, std::function<void()> command) {
        connect(control, &QToolButton::clicked, this, [this, command = std::move(command)] { Run(command); });
        control->setEnabled(true);
    };
    button(BT_Toggle, [this] { BT_ToggleClick(); });
    button(BT_Refresh, [this] { BT_RefreshClick(PreviewSender::Refresh); });
    button(BT_EditCurrent, [this] { BT_EditCurrentClick(); });
    button(BT_Prev, [this] { BT_PrevClick(); });
    button(BT_Next, [this] { BT_NextClick(); });
    BT_Prev->setEnabled(false);
    BT_Next->setEnabled(false);

    connect(ViewPage, &THTMLViewer::OnHistoryChange, this, [this] { HistoryChange(); });
    connect(ViewPage, &THTMLViewer::OnProcessing, this, [this](bool on) { ViewPageProcessing(on); });
    connect(ViewPage, &THTMLViewer::OnHotSpotCovered, this,
            [this](const QString& url) { ViewPageHotSpotCovered(url); });
    connect(ViewPage, &THTMLViewer::OnHotSpotClick, this, [this](const QString& url, bool& handled) {
        Run([&] { ViewPageHotSpotClick(url, handled); });
    });
    connect(ViewPage, &THTMLViewer::OnError, this, [this](const QString& message) { UserPrompts().ShowError(message); });
}

void TFM_MainForm::ApplyPreviewSettings()
{
    const QFont font = LB_VFONT->font();
    ViewPage->SetDefFontName(font.family());
    if (font.pointSize() > 0)
        ViewPage->SetDefFontSize(font.pointSize());
    ViewPage->SetDefFontColor(LB_VFONT->palette().color(QPalette::WindowText));
    ViewPage->SetDefPreFontName(ViewerFixedFontName);
    ViewPage->SetViewImages(MNU_ShowImage->isChecked());
}

QString TFM_MainForm::BaseCaption() const
{
    return document_->Caption();
}

void TFM_MainForm::TabSet1Change(int tab)
{
    ShowPage(tab);
    const bool editorPage = tab == 0;
    BT_KivoLink->setVisible(editorPage);
    BT_Clock->setVisible(editorPage);
    BT_Paste->setEnabled(editorPage);
    BT_CUT->setEnabled(editorPage);
    BT_SaveBlock->setEnabled(editorPage);
    if (editorPage)
        CaptionChanged(BaseCaption());
    else
        UpdatePreview(PreviewSender::Tab);
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
    if (document_->HasName()) {
        const QString folder = QFileInfo(document_->DocumentFileName()).absolutePath();
        if (!QDir::setCurrent(folder))
            throw KivoError(QStringLiteral("Cannot change to folder %1").arg(folder));
    }
    if (HTML_WINDOW->Modified() || document_->PreviewStale() || sender == PreviewSender::Refresh) {
        document_->SetPreviewStale(false);
        HTML_WINDOW->SetModified(false);
        const std::uint32_t position = ViewPage->Position();
        QStringList lines;
        lines.reserve(HTML_WINDOW->LineCount());
        for (int line = 0; line < HTML_WINDOW->LineCount(); ++line)
            lines << HTML_WINDOW->Line(line);
        // Also after a parse error: what was read stays where the user was.
        const auto keepPlace = qScopeGuard([this, position] { ViewPage->SetPosition(position); });
        ViewPage->LoadLines(lines);
    }
    ViewPage->setFocus();
}

void TFM_MainForm::BT_RefreshClick(PreviewSender sender)
{
    ViewPage->SetImageCacheCount(0);
    ViewPage->SetViewImages(false);
    // The reload drops every cached picture; turning pictures back on reads them afresh.
    const auto restore = qScopeGuard([this] {
        ViewPage->SetImageCacheCount(kImageCacheCount);
        ViewPage->SetViewImages(MNU_ShowImage->isChecked());
        ViewPage->ClearHistory();
    });
    UpdatePreview(sender);
}

void TFM_MainForm::BT_PrevClick()
{
    const int older = ViewPage->HistoryIndex() + 1;
    if (older < ViewPage->HistoryCount() && IsSet(ViewPage->HistoryFileName(older)))
        ViewPage->SetHistoryIndex(older);
    else
        BT_RefreshClick(PreviewSender::Refresh);
}

void TFM_MainForm::BT_NextClick()
{
    ViewPage->SetHistoryIndex(ViewPage->HistoryIndex() - 1);
}

void TFM_MainForm::EnableHistoryButtons()
{
    const bool newer = ViewPage->HistoryIndex() > 0;
    const bool older = ViewPage->HistoryIndex() < ViewPage->HistoryCount() - 1;
    BT_Next->setEnabled(newer);
    pop_next->setEnabled(newer);
    BT_Prev->setEnabled(older);
    Pop_back->setEnabled(older);
}

void TFM_MainForm::HistoryChange()
{
    EnableHistoryButtons();
    if (IsSet(ViewPage->CurrentFile()))
        CaptionChanged(Viewing(BaseCaption(), ViewPage->CurrentFile()));
}

void TFM_MainForm::ViewPageProcessing(bool processingOn)
{
    if (processingOn) {
        BT_Prev->setEnabled(false);
        BT_Next->setEnabled(false);
        BT_Refresh->setEnabled(false);
        TabSet1->setEnabled(false);
        return;
    }
    BT_Refresh->setEnabled(true);
    TabSet1->setEnabled(true);
    EnableHistoryButtons();
}

void TFM_MainForm::ViewPageHotSpotCovered(const QString& url)
{
    SetStatusText(url + QStringLiteral("   "));
}

void TFM_MainForm::ViewPageHotSpotClick(const QString& url, bool& handled)
{
    if (QFileInfo(url.section(QLatin1Char('#'), 0, 0)).suffix().toLower() != QLatin1String("txt"))
        return;
    handled = true;
    RunProgram(*services_.starter, UserPrompts(), QStringLiteral("NOTEPAD"), ViewPage->ExpandLinkName(url));
}

void TFM_MainForm::BT_EditCurrentClick()
{
    if (IsSet(ViewPage->CurrentFile()))
        document_->LoadHtmlFile(ViewPage->CurrentFile());
    else
        TabSet1->setCurrentIndex(0);
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
