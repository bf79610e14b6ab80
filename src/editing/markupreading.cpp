#include "editing/markupreading.h"

#include "editing/htmlvocabulary.h"

#include <QTextBlock>
#include <QTextDocument>

#include <QHash>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string_view>

NameCase CaseOf(QStringView text)
{
    bool upper = false;
    bool lower = false;
    for (QChar c : text) {
        upper = upper || c.isUpper();
        lower = lower || c.isLower();
    }
    if (upper == lower)
        return NameCase::Unknown;
    return upper ? NameCase::Upper : NameCase::Lower;
}

namespace {

// What an element does to the open ones when it starts, and which implied
// ends it stops: bits, so that closing is a walk over numbers, not names.
enum Role : std::uint32_t {
    kParagraph = 1u << 0,
    kHead = 1u << 1,
    kListItem = 1u << 2,
    kDefinitionItem = 1u << 3,
    kRow = 1u << 4,
    kCell = 1u << 5,
    kTableSection = 1u << 6,
    kOption = 1u << 7,
    kStopsParagraphEnd = 1u << 8,
    kStopsListItemEnd = 1u << 9,
    kStopsDefinitionEnd = 1u << 10,
    kStopsRowEnd = 1u << 11,
    kStopsCellEnd = 1u << 12,
    kStopsSectionEnd = 1u << 13,
    kStopsOptionEnd = 1u << 14,
    kEndsParagraph = 1u << 15,
    kBody = 1u << 16,
    kEmpty = 1u << 17,
};

struct NamedRoles {
    const char* name;
    std::uint32_t roles;
};

// Starting an element of kEndsParagraph ends an open paragraph, unless an
// element of kStopsParagraphEnd stands between them; and so on for the
// other implied ends.
constexpr NamedRoles kRoles[] = {
    {"ADDRESS", kEndsParagraph | kStopsParagraphEnd},
    {"APPLET", kStopsParagraphEnd},
    {"BLOCKQUOTE", kEndsParagraph | kStopsParagraphEnd},
    {"BODY", kBody | kStopsParagraphEnd},
    {"BUTTON", kStopsParagraphEnd},
    {"CAPTION", kStopsParagraphEnd},
    {"CENTER", kEndsParagraph | kStopsParagraphEnd},
    {"DD", kDefinitionItem | kEndsParagraph | kStopsParagraphEnd},
    {"DIR", kEndsParagraph | kStopsListItemEnd},
    {"DIV", kEndsParagraph | kStopsParagraphEnd},
    {"DL", kEndsParagraph | kStopsDefinitionEnd},
    {"DT", kDefinitionItem | kEndsParagraph | kStopsParagraphEnd},
    {"FIELDSET", kEndsParagraph | kStopsParagraphEnd},
    {"FORM", kEndsParagraph | kStopsParagraphEnd},
    {"H1", kEndsParagraph},
    {"H2", kEndsParagraph},
    {"H3", kEndsParagraph},
    {"H4", kEndsParagraph},
    {"H5", kEndsParagraph},
    {"H6", kEndsParagraph},
    {"HEAD", kHead},
    {"HR", kEndsParagraph},
    {"ISINDEX", kEndsParagraph},
    {"LI", kListItem | kEndsParagraph | kStopsParagraphEnd},
    {"MENU", kEndsParagraph | kStopsListItemEnd},
    {"NOFRAMES", kEndsParagraph},
    {"NOSCRIPT", kEndsParagraph},
    {"OBJECT", kStopsParagraphEnd},
    {"OL", kEndsParagraph | kStopsListItemEnd},
    {"OPTGROUP", kStopsOptionEnd},
    {"OPTION", kOption},
    {"P", kParagraph | kEndsParagraph},
    {"PRE", kEndsParagraph},
    {"SELECT", kStopsOptionEnd},
    {"TABLE", kEndsParagraph | kStopsParagraphEnd | kStopsListItemEnd | kStopsDefinitionEnd | kStopsRowEnd |
                  kStopsCellEnd | kStopsSectionEnd},
    {"TBODY", kTableSection | kStopsRowEnd},
    {"TD", kCell | kStopsParagraphEnd},
    {"TFOOT", kTableSection | kStopsRowEnd},
    {"TH", kCell | kStopsParagraphEnd},
    {"THEAD", kTableSection | kStopsRowEnd},
    {"TR", kRow | kStopsCellEnd},
    {"UL", kEndsParagraph | kStopsListItemEnd},
};

static_assert(std::is_sorted(std::begin(kRoles), std::end(kRoles),
                             [](const NamedRoles& a, const NamedRoles& b) {
                                 return std::string_view(a.name) < std::string_view(b.name);
                             }),
              "looked up by halves");

// The lines of a document in order. A long stretch is read from one copy
// of the whole text; block by block, every line is copied out of the
// document's pieces by itself, which is most of the cost of a full read.
class DocumentLines {
public:
    DocumentLines(const QTextDocument& document, int first, int last) : document_(document)
    {
        if (last - first > MarkupCheckpoints::kLinesApart && last - first > document.blockCount() / 8)
            whole_ = document.toRawText();
        MoveTo(first);
    }
    void MoveTo(int number)
    {
        block_ = document_.findBlockByNumber(number);
        offset_ = block_.isValid() ? block_.position() : whole_.size() + 1;
    }
    bool AtEnd() const { return whole_.isNull() ? !block_.isValid() : offset_ > whole_.size(); }
    // The line at hand; the next is at hand after it.
    QStringView Take()
    {
        if (whole_.isNull()) {
            text_ = block_.text();
            block_ = block_.next();
            return text_;
        }
        qsizetype end = whole_.indexOf(QChar::ParagraphSeparator, offset_);
        if (end < 0)
            end = whole_.size();
        const QStringView line = QStringView(whole_).sliced(offset_, end - offset_);
        offset_ = end + 1;
        return line;
    }

private:
    const QTextDocument& document_;
    QString whole_;
    qsizetype offset_ = 0;
    QTextBlock block_;
    QString text_;
};

std::uint32_t RolesOfUpperName(const QString& upperName)
{
    const auto entry = std::lower_bound(std::begin(kRoles), std::end(kRoles), upperName,
                                        [](const NamedRoles& e, const QString& name) {
                                            return QLatin1StringView(e.name) < name;
                                        });
    std::uint32_t roles = entry != std::end(kRoles) && upperName == QLatin1StringView(entry->name) ? entry->roles : 0;
    if (IsEmptyHtmlElement(upperName))
        roles |= kEmpty;
    return roles;
}

// Pages spell the same few names over and over: each spelling is looked up
// once. Only the editor's thread reads markup.
std::uint32_t RolesOf(const QString& name)
{
    static QHash<QString, std::uint32_t> known;
    const auto found = known.constFind(name);
    if (found != known.constEnd())
        return *found;
    return *known.insert(name, RolesOfUpperName(name.toUpper()));
}

}  // namespace

