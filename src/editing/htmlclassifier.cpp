#include "editing/htmlclassifier.h"

#include "viewer/htmlsymbols.h"

#include <QLatin1StringView>


namespace {

// Where the reading stands. Comments and declarations remember the place
// they interrupted, since the preview takes them out before it reads tags.
enum Place : int {
    InText = 0,
    InHeadingLevel,   // after the name H: blanks, then the level digit
    InAttributes,     // between attributes
    InAttributeName,
    AfterAttributeName,
    BeforeValue,      // after "="
    InDoubleQuoted,
    InSingleQuoted,
    InWord,           // a value without quotes
    InSkippedRest,    // the rest of a tag, up to ">", read by nobody
    InComment,
    AfterCommentDashes,
    AfterCommentBlanks,
    InDeclaration,
    InTextArea,
};

constexpr int kPlaceBits = 5;
constexpr int kPlaceMask = (1 << kPlaceBits) - 1;
constexpr int kTextAreaFlag = 1 << (2 * kPlaceBits);
static_assert(2 * kTextAreaFlag <= kHtmlLineStateLimit);

struct Reading {
    Place place = InText;
    Place resumeAfterComment = InText;
    // The tag being read is a TEXTAREA start tag: its content follows.
    bool textAreaOpening = false;

    static Reading From(HtmlLineState state)
    {
        Reading r;
        r.place = Place(state & kPlaceMask);
        r.resumeAfterComment = Place((state >> kPlaceBits) & kPlaceMask);
        r.textAreaOpening = (state & kTextAreaFlag) != 0;
        return r;
    }
    HtmlLineState ToState() const
    {
        return int(place) | (int(resumeAfterComment) << kPlaceBits) | (textAreaOpening ? kTextAreaFlag : 0);
    }
};

inline bool IsLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}
// Tabs are blanks to the preview.
inline bool IsBlank(QChar c) { return c.unicode() == ' ' || c.unicode() == '\t'; }
// Characters that end a run of plain text.
inline bool EndsText(QChar c)
{
    const char16_t u = c.unicode();
    return u == '<' || u == '&' || (u < 32 && u != '\t');
}

class LineReader {
public:
    LineReader(QStringView line, Reading reading, std::vector<HtmlPiece>& pieces)
        : line_(line), n_(int(line.size())), r_(reading), pieces_(pieces)
    {
    }

    Reading Run()
    {
        while (i_ < n_)
            Step();
        EndOfLine();
        return r_;
    }

private:
    QChar At(int i) const { return i < n_ ? line_[i] : QChar(); }

    void Add(int to, HtmlPieceKind kind)
    {
        if (to <= i_)
            return;
        if (!pieces_.empty() && pieces_.back().kind == kind && pieces_.back().start + pieces_.back().length == i_)
            pieces_.back().length += to - i_;
        else
            pieces_.push_back({i_, to - i_, kind});
        i_ = to;
    }

    bool ReadsComments() const
    {
        return r_.place != InComment && r_.place != AfterCommentDashes && r_.place != AfterCommentBlanks &&
               r_.place != InDeclaration;
    }

