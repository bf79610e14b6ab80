// The viewer's painting, keys, mouse and link following.
#include "viewer/htmlviewer.h"

#include "platform/kivoerror.h"
#include "viewer/formplacement.h"
#include "viewer/paintpanel.h"
#include "viewer/syscolors.h"

#include <QKeyEvent>
#include <QWheelEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <utility>

namespace {

// The extension with its dot, upper case, at most 5 characters, as the
// classic file-name routines gave it.
QString UpperExtension(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype separator =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    if (dot < 0 || dot < separator)
        return QString();
    return path.mid(dot).toUpper().left(5);
}

} // namespace

// ---- Painting -----------------------------------------------------------

void THTMLViewer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), defBackground_);
    const bool dark = (borderStyle_ == THTMLBorderStyle::htFocused && hasFocus()) ||
                      borderStyle_ == THTMLBorderStyle::htSingle;
    painter.setPen(dark ? SysColors::ButtonText() : defBackground_);
    painter.drawRect(0, 0, width() - 1, height() - 1);
}

void THTMLViewer::PaintPanel(QPainter& painter, const QRect& clip)
{
    if (clip.isEmpty())
        return;
    if (layingOut_) {
        // A paint asked for by a handler of OnProcessing: the layout is half done.
        painter.fillRect(clip, document_.Doc.Background);
        return;
    }
    try {
        // Straight into the window's own back buffer, which Qt shows only
        // once the paint is complete: a scroll never shows a half-painted page.
        document_.Paint(measure_, painter, clip, hPos_, vPos_);
        PaintSourceMark(painter);
        if (HasFormWidgets(document_.Doc))
            ShowPlacedFormWidgets(document_.Doc, clip.contains(panel_->rect()));
    } catch (const std::exception& error) {
        painter.fillRect(clip, document_.Doc.Background);
        // Told later: a handler showing a box must not run inside a paint.
        const QString message = QString::fromStdString(error.what());
        QMetaObject::invokeMethod(this, [this, message] { emit OnError(message); }, Qt::QueuedConnection);
    }
}

// ---- Size and keys ------------------------------------------------------

void THTMLViewer::resizeEvent(QResizeEvent*)
{
    if (width() != lastWidth_ && !processing_)
        ReLayout();
    else
        ArrangeBars();
    if (document_.Height < PanelHeight())
        ScrollToY(0);
    else
        ScrollToY(vPos_);
    SetHScroll(std::min(hPos_, HScrollMax()));
}