void MarkupReading::ReadLine(QStringView line, Stop stop)
{
    state_ = ClassifyHtmlLine(line, state_, pieces_);
    for (const HtmlPiece& piece : pieces_) {
        const QStringView text = line.sliced(piece.start, piece.length);
        switch (piece.kind) {
        case HtmlPieceKind::TagMark:
            // Neighbouring marks come joined: "><" or "></".
            for (qsizetype i = 0; i < text.size(); ++i)
                Mark(text[i], i + 1 < text.size() ? text[i + 1] : QChar());
            break;
        case HtmlPieceKind::TagName:
            if (nameOpen_)
                tagName_ += text;
            break;
        case HtmlPieceKind::AttributeName:
            FinishName();
            if (inTag_)
                tagAttributes_ << text.toString();
            break;
        default:
            FinishName();
            break;
        }
    }
    const bool nameRunsToCaret = !pieces_.empty() && pieces_.back().kind == HtmlPieceKind::TagName &&
                                 pieces_.back().start + pieces_.back().length == line.size();
    if (stop == Stop::LineEnd || !nameRunsToCaret)
        FinishName();
}

void MarkupReading::Mark(QChar c, QChar next)
{
    if (c == QLatin1Char('<')) {
        FinishName();
        inTag_ = true;
        endTag_ = next == QLatin1Char('/');
        nameOpen_ = true;
        // Emptied, not freed: the next name and attributes reuse the room.
        tagName_.resize(0);
        tagAttributes_.clear();
    } else if (c == QLatin1Char('>')) {
        FinishName();
        if (inTag_) {
            closedTagAttributes_.swap(tagAttributes_);
            tagAttributes_.clear();
        }
        inTag_ = false;
    }
}

void MarkupReading::FinishName()
{
    if (!nameOpen_)
        return;
    nameOpen_ = false;
    if (tagName_.isEmpty())
        return;
    if (const NameCase c = CaseOf(tagName_); c != NameCase::Unknown)
        tagCase_ = c;
    if (endTag_)
        End(tagName_);
    else
        Start(tagName_);
}

void MarkupReading::CloseWithin(std::uint32_t targets, std::uint32_t bounds)
{
    for (auto i = openRoles_.size(); i-- > 0;) {
        if (openRoles_[i] & bounds)
            return;
        if (openRoles_[i] & targets) {
            open_.resize(i);
            openRoles_.resize(i);
            return;
        }
    }
}

