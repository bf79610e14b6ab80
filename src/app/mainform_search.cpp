// The main window's find, replace and jump commands, the clipboard and undo
// commands and the time stamp button.
#include "app/mainform.h"
#include "editing/findcommands.h"
#include "editing/replacedialog.h"
#include "editing/search.h"
#include "editing/timestamp.h"
#include "platform/editcontrol.h"
#include "viewer/htmlviewer.h"

#include <QAction>
#include <QEvent>
#include <QStackedWidget>
#include <QToolButton>

namespace {

// Runs `hover` whenever the mouse moves over the watched widget.
class MouseMoveHook : public QObject {
public:
    MouseMoveHook(QWidget& widget, std::function<void()> hover) : QObject(&widget), hover_(std::move(hover))
    {
        widget.setMouseTracking(true);
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter)
            hover_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> hover_;
};

}  // namespace

void TFM_MainForm::WireSearchCommands()
{
    FM_Replace = new TFM_Replace(this);
    WireCommand(MNU_Find, [this] { MNU_FindClick(FindRequest::Find); });
    WireCommand(MNU_FindAgain, [this] { MNU_FindClick(FindRequest::FindNext); });
    WireCommand(MNU_Replace, [this] { MNU_ReplaceClick(); });
    WireCommand(MNU_JumpLine, [this] { MNU_JumpLineClick(); });

    WireCommand(Undo1, [this] { Undo1Click(); });
    WireCommand({BT_CUT, MNU_Cut, PopHTMLItems.SUB_CUT}, [this] { MNU_CutClick(); });
    WireCommand({BT_Copy, MNU_Copy, PopHTMLItems.Sub_Copy}, [this] { MNU_CopyClick(); });
    WireCommand({BT_Paste, MNU_Paste, PopHTMLItems.Sub_Paste}, [this] { MNU_PasteClick(); });
    WireCommand(SelectAll1, [this] { SelectAll1Click(); });
    WireCommand(BT_Clock, [this] { BT_ClockClick(); });
    new MouseMoveHook(*BT_Clock, [this] { Run([this] { BT_ClockMouseMove(); }); });
}

bool TFM_MainForm::EditorIsActive() const
{
    return NB_MainWindow->currentIndex() == 0;
}

void TFM_MainForm::MNU_FindClick(FindRequest request)
{
    FindContext context{*FM_Replace, *HTML_WINDOW, UserPrompts(), EditorIsActive(),
                        [this](FindDialogMode mode) { return FM_Replace->ShowFindDialog(mode); },
                        [this](const QString& text, Qt::CaseSensitivity caseRule) {
                            return ViewPage->FindText(text, caseRule == Qt::CaseSensitive ? MatchCase::Yes
                                                                                        : MatchCase::No);
                        },
                        {}};
    FindInEditorOrPreview(context, request);
}

void TFM_MainForm::MNU_ReplaceClick()
{
    FindContext context{*FM_Replace, *HTML_WINDOW, UserPrompts(), true,
                        [this](FindDialogMode mode) { return FM_Replace->ShowFindDialog(mode); },
                        {}, [this] { repaint(); }};
    ReplaceFromDialog(context);
}

void TFM_MainForm::MNU_JumpLineClick()
{
    JumpToLine(*HTML_WINDOW, UserPrompts());
}

void TFM_MainForm::Undo1Click()
{
    HTML_WINDOW->Undo();
}

void TFM_MainForm::MNU_CutClick()
{
    HTML_WINDOW->Cut();
}

void TFM_MainForm::MNU_CopyClick()
{
    if (EditorIsActive())
        HTML_WINDOW->Copy();
    else
        ViewPage->CopySelection();
}

void TFM_MainForm::MNU_PasteClick()
{
    HTML_WINDOW->Paste();
}

void TFM_MainForm::SelectAll1Click()
{
    if (EditorIsActive())
        HTML_WINDOW->SetSelection(0, HTML_WINDOW->TextLength());
}

void TFM_MainForm::BT_ClockClick()
{
    InsertTimeStamp(*HTML_WINDOW, Services().clock());
}

void TFM_MainForm::BT_ClockMouseMove()
{
    BT_Clock->setToolTip(TimeStampText(Services().clock()));
}
