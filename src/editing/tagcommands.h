#pragma once

#include <QString>

class EditControl;

// The markup commands of the tag menus. Each is one edit of the editor's text
// made as a program insertion (not undoable); with no selection they work at
// the caret.

// Puts "<tag>" at the selection start and "</tag>" at its end; the first "&"
// of `tag` is dropped, so a menu caption can be passed whole. Afterwards the
// tags and the old text are selected, or, with no selection, the caret stands
// between the two tags.
void InsertTagPair(EditControl& edit, QString tag);

// Turns the selected lines (or the caret's line) into a list: a line
// "<listTag>" before them, "<itemTag>" in front of each, a line "</listTag>"
// after them. The caret ends at the end of the last item.
void InsertList(EditControl& edit, const QString& listTag, const QString& itemTag);

// Collapses the selection to its start and inserts `tag` there; the caret ends
// after it and the old selection stays, unselected, behind it.
void InsertSingleTag(EditControl& edit, const QString& tag);

// Wraps the selection in a FONT tag carrying the colour given as six
// hexadecimal digits RRGGBB; the caret ends right after the opening tag.
void InsertFontColor(EditControl& edit, const QString& hexDigits);

enum class LetterCase { Upper, Lower };

// Changes the letters a to z (or A to Z) of the selection; no other character.
void ChangeLetterCase(EditControl& edit, LetterCase letterCase);

// The letter case asked for by a case menu item: only "U&PPER CASE" means upper.
LetterCase LetterCaseFromCaption(const QString& caption);

// The font style tags take the letter after the accelerator: "&Bold" gives "B".
QString StyleTagFromCaption(const QString& caption);

// Enter typed with the automatic line break on: the selection becomes "<BR>"
// and the key itself then adds the line break as usual.
void InsertAutoLineBreak(EditControl& edit);

// Only the letters a to z change; accented letters and every other character stay.
QString AsciiUpper(QString text);
QString AsciiLower(QString text);
