#include "common/delimitedlines.h"

#include <algorithm>
#include <cassert>

GridCells::GridCells(int columns, int rows)
{
    Resize(columns, rows);
}

void GridCells::Resize(int columns, int rows)
{
    columns = std::max(0, columns);
    rows = std::max(0, rows);
    if (columns == columns_ && rows == rows_)
        return;
    std::vector<QString> resized(static_cast<size_t>(columns) * static_cast<size_t>(rows));
    const int keptColumns = std::min(columns, columns_);
    const int keptRows = std::min(rows, rows_);
    for (int row = 0; row < keptRows; ++row)
        for (int column = 0; column < keptColumns; ++column)
            resized[static_cast<size_t>(row) * columns + column] = std::move(cells_[static_cast<size_t>(row) * columns_ + column]);
    cells_ = std::move(resized);
    columns_ = columns;
    rows_ = rows;
}

const QString& GridCells::Cell(int column, int row) const
{
    assert(column >= 0 && column < columns_ && row >= 0 && row < rows_);
    return cells_[static_cast<size_t>(row) * columns_ + column];
}

void GridCells::SetCell(int column, int row, const QString& text)
{
    assert(column >= 0 && column < columns_ && row >= 0 && row < rows_);
    cells_[static_cast<size_t>(row) * columns_ + column] = text;
}

void SplitDelimitedLine(const QString& text, QStringList& fields, QChar quote)
{
    fields.clear();
    QString field;
    bool inQuotes = false;
    bool fieldStarted = false;
    for (const QChar c : text) {
        if (c == quote) {
            inQuotes = !inQuotes;
            fieldStarted = true;
        } else if (c == u',' && !inQuotes) {
            fields << field;
            field.clear();
            fieldStarted = false;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted)
        fields << field;
}

void SaveGridRows(QStringList& lines, const GridCells& grid, QChar quote)
{
    lines.clear();
    const QString separator = QString(quote) + u',' + quote;
    for (int row = 0; row < grid.Rows(); ++row) {
        QString line = quote;
        for (int column = 0; column < grid.Columns(); ++column) {
            if (column > 0)
                line += separator;
            line += grid.Cell(column, row);
        }
        lines << line + quote;
    }
}

bool LoadGridRows(const QStringList& lines, GridCells& grid, QChar quote, const GridLimits& limits)
{
    bool whole = lines.size() <= limits.rows;
    const int rows = static_cast<int>(std::min<qsizetype>(lines.size(), limits.rows));
    grid.Resize(grid.Columns(), rows);
    QStringList fields;
    for (int row = 0; row < rows; ++row) {
        SplitDelimitedLine(lines[row], fields, quote);
        if (fields.size() > limits.columns) {
            whole = false;
            fields.resize(limits.columns);
        }
        if (fields.size() > grid.Columns())
            grid.Resize(static_cast<int>(fields.size()), rows);
        for (int column = 0; column < fields.size(); ++column)
            grid.SetCell(column, row, fields[column]);
    }
    return whole;
}
