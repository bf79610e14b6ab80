#pragma once

#include <QWidget>

class THTMLViewer;

// The surface the document is painted on. It hands painting and the mouse
// to its viewer, which owns the document and the scroll state.
class TPaintPanel : public QWidget {
    Q_OBJECT
public:
    explicit TPaintPanel(THTMLViewer* viewer);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    THTMLViewer* viewer_;
};
