#pragma once

#include <QStringList>
#include <functional>

class EditControl;

// The editor's lines from the selection start's to the selection end's
// (the caret's line when nothing is selected).
QStringList LinesUnderSelection(const EditControl& edit);

// Puts each line, followed by a line break, in place of the selected
// characters (at the caret when nothing is selected). Only the selected
// characters are replaced, not the whole lines they lie on.
void InsertTableLines(EditControl& edit, const QStringList& lines);

// The table command: hands the lines under the selection to `wizard`, which
// returns true on OK with the new table in the list; the table then takes
// the selection's place. On Cancel the editor is left alone.
bool RunTableCommand(EditControl& edit, const std::function<bool(QStringList&)>& wizard);
