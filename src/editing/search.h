#pragma once

#include <QString>
#include <functional>

class EditControl;
class Prompts;

// Searches the editor forward from the line holding `start` (0: the caret's
// line), never wrapping and never across a line break. On the line holding
// the end of a non-empty selection only the part after the selection is
// searched; other lines from their first character. Without case
// sensitivity only the letters a to z match their capitals. Selects the
// match and returns true when found; an empty text is never found.
bool SearchEditor(EditControl& edit, const QString& text, int start, Qt::CaseSensitivity caseSensitivity);

enum class ReplaceCount { Once, All };

// Replaces the first match found by SearchEditor from `start`, and with
// ReplaceCount::All every later one, each search continuing after the
// previous replacement (so a replacement containing the text is not searched
// again). The last replacement is left selected. `progress` is called now
// and then during a long run, so the window can show how far it got.
// Returns the number of replacements.
int ReplaceInEditor(EditControl& edit, const QString& text, const QString& replacement, int start,
                    Qt::CaseSensitivity caseSensitivity, ReplaceCount count,
                    const std::function<void()>& progress = {});

// "Search String "text" not found"
QString NotFoundMessage(const QString& text);

// Asks for a line number and puts the caret at the start of that line
// (below 1: the first line; beyond the last: the end of the text), scrolled
// to the top. A value that is no integer raises the conversion error.
void JumpToLine(EditControl& edit, Prompts& prompts);
