// The viewer's answers about the source it was loaded from, and the mark a
// host puts beside the block it is working in.
#include "viewer/htmlviewer.h"

#include "viewer/paintpanel.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int kMarkLeft = 2;
constexpr int kMarkWidth = 3;

} // namespace

int THTMLViewer::SourceOffsetAt(QPoint panelPoint)
{
    if (processing_)
        return -1;
    return ::SourceOffsetAt(document_.Doc, measure_, DocX(panelPoint.x()), panelPoint.y() + vPos_);
}

int THTMLViewer::SourceOffsetAtTop() const
{
    if (processing_)
        return -1;
    return ::SourceOffsetAtY(document_.Doc, vPos_);
}

bool THTMLViewer::PlaceOfSource(int offset, SourcePlace& place, SourceAffinity affinity)
{
    if (processing_)
        return false;
    return ::PlaceOfSource(document_.Doc, measure_, offset, place, affinity);
}

QString THTMLViewer::LinkAt(QPoint panelPoint)
{
    TUrlTarget link;
    if (processing_ || !document_.Doc.GetURL(measure_, DocX(panelPoint.x()), panelPoint.y() + vPos_, link))
        return QString();
    return link.Url;
}

void THTMLViewer::ScrollIntoView(int top, int height)
{
    if (top >= vPos_ && top + height <= vPos_ + PanelHeight())
        return;
    ScrollToY(top - PanelHeight() / 3);
}

void THTMLViewer::SetSourceMark(int top, int bottom)
{
    if (top == markTop_ && bottom == markBottom_)
        return;
    markTop_ = top;
    markBottom_ = bottom;
    RepaintPanel();
}

void THTMLViewer::PaintSourceMark(QPainter& painter)
{
    if (!HasSourceMark())
        return;
    painter.fillRect(QRect(kMarkLeft, markTop_ - vPos_, kMarkWidth, std::max(1, markBottom_ - markTop_)),
                     palette().color(QPalette::Highlight));
}

void THTMLViewer::PanelDoubleClick(QPoint at, Qt::KeyboardModifiers modifiers)
{
    doubleClicked_ = true;
    bool handled = false;
    emit OnPanelClick(at, modifiers, 2, handled);
}
