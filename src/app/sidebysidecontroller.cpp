#include "app/sidebysidecontroller.h"

#include "app/documentfiles.h"
#include "app/previewpagecontroller.h"
#include "common/isset.h"
#include "platform/editcontrol.h"
#include "platform/freedmemory.h"
#include "platform/kivoerror.h"
#include "viewer/htmlviewer.h"

#include <QScopeGuard>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

namespace {

// A reload that took longer than this waits for a pause in the typing, so a
// long page does not reload between keys typed in a quick run.
constexpr int kQuickReloadMs = 30;
constexpr int kLongestWaitMs = 250;

bool IsWordCharacter(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

} // namespace

std::pair<int, int> SourceWordAt(const QString& line, int column)
{
    column = std::clamp(column, 0, int(line.size()));
    int start = column;
    if (column < line.size() && IsWordCharacter(line[column]))
        start = column;
    else if (column > 0 && IsWordCharacter(line[column - 1]))
        start = column - 1;
    else
        return {column, column};
    int end = start;
    while (start > 0 && IsWordCharacter(line[start - 1]))
        --start;
    while (end < line.size() && IsWordCharacter(line[end]))
        ++end;
    return {start, end};
}

SideBySideController::SideBySideController(THTMLViewer& viewer, EditControl& editor, DocumentFiles& document,
                                           PreviewPageController& preview, Outputs outputs)
    : viewer_(viewer), editor_(editor), document_(document), preview_(preview), outputs_(std::move(outputs))
{
    reload_.setSingleShot(true);
    QObject::connect(&reload_, &QTimer::timeout, [this] { Reload(); });
    follow_.setSingleShot(true);
    follow_.setInterval(0);
    QObject::connect(&follow_, &QTimer::timeout, [this] { RunPending(); });
}

void SideBySideController::SetOn(bool on)
{
    on_ = on;
    caretPending_ = scrollPending_ = false;
    follow_.stop();
    reload_.stop();
    if (!on) {
        viewer_.ClearSourceMark();
        return;
    }
    // The preview shows the editor's text from the start, unless a link led
    // it to another file.
    Reload(Paused() ? When::Changed : When::Always);
}

bool SideBySideController::Paused() const
{
    return IsSet(viewer_.CurrentFile());
}

void SideBySideController::TextChanged()
{
    if (!on_)
        return;
    // Half the last reload's time: keys typed faster than that come in one
    // reload, and the page still shows within about twice a reload's time
    // of the last key.
    reload_.start(lastReloadMs_ < kQuickReloadMs ? 0 : std::min(lastReloadMs_ / 2, kLongestWaitMs));
}

void SideBySideController::Reload(When when)
{
    reload_.stop();
    if (!on_ || (Paused() && !document_.PreviewStale()))
        return;
    // The block being edited stays where it stood on the screen.
    const int caret = editor_.textCursor().position();
    SourcePlace before;
    const bool placed = viewer_.PlaceOfSource(caret, before);
    const int screenY = placed ? before.Y - viewer_.VScrollPos() : 0;
    QElapsedTimer clock;
    clock.start();
    {
        syncing_ = true;
        const auto done = qScopeGuard([this] { syncing_ = false; });
        try {
            preview_.Update(when == When::Always ? PreviewPageController::Sender::Refresh
                                                 : PreviewPageController::Sender::Tab,
                            PreviewPageController::Focus::Keep);
        } catch (const KivoError& error) {
            // Half-typed markup is no reason for a box while typing.
            outputs_.showStatus(error.Message() + QStringLiteral("   "));
        }
        SourcePlace after;
        if (placed && viewer_.PlaceOfSource(caret, after))
            viewer_.ScrollToY(after.Y - screenY);
    }
    // The old page was just freed: its blocks are sorted now, not in the
    // next keystroke.
    SettleFreedMemory();
    lastReloadMs_ = int(clock.elapsed());
    ShowCaret();
}

void SideBySideController::CaretMoved()
{
    if (!on_ || Paused())
        return;
    caretPending_ = true;
    follow_.start();
}

void SideBySideController::EditorScrolled()
{
    if (!on_ || syncing_ || !syncScroll_ || Paused())
        return;
    scrollPending_ = true;
    follow_.start();
}

void SideBySideController::RunPending()
{
    if (std::exchange(scrollPending_, false))
        AlignPreviewToEditor();
    // A reload still to come shows the caret itself, on the new page.
    if (caretPending_ && !reload_.isActive()) {
        caretPending_ = false;
        ShowCaret();
    }
}

void SideBySideController::ShowCaret()
{
    if (!on_ || Paused())
        return;
    SourcePlace place;
    if (!viewer_.PlaceOfSource(editor_.textCursor().position(), place)) {
        viewer_.ClearSourceMark();
        return;
    }
    viewer_.SetSourceMark(place.BlockTop, place.BlockBottom);
    syncing_ = true;
    viewer_.ScrollIntoView(place.Y, place.Height);
    syncing_ = false;
}

void SideBySideController::AlignPreviewToEditor()
{
    if (!on_ || Paused())
        return;
    const QScrollBar* bar = editor_.verticalScrollBar();
    int y = 0;
    if (bar->value() >= bar->maximum() && bar->maximum() > 0) {
        y = viewer_.DocumentHeight();
    } else if (editor_.FirstVisibleLine() > 0) {
        SourcePlace place;
        const QTextBlock top = editor_.document()->findBlockByNumber(editor_.FirstVisibleLine());
        if (!viewer_.PlaceOfSource(top.position(), place, SourceAffinity::Following))
            return;
        y = place.Y;
    }
    syncing_ = true;
    viewer_.ScrollToY(y);
    syncing_ = false;
}

void SideBySideController::ViewerScrolled()
{
    if (!on_ || syncing_ || !syncScroll_ || Paused())
        return;
    QScrollBar* bar = editor_.verticalScrollBar();
    int value = 0;
    if (viewer_.VScrollPos() > 0 && viewer_.VScrollPos() >= viewer_.DocumentHeight() - viewer_.ViewHeight()) {
        value = bar->maximum();
    } else if (viewer_.VScrollPos() > 0) {
        const int offset = viewer_.SourceOffsetAtTop();
        if (offset < 0)
            return;
        // The scroll bar counts wrapped lines, not blocks.
        value = editor_.document()->findBlock(offset).firstLineNumber();
    }
    syncing_ = true;
    bar->setValue(value);
    syncing_ = false;
}

void SideBySideController::PanelClicked(QPoint panelPoint, Qt::KeyboardModifiers modifiers, int clicks,
                                        bool& handled)
{
    if (!on_ || Paused())
        return;
    // A plain click on a link follows it; Ctrl+click goes to its source.
    if (!(modifiers & Qt::ControlModifier) && !viewer_.LinkAt(panelPoint).isEmpty())
        return;
    const int offset = viewer_.SourceOffsetAt(panelPoint);
    if (offset < 0)
        return;
    handled = true;
    QTextCursor cursor = editor_.textCursor();
    const int position = std::clamp(offset, 0, editor_.document()->characterCount() - 1);
    cursor.setPosition(position);
    if (clicks >= 2) {
        const QTextBlock block = editor_.document()->findBlock(position);
        const auto [start, end] = SourceWordAt(block.text(), position - block.position());
        cursor.setPosition(block.position() + start);
        cursor.setPosition(block.position() + end, QTextCursor::KeepAnchor);
    }
    editor_.setTextCursor(cursor);
    outputs_.focusEditor();
}