    void Step()
    {
        const QChar c = line_[i_];
        if (c == QLatin1Char('<') && At(i_ + 1) == QLatin1Char('!') && ReadsComments()) {
            r_.resumeAfterComment = r_.place;
            if (At(i_ + 2) == QLatin1Char('-') && At(i_ + 3) == QLatin1Char('-')) {
                r_.place = InComment;
                Add(i_ + 4, HtmlPieceKind::Comment);
            } else {
                r_.place = InDeclaration;
                Add(i_ + 2, HtmlPieceKind::Declaration);
            }
            return;
        }
        switch (r_.place) {
        case InText:
            TextStep(c);
            return;
        case InHeadingLevel:
            if (IsBlank(c))
                return Add(i_ + 1, HtmlPieceKind::Text);
            r_.place = InAttributes;
            if (c.unicode() >= '1' && c.unicode() <= '6')
                Add(i_ + 1, HtmlPieceKind::TagName);
            return;
        case InAttributes:
        case AfterAttributeName:
            if (IsBlank(c))
                return Add(i_ + 1, HtmlPieceKind::Text);
            if (c == QLatin1Char('=') && r_.place == AfterAttributeName) {
                r_.place = BeforeValue;
                return Add(i_ + 1, HtmlPieceKind::AttributeValue);
            }
            if (IsLetter(c))
                r_.place = InAttributeName;
            else if (c == QLatin1Char('>'))
                EndTag();
            else
                r_.place = InSkippedRest;
            return;
        case InAttributeName: {
            int j = i_;
            while (j < n_ && IsLetter(line_[j]))
                ++j;
            Add(j, HtmlPieceKind::AttributeName);
            r_.place = AfterAttributeName;
            return;
        }
        case BeforeValue:
            if (IsBlank(c))
                return Add(i_ + 1, HtmlPieceKind::Text);
            if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                r_.place = c == QLatin1Char('"') ? InDoubleQuoted : InSingleQuoted;
                return Add(i_ + 1, HtmlPieceKind::AttributeValue);
            }
            if (c == QLatin1Char('>'))
                return EndTag();
            // Numbers too: a value that goes on after its number ("89.gif")
            // is a word.
            r_.place = InWord;
            return;
        case InDoubleQuoted:
        case InSingleQuoted: {
            // The preview ends the value, and the tag, at a ">" even inside quotes.
            const QChar quote = r_.place == InDoubleQuoted ? QLatin1Char('"') : QLatin1Char('\'');
            int j = i_;
            while (j < n_ && line_[j] != quote && line_[j] != QLatin1Char('>') && !StartsComment(j))
                ++j;
            if (j < n_ && line_[j] == quote) {
                r_.place = InAttributes;
                return Add(j + 1, HtmlPieceKind::AttributeValue);
            }
            Add(j, HtmlPieceKind::AttributeValue);
            if (j < n_ && line_[j] == QLatin1Char('>'))
                EndTag();
            return;
        }
        case InWord:
            if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('>')) {
                r_.place = InAttributes;
                return;
            }
            return Add(i_ + 1, HtmlPieceKind::AttributeValue);
        case InSkippedRest:
            if (c == QLatin1Char('>'))
                return EndTag();
            return Add(i_ + 1, HtmlPieceKind::Ignored);
        case InComment:
            if (c == QLatin1Char('-') && At(i_ + 1) == QLatin1Char('-')) {
                r_.place = AfterCommentDashes;
                return Add(i_ + 2, HtmlPieceKind::Comment);
            }
            return Add(i_ + 1, HtmlPieceKind::Comment);
        case AfterCommentDashes:
        case AfterCommentBlanks:
            // "--", more dashes, blanks and line ends, then ">"; anything else
            // and the search for the end goes on from that character.
            if (c == QLatin1Char('>')) {
                Add(i_ + 1, HtmlPieceKind::Comment);
                r_.place = r_.resumeAfterComment;
            } else if (c == QLatin1Char('-') && r_.place == AfterCommentDashes) {
                Add(i_ + 1, HtmlPieceKind::Comment);
            } else if (IsBlank(c)) {
                r_.place = AfterCommentBlanks;
                Add(i_ + 1, HtmlPieceKind::Comment);
            } else {
                r_.place = InComment;
            }
            return;
        case InDeclaration:
            if (c == QLatin1Char('>'))
                r_.place = r_.resumeAfterComment;
            return Add(i_ + 1, HtmlPieceKind::Declaration);
        case InTextArea:
            TextAreaStep(c);
            return;
        }
        // A state no line can end in: read on as text rather than stall.
        r_.place = InText;
    }

    bool StartsComment(int j) const { return line_[j] == QLatin1Char('<') && At(j + 1) == QLatin1Char('!'); }
    // As in every browser, the character after a "<" decides: "a < b" and
    // "<3" are text.
    bool StartsTag(int j) const
    {
        const QChar next = At(j + 1);
        return IsLetter(next) || next == QLatin1Char('/') || next == QLatin1Char('?') || next == QLatin1Char('!');
    }

    void TextStep(QChar c)
    {
        if (c == QLatin1Char('<') && StartsTag(i_))
            return StartTag();
        if (c == QLatin1Char('<'))
            return Add(i_ + 1, HtmlPieceKind::Text);
        if (c == QLatin1Char('&'))
            return Entity();
        if (EndsText(c))
            return Add(i_ + 1, HtmlPieceKind::Ignored);
        int j = i_ + 1;
        while (j < n_ && !EndsText(line_[j]))
            ++j;
        Add(j, HtmlPieceKind::Text);
    }

    void StartTag()
    {
        int j = i_ + 1;
        const bool endTag = At(j) == QLatin1Char('/');
        if (endTag)
            ++j;
        Add(j, HtmlPieceKind::TagMark);
        while (j < n_ && IsLetter(line_[j]))
            ++j;
        const QStringView name = line_.sliced(i_, j - i_);
        Add(j, HtmlPieceKind::TagName);
        r_.textAreaOpening = !endTag && name.compare(QLatin1StringView("textarea"), Qt::CaseInsensitive) == 0;
        r_.place = name.compare(QLatin1StringView("h"), Qt::CaseInsensitive) == 0 ? InHeadingLevel : InAttributes;
    }

    void EndTag()
    {
        Add(i_ + 1, HtmlPieceKind::TagMark);
        r_.place = r_.textAreaOpening ? InTextArea : InText;
        r_.textAreaOpening = false;
    }

    void Entity()
    {
        const CharacterReference reference = ReadCharacterReference(line_.sliced(i_));
        Add(i_ + int(reference.length), reference.character ? HtmlPieceKind::Entity : HtmlPieceKind::Text);
    }

    // Inside a TEXTAREA only its end tag is markup; any other "<" is text.
    void TextAreaStep(QChar c)
    {
        if (c != QLatin1Char('<')) {
            int j = i_ + 1;
            while (j < n_ && line_[j] != QLatin1Char('<'))
                ++j;
            return Add(j, HtmlPieceKind::Text);
        }
        int j = i_ + 1;
        const bool slash = At(j) == QLatin1Char('/');
        if (slash)
            ++j;
        const int nameStart = j;
        while (j < n_ && IsLetter(line_[j]))
            ++j;
        const QStringView name = line_.sliced(nameStart, j - nameStart);
        if (!slash || name.compare(QLatin1StringView("textarea"), Qt::CaseInsensitive) != 0)
            return Add(j, HtmlPieceKind::Text);
        Add(nameStart, HtmlPieceKind::TagMark);
        Add(j, HtmlPieceKind::TagName);
        r_.place = InSkippedRest;
    }

    void EndOfLine()
    {
        // A line break is a blank inside tags and comments.
        switch (r_.place) {
        case InAttributeName:
            r_.place = AfterAttributeName;
            break;
        case InWord:
            r_.place = InAttributes;
            break;
        case AfterCommentDashes:
            r_.place = AfterCommentBlanks;
            break;
        default:
            break;
        }
    }

    QStringView line_;
    int n_ = 0;
    int i_ = 0;
    Reading r_;
    std::vector<HtmlPiece>& pieces_;
};

}  // namespace

HtmlLineState ClassifyHtmlLine(QStringView line, HtmlLineState state, std::vector<HtmlPiece>& pieces)
{
    pieces.clear();
    return LineReader(line, Reading::From(state), pieces).Run().ToState();
}

HtmlReadingPlace ReadingPlaceOf(HtmlLineState state)
{
    switch (Reading::From(state).place) {
    case InText:
        return HtmlReadingPlace::Text;
    case InHeadingLevel:
    case InAttributes:
    case InAttributeName:
    case AfterAttributeName:
    case InWord:
        return HtmlReadingPlace::Tag;
    case BeforeValue:
        return HtmlReadingPlace::BeforeValue;
    case InDoubleQuoted:
    case InSingleQuoted:
        return HtmlReadingPlace::QuotedValue;
    case InComment:
    case AfterCommentDashes:
    case AfterCommentBlanks:
    case InDeclaration:
        return HtmlReadingPlace::Comment;
    case InTextArea:
        return HtmlReadingPlace::TextArea;
    case InSkippedRest:
        break;
    }
    return HtmlReadingPlace::Other;
}
