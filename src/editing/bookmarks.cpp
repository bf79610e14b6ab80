#include "editing/bookmarks.h"

#include "platform/editcontrol.h"

namespace {

const QString kNamedAnchor = QStringLiteral("<A NAME=");

// The text after `open` up to the next `close`, or to the line's end.
QString TextUpTo(const QString& line, int open, QChar close)
{
    const int end = static_cast<int>(line.indexOf(close, open + 1));
    return end < 0 ? line.mid(open + 1) : line.mid(open + 1, end - open - 1);
}

// The value written after "NAME=". A quoted value runs to its closing quote
// (or the line's end); an unquoted one, as HTML allows, to a blank or the
// tag's ">". A quote further on belongs to another attribute or tag, never
// to this name.
QString NameValue(const QString& line, int valueStart)
{
    int at = valueStart;
    while (at < line.size() && line[at] == QLatin1Char(' '))
        ++at;
    if (at >= line.size())
        return {};
    const QChar first = line[at];
    if (first == QLatin1Char('"') || first == QLatin1Char('\''))
        return TextUpTo(line, at, first);
    int end = at;
    while (end < line.size() && line[end] != QLatin1Char(' ') && line[end] != QLatin1Char('>') &&
           line[end] != QLatin1Char('\t'))
        ++end;
    return line.mid(at, end - at);
}

}  // namespace

std::optional<Bookmark> BookmarkInLine(const QString& line)
{
    // Searching without regard to case keeps positions exact; upper-casing
    // the line first could change its length (as "ß" becomes "SS").
    const int anchor = static_cast<int>(line.indexOf(kNamedAnchor, 0, Qt::CaseInsensitive));
    if (anchor < 0)
        return std::nullopt;

    Bookmark bookmark;
    bookmark.name = NameValue(line, anchor + static_cast<int>(kNamedAnchor.size()));
    const int tagEnd = static_cast<int>(line.indexOf(QLatin1Char('>'), anchor));
    if (tagEnd >= 0)
        bookmark.description = TextUpTo(line, tagEnd, QLatin1Char('<'));
    if (bookmark.name.isEmpty())
        return std::nullopt;
    return bookmark;
}

std::vector<Bookmark> CollectBookmarks(const EditControl& edit)
{
    std::vector<Bookmark> bookmarks;
    const int lines = edit.LineCount();
    for (int line = 0; line < lines; ++line) {
        if (std::optional<Bookmark> bookmark = BookmarkInLine(edit.Line(line)))
            bookmarks.push_back(std::move(*bookmark));
    }
    return bookmarks;
}
