#pragma once

#include <QHash>
#include <QString>

#include <vector>

class ProblemList;
class TextLines;
struct PageTag;

// What the page names and refers to by name: links to "#bookmark" with no
// bookmark of that name, bookmarks defined twice, USEMAP naming no MAP, and
// form controls without the NAME their value is submitted under. Fed every
// tag in page order; reports once all are seen, as a link may come before
// its bookmark.
class NameChecks {
public:
    explicit NameChecks(const TextLines& lines) : lines_(lines) {}
    void Visit(const PageTag& tag, ProblemList& problems);
    void Report(ProblemList& problems) const;

private:
    struct Reference {
        QString name;
        int offset;
        int length;
    };
    void DefineBookmark(const QString& name, const PageTag& tag, ProblemList& problems);
    static void CheckFormControl(const PageTag& tag, ProblemList& problems);

    // Bookmarks by their name in upper case (the preview's rule): where the
    // first was defined and the spellings met.
    struct Bookmark {
        int offset;
        QStringList spellings;
    };
    const TextLines& lines_;
    QHash<QString, Bookmark> bookmarks_;
    std::vector<Reference> links_;
    QHash<QString, int> maps_;
    std::vector<Reference> mapUses_;
};
