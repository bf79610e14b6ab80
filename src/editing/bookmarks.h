#pragma once

#include <QString>
#include <optional>
#include <vector>

class EditControl;

// A named anchor of the document: the name a link jumps to, and the text the
// anchor encloses, offered as the link's text.
struct Bookmark {
    QString name;
    QString description;

    bool operator==(const Bookmark&) const = default;
};

// The named anchor of one line: only the first "<A NAME=" counts, in any
// letter case; name and description keep their own case. The description
// runs from the anchor's ">" to the next "<" or the line's end. Nothing when
// the line holds no anchor or its name is empty.
std::optional<Bookmark> BookmarkInLine(const QString& line);

// The bookmarks of the whole document, in document order, at most one per line.
std::vector<Bookmark> CollectBookmarks(const EditControl& edit);
