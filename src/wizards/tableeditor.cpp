#include "wizards/tableeditor.h"

#include "common/caretlines.h"
#include "platform/editcontrol.h"

QStringList LinesUnderSelection(const EditControl& edit)
{
    const LineSpan lines = SelectionLines(edit);
    QStringList result;
    for (int line = lines.start; line <= lines.end; ++line)
        result << edit.Line(line);
    return result;
}

void InsertTableLines(EditControl& edit, const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    // One replacement, so the editor lays out and signals its change once.
    edit.ReplaceSelection(text, UndoMode::NotAllowed);
}

bool RunTableCommand(EditControl& edit, const std::function<bool(QStringList&)>& wizard)
{
    QStringList lines = LinesUnderSelection(edit);
    if (!wizard(lines))
        return false;
    InsertTableLines(edit, lines);
    return true;
}
