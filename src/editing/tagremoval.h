#pragma once

#include <QString>
#include <optional>

class EditControl;

// A pair of tags the selection begins and ends with.
struct TagPairAtSelection {
    int openStart = 0;   // position of the opening tag's "<"
    int openEnd = 0;     // position just after its ">"
    int closeStart = 0;  // position of the closing tag's "<"
    int closeEnd = 0;    // position just after its ">"
    QString openText;    // "<FONT SIZE=2>"
    QString closeText;   // "/FONT>": the "<" is not kept
};

// The tags the selection begins with ("<" at its first character, through the
// next ">" on that line) and ends with (">" as its last character, back to the
// nearest "<" on that line), when both exist and the opening one ends before
// the closing one begins.
std::optional<TagPairAtSelection> FindTagPairAtSelection(const EditControl& edit);

// "Remo&ve <B>..</B>" for the remove entry, each tag cut to 20 characters.
QString RemoveTagCaption(const TagPairAtSelection& tags);

// Deletes both tags of the selection, keeping the text between them; the
// caret ends at the end of the start line, nothing selected. Does nothing
// when the selection is not framed by a tag pair.
void RemoveTagPair(EditControl& edit);

// Selects the caret's whole line (without its line break).
void SelectCaretLine(EditControl& edit);
