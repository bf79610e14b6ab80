#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

// The data cells of a grid (its fixed header strip is not part of it).
// Columns and rows count from 0. Resizing keeps the cells that stay inside
// and gives new cells empty text.
class GridCells {
public:
    GridCells() = default;
    GridCells(int columns, int rows);

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    void Resize(int columns, int rows);

    const QString& Cell(int column, int row) const;
    void SetCell(int column, int row, const QString& text);

    bool operator==(const GridCells&) const = default;

private:
    int columns_ = 0;
    int rows_ = 0;
    std::vector<QString> cells_;  // row after row
};

// The quote characters of the two kinds of delimited files.
inline constexpr QChar kTableFileQuote = u'"';
inline constexpr QChar kUserTagQuote = u'`';

// Splits one line of quoted, comma-separated fields into `fields` (cleared
// first). A comma outside quotes ends a field; quote characters toggle
// quoting and are dropped, so a quote inside a field is lost and a comma
// between quotes stays. Nothing follows a final comma, and an empty line
// gives no field.
void SplitDelimitedLine(const QString& text, QStringList& fields, QChar quote);

// One line per grid row, top to bottom: each cell in quotes, separated by
// single commas. `lines` is cleared first. Cell text is written unchanged.
void SaveGridRows(QStringList& lines, const GridCells& grid, QChar quote);

// The most a grid may be given; beyond it lines and fields are left out.
struct GridLimits {
    int columns = 1 << 30;
    int rows = 1 << 30;
};

// Line i goes to row i, its fields to the columns from the left. The grid
// gets as many rows as there are lines and is widened to the most fields a
// line has, never narrowed; cells no field reaches keep their text.
// Returns false when `limits` left out lines or fields.
bool LoadGridRows(const QStringList& lines, GridCells& grid, QChar quote, const GridLimits& limits = {});
