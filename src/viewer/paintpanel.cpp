#include "viewer/paintpanel.h"

#include "viewer/htmlviewer.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TPaintPanel::TPaintPanel(THTMLViewer* viewer) : QWidget(viewer), viewer_(viewer)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    // Every paint fills its whole area; nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintPanel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    viewer_->PaintPanel(painter, event->rect());
}

void TPaintPanel::enterEvent(QEnterEvent* event)
{
    // The viewer's cursor may have changed since the pointer was last here.
    setCursor(viewer_->cursor());
    QWidget::enterEvent(event);
}

void TPaintPanel::mousePressEvent(QMouseEvent* event)
{
    viewer_->PanelMouseDown(event->button(), event->position().toPoint());
}

void TPaintPanel::mouseMoveEvent(QMouseEvent* event)
{
    viewer_->PanelMouseMove(event->buttons(), event->position().toPoint());
}

void TPaintPanel::mouseReleaseEvent(QMouseEvent* event)
{
    viewer_->PanelMouseUp(event->button(), event->position().toPoint(), event->modifiers());
}

void TPaintPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    viewer_->PanelMouseDown(event->button(), event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        viewer_->PanelDoubleClick(event->position().toPoint(), event->modifiers());
}
