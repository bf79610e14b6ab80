#include "wizards/colorgrid.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace {

constexpr int kColumns = 18;
constexpr int kCell = 13;
// The named row stands a little apart from the cube.
constexpr int kRowGap = 5;

struct NamedColor {
    const char* name;
    QRgb rgb;
};

constexpr NamedColor kNamedColors[] = {
    {"Black", 0x000000},  {"Gray", 0x808080},   {"Maroon", 0x800000}, {"Red", 0xFF0000},
    {"Green", 0x008000},  {"Lime", 0x00FF00},   {"Olive", 0x808000},  {"Yellow", 0xFFFF00},
    {"Navy", 0x000080},   {"Blue", 0x0000FF},   {"Purple", 0x800080}, {"Fuchsia", 0xFF00FF},
    {"Teal", 0x008080},   {"Aqua", 0x00FFFF},   {"Silver", 0xC0C0C0}, {"White", 0xFFFFFF},
};

}  // namespace

TColorGrid::TColorGrid(QWidget* parent) : QWidget(parent)
{
    for (int i = 0; const NamedColor& named : kNamedColors) {
        cells_.push_back({QColor::fromRgb(named.rgb), QLatin1String(named.name), 0, i});
        ++i;
    }
    // The cube in six blocks of 6 x 6, three blocks across: red grows by
    // block, green down a block, blue across it.
    for (int red = 0; red < 6; ++red) {
        for (int green = 0; green < 6; ++green) {
            for (int blue = 0; blue < 6; ++blue) {
                const int row = 1 + (red / 3) * 6 + green;
                const int column = (red % 3) * 6 + blue;
                cells_.push_back({QColor(red * 51, green * 51, blue * 51), QString(), row, column});
            }
        }
    }
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QString TColorGrid::ColorName(int index) const
{
    const Cell& cell = cells_.at(index);
    return cell.name.isEmpty() ? cell.colour.name().toUpper() : cell.name;
}

int TColorGrid::IndexOf(const QColor& colour) const
{
    for (int i = 0; i < ColorCount(); ++i) {
        if (cells_[i].colour.rgb() == colour.rgb())
            return i;
    }
    return -1;
}

void TColorGrid::Pick(int index)
{
    if (index < 0 || index >= ColorCount())
        return;
    current_ = index;
    update();
    emit ColorPicked(cells_[index].colour);
}

QRect TColorGrid::CellRect(const Cell& cell) const
{
    const int y = cell.row * kCell + (cell.row > 0 ? kRowGap : 0);
    return {1 + cell.column * kCell, 1 + y, kCell, kCell};
}

QSize TColorGrid::sizeHint() const
{
    return {kColumns * kCell + 2, 13 * kCell + kRowGap + 2};
}

int TColorGrid::CellAt(QPoint at) const
{
    for (int i = 0; i < ColorCount(); ++i) {
        if (CellRect(cells_[i]).contains(at))
            return i;
    }
    return -1;
}

int TColorGrid::CellAtGrid(int row, int column) const
{
    for (int i = 0; i < ColorCount(); ++i) {
        if (cells_[i].row == row && cells_[i].column == column)
            return i;
    }
    return -1;
}

void TColorGrid::MoveCurrent(int rows, int columns)
{
    const Cell& from = cells_[current_];
    int row = from.row + rows;
    int column = std::clamp(from.column + columns, 0, kColumns - 1);
    row = std::clamp(row, 0, 12);
    int next = CellAtGrid(row, column);
    // The named row is two cells shorter than the cube.
    while (next < 0 && column > 0)
        next = CellAtGrid(row, --column);
    if (next >= 0) {
        current_ = next;
        update();
    }
}

bool TColorGrid::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int cell = CellAt(help->pos());
        if (cell >= 0)
            QToolTip::showText(help->globalPos(), ColorName(cell) + QLatin1Char('\n') + toolTip(), this);
        else if (!toolTip().isEmpty())
            QToolTip::showText(help->globalPos(), toolTip(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void TColorGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor frame = palette().color(QPalette::Mid);
    for (const Cell& cell : cells_) {
        const QRect rect = CellRect(cell);
        painter.fillRect(rect, cell.colour);
        painter.setPen(frame);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    const auto outline = [&](int index, const QColor& colour) {
        if (index < 0)
            return;
        painter.setPen(QPen(colour, 2));
        painter.drawRect(CellRect(cells_[index]).adjusted(0, 0, -1, -1));
    };
    outline(hovered_, palette().color(QPalette::Highlight));
    if (hasFocus()) {
        // Visible on light and dark cells alike.
        outline(current_, Qt::black);
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(CellRect(cells_[current_]).adjusted(1, 1, -2, -2));
    }
}

void TColorGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const int cell = CellAt(event->position().toPoint());
    if (cell >= 0)
        Pick(cell);
}

void TColorGrid::mouseMoveEvent(QMouseEvent* event)
{
    const int cell = CellAt(event->position().toPoint());
    if (cell != hovered_) {
        hovered_ = cell;
        update();
    }
}

void TColorGrid::leaveEvent(QEvent*)
{
    hovered_ = -1;
    update();
}

void TColorGrid::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        MoveCurrent(0, -1);
        break;
    case Qt::Key_Right:
        MoveCurrent(0, 1);
        break;
    case Qt::Key_Up:
        MoveCurrent(-1, 0);
        break;
    case Qt::Key_Down:
        MoveCurrent(1, 0);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Pick(current_);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
