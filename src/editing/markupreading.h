#pragma once

#include "editing/htmlclassifier.h"

#include <QMetaObject>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <vector>

class QTextDocument;

enum class NameCase { Unknown, Upper, Lower };
// Upper or lower when every letter of `text` is; Unknown for none or both.
NameCase CaseOf(QStringView text);

// Reads the source line by line with the tag rules of the preview and keeps
// what completion needs to know where it stands: the elements still open
// (ends of P, LI, DT, DD, TR, TD, TH and OPTION implied where a following
// tag closes them), the tag being read with its attributes, and the letter
// case of the last tag name. A value type: copies are checkpoints.
class MarkupReading {
public:
    // Whether the part read ends where the line does; at the caret a name
    // that runs up to it is still being typed and counts for nothing yet.
    enum class Stop { LineEnd, Caret };

    void ReadLine(QStringView line, Stop stop = Stop::LineEnd);

    HtmlLineState State() const { return state_; }
    // Outermost first, names as written.
    const std::vector<QString>& OpenElements() const { return open_; }
    NameCase TagCase() const { return tagCase_; }

    bool InTag() const { return inTag_; }
    bool InEndTag() const { return inTag_ && endTag_; }
    // The name of the tag being read, as written.
    const QString& TagName() const { return tagName_; }
    // Its attribute names so far, as written.
    const QStringList& TagAttributes() const { return tagAttributes_; }
    // The attribute names of the last tag that was closed by a ">".
    const QStringList& ClosedTagAttributes() const { return closedTagAttributes_; }
    // The pieces of the last line read, for a closer look at its end.
    const std::vector<HtmlPiece>& Pieces() const { return pieces_; }

    // Whether reading on from here and from `other` would read the same.
    bool SameAs(const MarkupReading& other) const;

private:
    void Mark(QChar c, QChar next);
    void FinishName();
    void Start(const QString& name);
    void End(const QString& name);
    // Pops up to and including the innermost element with a role among
    // `targets`, unless one with a role among `bounds` stands above it.
    void CloseWithin(std::uint32_t targets, std::uint32_t bounds);

    HtmlLineState state_ = kHtmlDocumentStart;
    std::vector<QString> open_;
    // The roles of each open element, looked up once when it started.
    std::vector<std::uint32_t> openRoles_;
    NameCase tagCase_ = NameCase::Unknown;
    bool inTag_ = false;
    bool endTag_ = false;
    bool nameOpen_ = false;
    QString tagName_;
    QStringList tagAttributes_;
    QStringList closedTagAttributes_;
    std::vector<HtmlPiece> pieces_;
};

// The readings at the start of every so many lines of a document: reading
// up to the caret then costs the lines since the nearest of them, not the
// whole text above. A change makes the readings below it suspect rather
// than lost: the next reading through the changed lines that arrives at
// one of them in the same state finds all of them right again, so an edit
// at the top of a long page costs the lines until the markup agrees again.
class MarkupCheckpoints {
public:
    explicit MarkupCheckpoints(const QTextDocument& document);
    ~MarkupCheckpoints();
    MarkupCheckpoints(const MarkupCheckpoints&) = delete;
    MarkupCheckpoints& operator=(const MarkupCheckpoints&) = delete;

    // The reading at the start of line `line`.
    MarkupReading AtLineStart(int line);
    // The last line whose reading is kept and holds.
    int LinesRead() const { return checkpoints_[firstSuspect_ - 1].line; }

    static constexpr int kLinesApart = 128;

private:
    struct Checkpoint {
        int line;
        MarkupReading reading;
    };
    void Changed(int position, int added);
    // The index of the last checkpoint at or before `line`.
    std::size_t LastAtOrBefore(int line) const;

    const QTextDocument& document_;
    int lineCount_;
    // By line, the first at line 0. From `firstSuspect_` on, each was read
    // before a change above it (all, when it equals the size).
    std::vector<Checkpoint> checkpoints_;
    std::size_t firstSuspect_ = 0;
    QMetaObject::Connection changes_;
};