void MarkupReading::Start(const QString& name)
{
    const std::uint32_t roles = RolesOf(name);
    if (roles & kBody)
        CloseWithin(kHead, 0);
    if (roles & kEndsParagraph)
        CloseWithin(kParagraph, kStopsParagraphEnd);
    if (roles & kListItem)
        CloseWithin(kListItem, kStopsListItemEnd);
    else if (roles & kDefinitionItem)
        CloseWithin(kDefinitionItem, kStopsDefinitionEnd);
    else if (roles & kRow)
        CloseWithin(kRow, kStopsRowEnd);
    else if (roles & kCell)
        CloseWithin(kCell, kStopsCellEnd);
    else if (roles & kTableSection)
        CloseWithin(kTableSection, kStopsSectionEnd);
    else if (roles & kOption)
        CloseWithin(kOption, kStopsOptionEnd);
    if (!(roles & kEmpty)) {
        // A copy of its own, so the name being read keeps its room.
        open_.push_back(QString(name.constData(), name.size()));
        openRoles_.push_back(roles);
    }
}

void MarkupReading::End(const QString& name)
{
    // An end tag closes its element and whatever was left open inside it;
    // one that matches nothing open is read by nobody.
    for (auto i = open_.size(); i-- > 0;) {
        if (open_[i].compare(name, Qt::CaseInsensitive) == 0) {
            open_.resize(i);
            openRoles_.resize(i);
            return;
        }
    }
}

bool MarkupReading::SameAs(const MarkupReading& other) const
{
    return state_ == other.state_ && open_ == other.open_ && tagCase_ == other.tagCase_ &&
           inTag_ == other.inTag_ && endTag_ == other.endTag_ && nameOpen_ == other.nameOpen_ &&
           tagName_ == other.tagName_ && tagAttributes_ == other.tagAttributes_ &&
           closedTagAttributes_ == other.closedTagAttributes_;
}

MarkupCheckpoints::MarkupCheckpoints(const QTextDocument& document)
    : document_(document), lineCount_(document.blockCount())
{
    checkpoints_.push_back({0, MarkupReading()});
    firstSuspect_ = checkpoints_.size();
    changes_ = QObject::connect(&document, &QTextDocument::contentsChange,
                                [this](int position, int, int added) { Changed(position, added); });
}

MarkupCheckpoints::~MarkupCheckpoints()
{
    QObject::disconnect(changes_);
}

void MarkupCheckpoints::Changed(int position, int added)
{
    // The reading at the start of a line depends only on the lines above it.
    const int firstChanged = document_.findBlock(position).blockNumber();
    const int lastChanged = document_.findBlock(position + added).blockNumber();
    const int shift = document_.blockCount() - lineCount_;
    lineCount_ = document_.blockCount();
    const auto below = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), firstChanged,
                                        [](int line, const Checkpoint& c) { return line < c.line; });
    // Those on lines that were replaced are gone; the others move with
    // their lines.
    const auto kept = std::find_if(below, checkpoints_.end(),
                                   [&](const Checkpoint& c) { return c.line + shift > lastChanged; });
    const auto firstBelow = std::size_t(below - checkpoints_.begin());
    checkpoints_.erase(below, kept);
    for (auto i = firstBelow; i < checkpoints_.size(); ++i)
        checkpoints_[i].line += shift;
    firstSuspect_ = std::min(firstSuspect_, firstBelow);
}

std::size_t MarkupCheckpoints::LastAtOrBefore(int line) const
{
    const auto after = std::upper_bound(checkpoints_.begin(), checkpoints_.end(), line,
                                        [](int l, const Checkpoint& c) { return l < c.line; });
    return std::size_t(after - checkpoints_.begin()) - 1;
}

MarkupReading MarkupCheckpoints::AtLineStart(int line)
{
    // The first checkpoint is at line 0 and never suspect.
    std::size_t from = std::min(LastAtOrBefore(line), firstSuspect_ - 1);
    MarkupReading reading = checkpoints_[from].reading;
    int number = checkpoints_[from].line;
    std::size_t next = from + 1;
    DocumentLines lines(document_, number, line);
    while (number < line && !lines.AtEnd()) {
        reading.ReadLine(lines.Take());
        ++number;
        if (next < checkpoints_.size() && checkpoints_[next].line == number) {
            // Reading only ever arrives at the first suspect one.
            if (next == firstSuspect_) {
                if (checkpoints_[next].reading.SameAs(reading)) {
                    // The markup agrees again: all below hold.
                    firstSuspect_ = checkpoints_.size();
                    from = LastAtOrBefore(line);
                    reading = checkpoints_[from].reading;
                    number = checkpoints_[from].line;
                    next = from + 1;
                    lines.MoveTo(number);
                    continue;
                }
                checkpoints_[next].reading = reading;
                ++firstSuspect_;
            }
            ++next;
        } else if (number - checkpoints_[next - 1].line >= kLinesApart) {
            checkpoints_.insert(checkpoints_.begin() + std::ptrdiff_t(next), Checkpoint{number, reading});
            ++firstSuspect_;
            ++next;
        }
    }
    return reading;
}
