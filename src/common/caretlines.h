#pragma once

#include <QString>
#include <QStringList>

class EditControl;

// Where the caret and the selection are, in the line-and-column terms every
// editing command works with. Lines are 0-based, columns 1-based; a position
// at a line's end is its length + 1.

struct LineSpan {
    int start = 0;
    int end = 0;
};

// The line holding `position`; 0 means the caret's line (the selection start
// when there is a selection), so callers meaning the first line pass 1.
// A position beyond the end gives the last line.
int CaretLine(const EditControl& edit, int position = 0);

// Lines of the selection start and of the selection end. A selection ending
// right after a line break ends on the following line.
LineSpan SelectionLines(const EditControl& edit);

// Columns of the selection start on the start line and of the selection end
// on the end line.
LineSpan SelectionColumns(const EditControl& edit);

// Scrolls vertically so the line holding the selection start is the first
// visible line, as far as the editor can scroll.
void ScrollCaretLineToTop(EditControl& edit);

// Appends the pieces between separators (empty ones included) to `list`,
// which is not cleared. An unset text (empty, a blank, a control character)
// adds nothing.
void SplitAtChar(const QString& text, QStringList& list, QChar separator);

// "Line n/m   ": the caret's line and one more than the line count.
QString LineStatusText(const EditControl& edit);
