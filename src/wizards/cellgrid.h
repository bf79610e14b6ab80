#pragma once

#include <QTableWidget>

// An editable grid that takes Tab from cell to cell and still lets the
// keyboard out: Tab in the last cell (Shift+Tab in the first) and Ctrl+Tab
// (Ctrl+Shift+Tab) anywhere go on to the next (previous) control, also
// while a cell is being typed in.
class CellGrid : public QTableWidget {
public:
    CellGrid(int rows, int columns, QWidget* parent = nullptr);

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    friend class CellGridDelegate;
    // The current cell is the last (first) one the user sees in the grid.
    bool AtEdge(bool next) const;
    void Leave(bool next);
};
