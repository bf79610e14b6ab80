#include "editing/usertaglibrary.h"

#include "common/settingsfolder.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// The text as a list of lines, as a string list reads a file: a final line
// break ends the last line rather than starting an empty one.
QStringList FileLines(const QString& text)
{
    QStringList lines = text.split(kLineBreak);
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

bool AnyText(const QStringList& fields, qsizetype from)
{
    return std::any_of(fields.begin() + std::min(from, fields.size()), fields.end(),
                       [](const QString& field) { return !field.isEmpty(); });
}

// Whether text would be lost: fields past the widest row kept, or whole lines
// past the last row.
bool LosesText(const QStringList& lines)
{
    QStringList fields;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        SplitDelimitedLine(lines[line], fields, kUserTagQuote);
        if (AnyText(fields, line < kUserTagRows ? kMaxUserTagColumns : 0))
            return true;
    }
    return false;
}

}  // namespace

QString UserTagLibraryPath(const QString& programFolder)
{
    return QDir(SettingsFolder(programFolder)).filePath(QStringLiteral("usertags.lst"));
}

UserTagLibrary LoadUserTagLibrary(const QString& path)
{
    UserTagLibrary library;
    if (!QFileInfo::exists(path))
        return library;
    const DecodedText file = LoadTextFile(path);
    library.format = file.format;
    const QStringList lines = FileLines(file.text);
    GridCells cells(kUserTagColumns, 0);
    if (!LoadGridRows(lines, cells, kUserTagQuote, GridLimits{kMaxUserTagColumns, kUserTagRows}))
        library.cut = LosesText(lines);
    cells.Resize(cells.Columns(), kUserTagRows);
    library.cells = std::move(cells);
    return library;
}

bool SaveUserTagLibrary(const QString& path, const GridCells& cells, const FileFormat& format)
{
    GridCells stored = cells;
    bool gravesLeftOut = false;
    for (int row = 0; row < stored.Rows(); ++row) {
        for (int column = 0; column < stored.Columns(); ++column) {
            if (stored.Cell(column, row).contains(kUserTagQuote)) {
                stored.SetCell(column, row, QString(stored.Cell(column, row)).remove(kUserTagQuote));
                gravesLeftOut = true;
            }
        }
    }
    QStringList lines;
    SaveGridRows(lines, stored, kUserTagQuote);
    SaveTextFile(path, lines.join(kLineBreak) + kLineBreak, format);
    return gravesLeftOut;
}
