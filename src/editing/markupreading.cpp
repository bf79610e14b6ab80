#include "editing/markupreading.h"

#include "editing/htmlvocabulary.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

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

bool IsAmong(const QString& upperName, std::initializer_list<const char*> names)
{
    return std::any_of(names.begin(), names.end(),
                       [&](const char* n) { return upperName == QLatin1StringView(n); });
}

// Starting one of these ends an open paragraph.
bool EndsParagraph(const QString& u)
{
    return IsAmong(u, {"P", "H1", "H2", "H3", "H4", "H5", "H6", "UL", "OL", "DL", "DIR", "MENU", "PRE", "DIV",
                       "CENTER", "BLOCKQUOTE", "FORM", "HR", "TABLE", "ADDRESS", "FIELDSET", "ISINDEX", "LI", "DT",
                       "DD", "NOSCRIPT", "NOFRAMES"});
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
        tagName_.clear();
        tagAttributes_.clear();
    } else if (c == QLatin1Char('>')) {
        FinishName();
        if (inTag_)
            closedTagAttributes_ = tagAttributes_;
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

void MarkupReading::CloseWithin(std::initializer_list<const char*> targets, std::initializer_list<const char*> bounds)
{
    for (auto i = open_.size(); i-- > 0;) {
        const QString u = open_[i].toUpper();
        if (IsAmong(u, bounds))
            return;
        if (IsAmong(u, targets)) {
            open_.resize(i);
            return;
        }
    }
}

void MarkupReading::Start(const QString& name)
{
    const QString u = name.toUpper();
    if (u == QLatin1StringView("BODY"))
        CloseWithin({"HEAD"}, {});
    if (EndsParagraph(u)) {
        CloseWithin({"P"}, {"TD", "TH", "CAPTION", "TABLE", "LI", "DD", "DT", "BLOCKQUOTE", "DIV", "CENTER", "FORM",
                            "BODY", "BUTTON", "OBJECT", "APPLET", "FIELDSET", "ADDRESS"});
    }
    if (u == QLatin1StringView("LI"))
        CloseWithin({"LI"}, {"UL", "OL", "DIR", "MENU", "TABLE"});
    else if (u == QLatin1StringView("DT") || u == QLatin1StringView("DD"))
        CloseWithin({"DT", "DD"}, {"DL", "TABLE"});
    else if (u == QLatin1StringView("TR"))
        CloseWithin({"TR"}, {"TABLE", "THEAD", "TBODY", "TFOOT"});
    else if (u == QLatin1StringView("TD") || u == QLatin1StringView("TH"))
        CloseWithin({"TD", "TH"}, {"TR", "TABLE"});
    else if (IsAmong(u, {"THEAD", "TBODY", "TFOOT"}))
        CloseWithin({"THEAD", "TBODY", "TFOOT"}, {"TABLE"});
    else if (u == QLatin1StringView("OPTION"))
        CloseWithin({"OPTION"}, {"SELECT", "OPTGROUP"});
    if (!IsEmptyHtmlElement(u))
        open_.push_back(name);
}

void MarkupReading::End(const QString& name)
{
    // An end tag closes its element and whatever was left open inside it;
    // one that matches nothing open is read by nobody.
    for (auto i = open_.size(); i-- > 0;) {
        if (open_[i].compare(name, Qt::CaseInsensitive) == 0) {
            open_.resize(i);
            return;
        }
    }
}

MarkupCheckpoints::MarkupCheckpoints(const QTextDocument& document) : document_(document)
{
    changes_ = QObject::connect(&document, &QTextDocument::contentsChange, [this](int position, int, int) {
        Forget(document_.findBlock(position).blockNumber());
    });
}

MarkupCheckpoints::~MarkupCheckpoints()
{
    QObject::disconnect(changes_);
}

void MarkupCheckpoints::Forget(int changedLine)
{
    // The reading at the start of a line depends only on the lines above it.
    const auto keep = std::size_t(std::max(changedLine, 0) / kLinesApart + 1);
    if (checkpoints_.size() > keep)
        checkpoints_.resize(keep);
}

MarkupReading MarkupCheckpoints::AtLineStart(int line)
{
    if (checkpoints_.empty())
        checkpoints_.emplace_back();
    const auto nearest = std::min(checkpoints_.size() - 1, std::size_t(line / kLinesApart));
    MarkupReading reading = checkpoints_[nearest];
    int number = int(nearest) * kLinesApart;
    for (QTextBlock block = document_.findBlockByNumber(number); block.isValid() && number < line;
         block = block.next()) {
        reading.ReadLine(block.text());
        ++number;
        if (number % kLinesApart == 0 && std::size_t(number / kLinesApart) == checkpoints_.size())
            checkpoints_.push_back(reading);
    }
    return reading;
}
