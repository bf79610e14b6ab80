// The editor and the preview side by side: the Options items, the splitter
// the two panes move into, and the signals the preview follows; the rules
// live in SideBySideController.
#include "app/mainform.h"

#include "platform/editcontrol.h"
#include "viewer/htmlviewer.h"

#include <QAction>
#include <QApplication>
#include <QLayout>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <algorithm>

namespace {

// Neither pane is squeezed below this by a stored split.
constexpr int kNarrowestPane = 120;

} // namespace

void TFM_MainForm::WireSideBySideCommands()
{
    MNU_SideBySide = new QAction(QStringLiteral("&Side by Side Preview"), Options1);
    MNU_SideBySide->setCheckable(true);
    MNU_SideBySide->setShortcut(QKeySequence(Qt::Key_F12));
    MNU_SyncScroll = new QAction(QStringLiteral("S&ynchronised Scrolling"), Options1);
    MNU_SyncScroll->setCheckable(true);
    MNU_SyncScroll->setChecked(true);
    Options1->insertActions(MNU_DirBtn, {MNU_SideBySide, MNU_SyncScroll});

    auto showTab = [this](int tab) {
        if (TabSet1->currentIndex() == tab)
            return;
        const QSignalBlocker block(TabSet1);
        TabSet1->setCurrentIndex(tab);
        ShowToolsFor(tab);
    };
    sideBySide_ = std::make_unique<SideBySideController>(
        *ViewPage, *HTML_WINDOW, *document_, *preview_,
        SideBySideController::Outputs{[this](const QString& status) { SetStatusText(status); },
                                      [this, showTab] {
                                          HTML_WINDOW->setFocus(Qt::MouseFocusReason);
                                          showTab(0);
                                      }});

    // The menu has already turned the check marks when these run.
    WireCommand(MNU_SideBySide, [this] { ApplySideBySide(); });
    WireCommand(MNU_SyncScroll, [this] {
        sideBySide_->SetSyncScroll(MNU_SyncScroll->isChecked());
        if (MNU_SyncScroll->isChecked())
            sideBySide_->AlignPreviewToEditor();
    });

    QObject* context = &sideBySide_->Context();
    connect(HTML_WINDOW, &QPlainTextEdit::textChanged, context, [this] { sideBySide_->TextChanged(); });
    connect(HTML_WINDOW, &QPlainTextEdit::cursorPositionChanged, context, [this] { sideBySide_->CaretMoved(); });
    connect(HTML_WINDOW->verticalScrollBar(), &QScrollBar::valueChanged, context,
            [this] { sideBySide_->EditorScrolled(); });
    connect(ViewPage, &THTMLViewer::OnScroll, context, [this] { sideBySide_->ViewerScrolled(); });
    connect(ViewPage, &THTMLViewer::OnPanelClick, context,
            [this](QPoint at, Qt::KeyboardModifiers modifiers, int clicks, bool& handled) {
                Run([&] { sideBySide_->PanelClicked(at, modifiers, clicks, handled); });
            });
    // Clicking into a pane moves the keyboard there: the tab strip says so.
    connect(qApp, &QApplication::focusChanged, context, [this, showTab](QWidget*, QWidget* now) {
        if (!sideBySide_->IsOn() || !now)
            return;
        if (now == HTML_WINDOW || HTML_WINDOW->isAncestorOf(now))
            showTab(0);
        else if (now == ViewPage || ViewPage->isAncestorOf(now))
            showTab(1);
    });
}

void TFM_MainForm::ApplySideBySide()
{
    const bool on = MNU_SideBySide->isChecked();
    if (on == sideBySide_->IsOn())
        return;
    if (!on) {
        sideBySide_->SetOn(false);
        HTML_CODE->layout()->addWidget(HTML_WINDOW);
        HTML_PREVIEW->layout()->addWidget(ViewPage);
        // The classic page of the tab shown, as if it had been chosen.
        TabSet1Change(TabSet1->currentIndex());
        return;
    }
    if (!SideBySideSplitter) {
        SideBySideSplitter = new QSplitter(Qt::Horizontal, NB_MainWindow);
        SideBySideSplitter->setObjectName(QStringLiteral("SideBySideSplitter"));
        SideBySideSplitter->setChildrenCollapsible(false);
        NB_MainWindow->addWidget(SideBySideSplitter);
        connect(SideBySideSplitter, &QSplitter::splitterMoved, this,
                [this] { SideBySideSplit = SideBySideSplitter->sizes().value(0); });
    }
    SideBySideSplitter->addWidget(HTML_WINDOW);
    SideBySideSplitter->addWidget(ViewPage);
    // A larger window widens both panes, not the editor alone.
    SideBySideSplitter->setStretchFactor(0, 1);
    SideBySideSplitter->setStretchFactor(1, 1);
    const int total = std::max(NB_MainWindow->width(), 2 * kNarrowestPane);
    const int editorWidth =
        SideBySideSplit > 0 ? std::clamp(SideBySideSplit, kNarrowestPane, total - kNarrowestPane) : total / 2;
    SideBySideSplitter->setSizes({editorWidth, total - editorWidth});
    NB_MainWindow->setCurrentWidget(SideBySideSplitter);
    const int tab = TabSet1->currentIndex();
    ShowToolsFor(tab);
    sideBySide_->SetSyncScroll(MNU_SyncScroll->isChecked());
    sideBySide_->SetOn(true);
    if (tab == 0)
        HTML_WINDOW->setFocus();
    else
        ViewPage->setFocus();
}

bool TFM_MainForm::SideBySideTabChange(int tab)
{
    if (!sideBySide_ || !sideBySide_->IsOn())
        return false;
    ShowToolsFor(tab);
    if (tab == 0) {
        HTML_WINDOW->setFocus();
        UpdateLineStatus();
    } else {
        ViewPage->setFocus();
    }
    return true;
}
