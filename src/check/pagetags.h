#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <vector>

// An attribute as written, with the place of its value in the text.
struct TagAttribute {
    QString name;  // upper case
    QString value;
    bool hasValue = false;
    int valueOffset = 0;  // inside the quotes, when quoted
    int valueLength = 0;
};

// A start or end tag of the page, from its "<" to its ">".
struct PageTag {
    QString name;  // upper case, without the "/"
    bool isEnd = false;
    int offset = 0;
    int length = 0;
    std::vector<TagAttribute> attributes;

    const TagAttribute* Attribute(QLatin1String name) const;
    // The attribute's value when it is there with one.
    std::optional<QString> Value(QLatin1String name) const;
};

// Every tag of the page in order, the way a browser reads them: comments,
// declarations and the content of SCRIPT and STYLE hold no tags; a quoted
// value may hold ">". A "<" that starts no tag name is text. Linear in the
// text's length, whatever the text holds.
void ForEachTag(const QString& text, const std::function<void(const PageTag&)>& visit);
std::vector<PageTag> ScanTags(const QString& text);

// The extent of the markup that starts at `offset`: a tag or declaration up
// to its ">", an entity up to its ";" or the end of its name, else the one
// character. A tag without ">" ends at the end of its line.
int MarkupLengthAt(const QString& text, int offset);
