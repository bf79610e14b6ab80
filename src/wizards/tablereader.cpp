#include "wizards/tablereader.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

constexpr int kMaxAttributeText = 50;

// A row line's cells: heading cells first, then data cells, as the
// generator writes them.
struct RowCells {
    QStringList headings;
    QStringList data;
    bool Empty() const { return headings.isEmpty() && data.isEmpty(); }
};

RowCells ReadRowCells(const QString& line)
{
    RowCells row;
    QString rest = line;
    CollectTagContents(rest, row.headings, QStringLiteral("<TH>"), QStringLiteral("</TH>"));
    CollectTagContents(rest, row.data, QStringLiteral("<TD>"), QStringLiteral("</TD>"));
    return row;
}

// The generator writes leading heading columns on every row, so a row that
// also has data cells shows their number. A table of heading cells alone
// counts its first row's cells.
int HeadingColumns(const std::vector<RowCells>& rows)
{
    for (const RowCells& row : rows)
        if (!row.data.isEmpty())
            return static_cast<int>(row.headings.size());
    return rows.empty() ? 0 : static_cast<int>(rows.front().headings.size());
}

int WholeNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::max(0, value) : 0;
}

// The opening tag "<CAPTION ...>" found as `caseSensitivity` says: where
// it starts and where its ">" is.
std::optional<std::pair<qsizetype, qsizetype>> FindCaptionTag(const QString& line, Qt::CaseSensitivity caseSensitivity)
{
    const qsizetype open = line.indexOf(QStringLiteral("<CAPTION"), 0, caseSensitivity);
    const qsizetype tagEnd = open < 0 ? -1 : line.indexOf(u'>', open);
    if (tagEnd < 0)
        return std::nullopt;
    return std::pair{open, tagEnd};
}

void ReadCaption(const QString& line, TableDescription& table)
{
    if (const auto tag = FindCaptionTag(line, Qt::CaseInsensitive)) {
        // Only the tag's own attributes count: caption text may hold "Align=".
        const QString tagText = line.mid(tag->first, tag->second - tag->first + 1);
        const QString align = ReadTagNumber(QStringLiteral("Align"), tagText).toUpper();
        if (align == QStringLiteral("TOP"))
            table.captionAlignment = CaptionAlignment::Top;
        else if (align == QStringLiteral("BOTTOM"))
            table.captionAlignment = CaptionAlignment::Bottom;
    }
    if (const auto tag = FindCaptionTag(line, Qt::CaseSensitive)) {
        const qsizetype close = line.indexOf(QStringLiteral("</CAPTION>"), tag->second + 1);
        if (close >= 0)
            table.caption = line.mid(tag->second + 1, close - tag->second - 1);
    }
}

}  // namespace

QString ReadTagNumber(const QString& name, const QString& line)
{
    const QString key = name.left(kMaxAttributeText) + u'=';
    const qsizetype found = line.indexOf(key, 0, Qt::CaseInsensitive);
    if (found < 0)
        return QStringLiteral("0");
    const qsizetype start = found + key.size();
    qsizetype end = start;
    while (end < line.size() && end - start < kMaxAttributeText && line[end] != u' ' && line[end] != u'>')
        ++end;
    const QString value = line.mid(start, end - start);
    return value.isEmpty() ? QStringLiteral("0") : value;
}

std::optional<QString> TakeTagContents(QString& line, const QString& open, const QString& close)
{
    if (open.isEmpty())
        return std::nullopt;
    const qsizetype start = line.indexOf(open);
    if (start < 0)
        return std::nullopt;
    // The ">" ending the opening tag: the tag's own when `open` has it.
    const qsizetype tagEnd = line.indexOf(u'>', start + open.size() - 1);
    if (tagEnd < 0)
        return std::nullopt;
    const qsizetype closeAt = line.indexOf(close, tagEnd + 1);
    if (closeAt < 0)
        return std::nullopt;
    QString contents = line.mid(tagEnd + 1, closeAt - tagEnd - 1);
    line.remove(start, closeAt + close.size() - start);
    return contents;
}

bool CollectTagContents(QString& line, QStringList& list, const QString& open, const QString& close)
{
    while (std::optional<QString> contents = TakeTagContents(line, open, close))
        list << *contents;
    return !list.isEmpty();
}

bool StartsWithTable(const QStringList& lines)
{
    return !lines.isEmpty() && lines.front().startsWith(QStringLiteral("<TABLE"), Qt::CaseInsensitive);
}

TableFit ReadTableLines(const QStringList& lines, TableDescription& table)
{
    TableFit fit = TableFit::Whole;
    const bool hasCaption = lines.size() > 1 && lines[1].toUpper().contains(QStringLiteral("<CAPTION"));
    std::vector<RowCells> rows;
    int columns = 1;
    for (qsizetype index = hasCaption ? 2 : 1; index < lines.size(); ++index) {
        RowCells row = ReadRowCells(lines[index]);
        if (row.Empty())
            continue;
        if (static_cast<int>(rows.size()) == kMaxTableRows) {
            fit = TableFit::Cut;
            break;
        }
        const qsizetype cellCount = row.headings.size() + row.data.size();
        if (cellCount > kMaxTableColumns)
            fit = TableFit::Cut;
        columns = std::max(columns, static_cast<int>(std::min<qsizetype>(cellCount, kMaxTableColumns)));
        rows.push_back(std::move(row));
    }

    table.cells = GridCells(columns, std::max<int>(1, static_cast<int>(rows.size())));
    int headingRows = 0;
    for (int rowIndex = 0; rowIndex < static_cast<int>(rows.size()); ++rowIndex) {
        const RowCells& row = rows[rowIndex];
        const QStringList cells = row.headings + row.data;
        for (int column = 0; column < std::min<int>(columns, static_cast<int>(cells.size())); ++column)
            table.cells.SetCell(column, rowIndex, cells[column]);
        if (!row.headings.isEmpty() && row.data.isEmpty())
            ++headingRows;
    }
    table.headingRows = headingRows;
    table.headingColumns = std::min(HeadingColumns(rows), columns);

    const QString tableLine = lines.isEmpty() ? QString() : lines.front();
    table.border = WholeNumber(ReadTagNumber(QStringLiteral("Border"), tableLine));
    table.width = WholeNumber(ReadTagNumber(QStringLiteral("Width"), tableLine));
    table.height = WholeNumber(ReadTagNumber(QStringLiteral("Height"), tableLine));
    table.cellPadding = WholeNumber(ReadTagNumber(QStringLiteral("CellPadding"), tableLine));
    table.cellSpacing = WholeNumber(ReadTagNumber(QStringLiteral("CellSpacing"), tableLine));
    if (hasCaption)
        ReadCaption(lines[1], table);
    return fit;
}