void THTMLViewer::keyPressEvent(QKeyEvent* event)
{
    const int page = std::max(1, vBar_->pageStep());
    switch (event->key()) {
    case Qt::Key_PageUp: ScrollToY(vPos_ - page); break;
    case Qt::Key_PageDown: ScrollToY(vPos_ + page); break;
    case Qt::Key_Home: ScrollToY(0); break;
    case Qt::Key_End: ScrollToY(document_.Height); break;
    case Qt::Key_Up: ScrollToY(vPos_ - SmallVChange); break;
    case Qt::Key_Down: ScrollToY(vPos_ + SmallVChange); break;
    case Qt::Key_Left: SetHScroll(hPos_ - SmallHChange); break;
    case Qt::Key_Right: SetHScroll(hPos_ + SmallHChange); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void THTMLViewer::wheelEvent(QWheelEvent* event)
{
    // Three lines a notch, the desktop's usual step.
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0) {
        event->ignore();
        return;
    }
    ScrollToY(vPos_ - notches * 3 * SmallVChange);
    event->accept();
}

void THTMLViewer::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void THTMLViewer::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

// ---- Mouse --------------------------------------------------------------

void THTMLViewer::PanelMouseDown(Qt::MouseButton button, QPoint at)
{
    // The first click into an unfocused viewer only gives it the focus.
    mouseDown_ = hasFocus();
    setFocus(Qt::MouseFocusReason);
    if (button != Qt::LeftButton)
        return;
    // A new press starts a new click, whether or not the double click before
    // it was ever released.
    doubleClicked_ = false;
    leftDown_ = true;
    lastMouse_ = at;
    if (!mouseDown_)
        return;
    int lineTop = 0;
    int lineHeight = 0;
    int caretX = 0;
    const int found = document_.Doc.FindCursor(measure_, DocX(at.x()), at.y() + vPos_, lineTop, lineHeight, caretX);
    selAnchor_ = found;
    if (found >= 0) {
        caretPos_ = found;
        const bool hadSelection = document_.Doc.SelStart != document_.Doc.SelEnd;
        document_.Doc.SelStart = found;
        document_.Doc.SelEnd = found;
        if (hadSelection)
            RepaintPanel();
    }
}

void THTMLViewer::PanelMouseMove(Qt::MouseButtons buttons, QPoint at)
{
    lastMouse_ = at;
    TUrlTarget link;
    const bool overLink = document_.Doc.GetURL(measure_, DocX(at.x()), at.y() + vPos_, link) && link.HasUrl();
    if (!overLink)
        link.Clear();
    if (overLink)
        panel_->setCursor(Qt::PointingHandCursor);
    else
        panel_->setCursor(cursor());
    if (link.Url != hotSpot_.Url) {
        hotSpot_ = link;
        emit OnHotSpotCovered(link.Url);
    }
    if (!(buttons & Qt::LeftButton))
        return;
    if ((at.y() < 0 || at.y() > PanelHeight()) && !autoScroll_.isActive())
        autoScroll_.start();
    if (!noSelect_)
        ExtendSelection(at);
}

void THTMLViewer::ExtendSelection(QPoint at)
{
    if (!mouseDown_ || selAnchor_ < 0)
        return;
    const int y = std::clamp(at.y(), 0, PanelHeight());
    int lineTop = 0;
    int lineHeight = 0;
    int caretX = 0;
    const int found = document_.Doc.FindCursor(measure_, DocX(at.x()), y + vPos_, lineTop, lineHeight, caretX);
    if (found != caretPos_ && found >= 0 && !noSelect_) {
        document_.Doc.SelStart = std::min(selAnchor_, found);
        document_.Doc.SelEnd = std::max(selAnchor_, found);
        RepaintPanel();
    }
    if (found >= 0)
        caretPos_ = found;
}

void THTMLViewer::AutoScrollStep()
{
    // A timer rather than a loop of its own: the event loop keeps running and
    // the button's release stops it.
    const int y = lastMouse_.y();
    const int bottom = PanelHeight();
    if (!leftDown_ || (y >= 0 && y <= bottom)) {
        autoScroll_.stop();
        return;
    }
    if (y < 0)
        ScrollToY(vPos_ - (y < -15 ? 8 : 1) * SmallVChange);
    else
        ScrollToY(vPos_ + (y > bottom + 15 ? 8 : 1) * SmallVChange);
    ExtendSelection(lastMouse_);
    RepaintPanel();
}

void THTMLViewer::PanelMouseUp(Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers)
{
    if (button != Qt::LeftButton)
        return;
    lastMouse_ = at;
    ExtendSelection(at);
    mouseDown_ = false;
    leftDown_ = false;
    autoScroll_.stop();
    // A click, or a drag that stayed on one character, over a link follows it.
    if (document_.Doc.SelEnd - document_.Doc.SelStart > 1)
        return;
    if (!std::exchange(doubleClicked_, false)) {
        bool handled = false;
        emit OnPanelClick(at, modifiers, 1, handled);
        if (handled)
            return;
    }
    TUrlTarget link;
    if (!document_.Doc.GetURL(measure_, DocX(at.x()), at.y() + vPos_, link) || !link.HasUrl())
        return;
    hotSpot_ = link;
    try {
        FollowLink(link);
    } catch (const std::exception& error) {
        Report(error);
    }
}

void THTMLViewer::Report(const std::exception& error)
{
    if (const auto* kivo = dynamic_cast<const KivoError*>(&error))
        emit OnError(kivo->Message());
    else
        emit OnError(QString::fromStdString(error.what()));
}

// ---- Links --------------------------------------------------------------

void THTMLViewer::FollowLink(const TUrlTarget& link)
{
    bool handled = false;
    emit OnHotSpotClick(link.Url, handled);
    if (handled)
        return;
    const QString url = link.Url;
    const std::uint32_t oldPosition = Position();
    if (url.startsWith(QLatin1Char('#'))) {
        if (JumpToName(url))
            AddHistory(currentFile_, document_.Title, oldPosition);
        return;
    }
    const qsizetype hash = url.indexOf(QLatin1Char('#'));
    const QString file = hash >= 0 ? url.left(hash) : url;
    const QString anchor = hash >= 0 ? url.mid(hash) : QString();
    const QString path = ExpandLinkName(file, linkPathStyle_);
    const QString extension = UpperExtension(path);
    if (extension != QLatin1String(".HTM") && extension != QLatin1String(".HTML"))
        return;
    if (path != currentFile_) {
        LoadFile(path + anchor);
    } else if (JumpToName(anchor)) {
        AddHistory(currentFile_, document_.Title, oldPosition);
    }
}
