#pragma once

#include <QColor>
#include <QString>
#include <QWidget>
#include <vector>

// A grid of colour cells: the sixteen colours HTML names in the first row,
// the 216 colours of the 6 x 6 x 6 cube below. A left click, or Space or
// Enter on the cell the arrow keys moved to, picks a colour; the grid keeps
// no mark of it, the caller shows the choice.
class TColorGrid : public QWidget {
    Q_OBJECT
public:
    explicit TColorGrid(QWidget* parent = nullptr);

    int ColorCount() const { return static_cast<int>(cells_.size()); }
    QColor ColorAt(int index) const { return cells_.at(index).colour; }
    // The colour's HTML name ("Navy") or its "#RRGGBB".
    QString ColorName(int index) const;
    // The cell of a colour, -1 when the grid has none.
    int IndexOf(const QColor& colour) const;
    // Picks a cell as a click on it would.
    void Pick(int index);
    int CurrentIndex() const { return current_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void ColorPicked(const QColor& colour);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Cell {
        QColor colour;
        QString name;
        int row = 0;
        int column = 0;
    };

    QRect CellRect(const Cell& cell) const;
    int CellAt(QPoint at) const;
    int CellAtGrid(int row, int column) const;
    void MoveCurrent(int rows, int columns);

    std::vector<Cell> cells_;
    int current_ = 0;
    int hovered_ = -1;
};
