#include "wizards/tablefiles.h"

#include "platform/prompts.h"
#include "platform/textcodec.h"
#include "wizards/tabledescription.h"

namespace {

const QString kFilter = QStringLiteral("Text Files|*.TXT|All Files|*.*");
const QString kExtension = QStringLiteral("TXT");

// The text as a list of lines, as a string list reads a file: a final
// line break ends the last line rather than starting an empty one.
QStringList FileLines(const QString& text)
{
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

}  // namespace

bool ImportTableFile(Prompts& prompts, GridCells& cells)
{
    FileDialogOptions options;
    options.title = QStringLiteral("Import Table Data");
    options.fileName = QStringLiteral("*.TXT");
    options.filter = kFilter;
    options.defaultExtension = kExtension;
    const std::optional<QString> path = prompts.OpenFileName(options);
    if (!path)
        return false;

    const DecodedText file = LoadTextFile(*path);
    // A NUL never occurs in text: this is a picture, a program or the like.
    if (file.text.contains(QChar(0))) {
        prompts.Message(QStringLiteral("%1 is not a text file; the table is unchanged.").arg(*path),
                        MessageKind::Warning, MessageButtons::Ok);
        return false;
    }
    const QStringList lines = FileLines(file.text);
    if (lines.isEmpty()) {
        prompts.Message(QStringLiteral("%1 holds no table data; the table is unchanged.").arg(*path),
                        MessageKind::Information, MessageButtons::Ok);
        return false;
    }
    if (!LoadGridRows(lines, cells, kTableFileQuote, GridLimits{kMaxTableColumns, kMaxTableRows})) {
        prompts.Message(QStringLiteral("%1 has more than %2 rows or more than %3 columns; "
                                       "only the first %2 rows and %3 columns were imported.")
                            .arg(*path)
                            .arg(kMaxTableRows)
                            .arg(kMaxTableColumns),
                        MessageKind::Warning, MessageButtons::Ok);
    }
    return true;
}

bool ExportTableFile(Prompts& prompts, const GridCells& cells)
{
    FileDialogOptions options;
    options.title = QStringLiteral("Export Table Data");
    options.filter = kFilter;
    options.defaultExtension = kExtension;
    const std::optional<QString> path = prompts.SaveFileName(options);
    if (!path)
        return false;
    QStringList lines;
    SaveGridRows(lines, cells, kTableFileQuote);
    SaveTextFile(*path, lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    return true;
}
