#pragma once

#include <QString>

#include <vector>

// Lines and columns of a text whose line breaks are CR LF (a lone CR or LF
// also ends a line), as the editor counts them: lines from 1, columns from 1
// in the text's own characters.
class TextLines {
public:
    explicit TextLines(const QString& text);

    struct Place {
        int line = 1;
        int column = 1;
    };
    Place PlaceOf(int offset) const;

    // The offset of a place given by a counter that sees each character
    // (code point) as one column and each tab as one column, as the markup
    // checker is set to count. A place past the line's end gives the end.
    int OffsetOfCodePointColumn(int line, int column) const;

    int LineCount() const { return int(starts_.size()); }

private:
    // Where each line's text ends, its break not included.
    int LineEnd(int lineIndex) const;

    // Characters outside the basic plane before `offset` on its line, from
    // `lineStart`: each is two of the editor's characters but one column.
    int PairsBetween(int lineStart, int offset) const;

    const QString& text_;
    std::vector<int> starts_;
    // Where each surrogate pair starts, in order.
    std::vector<int> pairs_;
};
