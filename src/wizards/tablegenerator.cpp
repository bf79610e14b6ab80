#include "wizards/tablegenerator.h"

namespace {

void AppendAttribute(QString& tag, const char* name, int value)
{
    if (value > 0)
        tag += QStringLiteral(" %1=%2").arg(QLatin1String(name)).arg(value);
}

QString CaptionLine(const TableDescription& table)
{
    QString line = WrapInTag(table.caption, QStringLiteral("CAPTION"));
    const qsizetype tagEnd = line.indexOf(u'>');
    if (table.captionAlignment == CaptionAlignment::Top)
        line.insert(tagEnd, QStringLiteral(" ALIGN=TOP"));
    else if (table.captionAlignment == CaptionAlignment::Bottom)
        line.insert(tagEnd, QStringLiteral(" ALIGN=BOTTOM"));
    return line;
}

}  // namespace

QString WrapInTag(const QString& text, const QString& tag)
{
    return QStringLiteral("<%1>%2</%1>").arg(tag, text);
}

void MakeTableLines(const TableDescription& table, QStringList& lines)
{
    lines.clear();
    QString tableTag = QStringLiteral("<TABLE");
    AppendAttribute(tableTag, "Border", table.border);
    AppendAttribute(tableTag, "Width", table.width);
    AppendAttribute(tableTag, "Height", table.height);
    AppendAttribute(tableTag, "CELLPADDING", table.cellPadding);
    AppendAttribute(tableTag, "CELLSPACING", table.cellSpacing);
    lines << tableTag + u'>';

    if (!table.caption.isEmpty())
        lines << CaptionLine(table);

    const GridCells& cells = table.cells;
    for (int row = 0; row < cells.Rows(); ++row) {
        QString line;
        for (int column = 0; column < cells.Columns(); ++column) {
            const bool heading = row < table.headingRows || column < table.headingColumns;
            line += heading ? QStringLiteral("<TH>") : QStringLiteral("<TD>");
            line += cells.Cell(column, row);
            line += heading ? QStringLiteral("</TH>") : QStringLiteral("</TD>");
        }
        lines << WrapInTag(line, QStringLiteral("TR"));
    }
    lines << QStringLiteral("</TABLE>");
}
