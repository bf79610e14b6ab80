#include "wizards/cellgrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

namespace {

bool IsTab(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
}

bool Forward(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Tab && !(key.modifiers() & Qt::ShiftModifier);
}

}  // namespace

// A cell's editor hands Ctrl+Tab to the grid to leave by, where the plain
// delegate would take it for Tab and move to the next cell.
class CellGridDelegate : public QStyledItemDelegate {
public:
    explicit CellGridDelegate(CellGrid& grid) : QStyledItemDelegate(&grid), grid_(grid) {}

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor && event->type() == QEvent::KeyPress) {
            const auto& key = *static_cast<QKeyEvent*>(event);
            if (IsTab(key) && (key.modifiers() & Qt::ControlModifier)) {
                emit commitData(editor);
                emit closeEditor(editor, NoHint);
                grid_.Leave(Forward(key));
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    CellGrid& grid_;
};

CellGrid::CellGrid(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent)
{
    setTabKeyNavigation(true);
    setItemDelegate(new CellGridDelegate(*this));
}

bool CellGrid::AtEdge(bool next) const
{
    if (!currentIndex().isValid())
        return true;
    const int row = verticalHeader()->visualIndex(currentRow());
    const int column = horizontalHeader()->visualIndex(currentColumn());
    return next ? row == rowCount() - 1 && column == columnCount() - 1 : row == 0 && column == 0;
}

void CellGrid::Leave(bool next)
{
    QWidget::focusNextPrevChild(next);
}

bool CellGrid::focusNextPrevChild(bool next)
{
    if (AtEdge(next))
        return QWidget::focusNextPrevChild(next);
    return QTableWidget::focusNextPrevChild(next);
}

void CellGrid::keyPressEvent(QKeyEvent* event)
{
    if (IsTab(*event) && (event->modifiers() & Qt::ControlModifier)) {
        Leave(Forward(*event));
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void CellGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Tab out of the last cell's editor leaves the grid instead of starting over at the top.
    const bool leaving = (hint == QAbstractItemDelegate::EditNextItem && AtEdge(true)) ||
                         (hint == QAbstractItemDelegate::EditPreviousItem && AtEdge(false));
    if (!leaving) {
        QTableWidget::closeEditor(editor, hint);
        return;
    }
    QTableWidget::closeEditor(editor, QAbstractItemDelegate::NoHint);
    Leave(hint == QAbstractItemDelegate::EditNextItem);
}
