#include "editing/completioncontext.h"

#include "viewer/htmlsymbols.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {

// Lines after the caret's that are read for the rest of its tag.
constexpr int kTagLinesAfterCaret = 20;

bool IsAsciiLetterOrDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
}

bool IsBlankOrNothing(QStringView prefix)
{
    return prefix.isEmpty() || prefix.back() == QLatin1Char(' ') || prefix.back() == QLatin1Char('\t');
}

bool EndsAt(const HtmlPiece& piece, qsizetype column)
{
    return piece.start + piece.length == column;
}

// "&" and up to the longest name's letters (digits after the first, as in
// frac12) right before the caret.
bool ReadEntityStart(QStringView prefix, CompletionContext& c)
{
    qsizetype i = prefix.size();
    while (i > 0 && IsAsciiLetterOrDigit(prefix[i - 1]) && prefix.size() - i <= MaxNamedCharacterLength)
        --i;
    if (i == 0 || prefix[i - 1] != QLatin1Char('&') || prefix.size() - i > MaxNamedCharacterLength)
        return false;
    const QStringView letters = prefix.sliced(i);
    if (!letters.isEmpty() && !letters.front().isLetter())
        return false;
    c.kind = CompletionKind::Entity;
    c.start = int(i);
    c.typed = letters.toString();
    return true;
}

// The letters typed right after `opening` ("</"), or -1 when the caret
// does not stand in such a name.
qsizetype NameAfter(QStringView prefix, QLatin1StringView opening)
{
    qsizetype i = prefix.size();
    while (i > 0 && prefix[i - 1].isLetter())
        --i;
    return prefix.sliced(0, i).endsWith(opening) ? i : -1;
}

// Where a name with a hyphen being typed in a tag (HTTP-EQUIV) starts, or
// -1. Markup reads such a name up to the hyphen only, yet the user types it
// as one.
qsizetype HyphenatedNameStart(QStringView prefix)
{
    qsizetype i = prefix.size();
    while (i > 0 && (prefix[i - 1].isLetter() || prefix[i - 1] == QLatin1Char('-')))
        --i;
    const QStringView name = prefix.sliced(i);
    if (!name.contains(QLatin1Char('-')) || !name.front().isLetter() || i == 0 ||
        !IsBlankOrNothing(prefix.sliced(0, i)))
        return -1;
    return i;
}

// The caret right after "=", blanks, a quote or part of a value.
void ReadValueStart(QStringView prefix, const HtmlPiece& value, CompletionContext& c)
{
    QStringView text = prefix.sliced(value.start, value.length);
    qsizetype skip = 0;
    while (skip < text.size() && (text[skip] == QLatin1Char('=') || text[skip] == QLatin1Char(' ') ||
                                  text[skip] == QLatin1Char('\t')))
        ++skip;
    if (skip < text.size() && (text[skip] == QLatin1Char('"') || text[skip] == QLatin1Char('\''))) {
        c.quote = text[skip];
        ++skip;
    }
    c.kind = CompletionKind::AttributeValue;
    c.start = int(value.start + skip);
    c.typed = text.sliced(skip).toString();
}

// The attributes written in the rest of the caret's tag, on its line and
// the few after it; `reading` stands at the caret.
QStringList AttributesAfterCaret(const QTextBlock& caretLine, qsizetype column, MarkupReading reading)
{
    const qsizetype before = reading.TagAttributes().size();
    reading.ReadLine(caretLine.text().mid(column));
    QTextBlock line = caretLine.next();
    for (int n = 0; reading.InTag() && line.isValid() && n < kTagLinesAfterCaret; ++n, line = line.next())
        reading.ReadLine(line.text());
    return (reading.InTag() ? reading.TagAttributes() : reading.ClosedTagAttributes()).mid(before);
}

}  // namespace

CompletionContext ReadCompletionContext(const QTextDocument& document, int position, MarkupCheckpoints& checkpoints)
{
    CompletionContext c;
    const QTextBlock line = document.findBlock(position);
    if (!line.isValid())
        return c;
    const qsizetype column = position - line.position();
    const QString lineText = line.text();
    const QStringView prefix = QStringView(lineText).left(column);

    MarkupReading reading = checkpoints.AtLineStart(line.blockNumber());
    reading.ReadLine(prefix, MarkupReading::Stop::Caret);
    const std::vector<HtmlPiece>& pieces = reading.Pieces();
    const HtmlPiece* last = pieces.empty() ? nullptr : &pieces.back();
    const HtmlPiece* beforeLast = pieces.size() < 2 ? nullptr : &pieces[pieces.size() - 2];

    switch (ReadingPlaceOf(reading.State())) {
    case HtmlReadingPlace::Text:
        // A "<" with nothing after it yet is text to the preview; the next
        // letter makes it a tag.
        if (prefix.endsWith(QLatin1Char('<'))) {
            c.kind = CompletionKind::ElementName;
            c.start = int(column);
        } else {
            ReadEntityStart(prefix, c);
        }
        break;
    case HtmlReadingPlace::Tag:
        if (last && EndsAt(*last, column) && last->kind == HtmlPieceKind::TagName) {
            const bool end = beforeLast && beforeLast->kind == HtmlPieceKind::TagMark &&
                             prefix.sliced(beforeLast->start, beforeLast->length).endsWith(QLatin1String("</"));
            c.kind = end ? CompletionKind::EndTag : CompletionKind::ElementName;
            c.start = last->start;
            c.typed = prefix.sliced(last->start, last->length).toString();
        } else if (last && EndsAt(*last, column) && last->kind == HtmlPieceKind::TagMark &&
                   prefix.sliced(last->start, last->length).endsWith(QLatin1String("</"))) {
            c.kind = CompletionKind::EndTag;
            c.start = int(column);
        } else if (reading.InEndTag() || !reading.InTag()) {
            break;
        } else if (last && EndsAt(*last, column) && last->kind == HtmlPieceKind::AttributeName) {
            c.kind = CompletionKind::AttributeName;
            c.start = last->start;
            c.typed = prefix.sliced(last->start, last->length).toString();
        } else if (last && EndsAt(*last, column) && last->kind == HtmlPieceKind::AttributeValue) {
            // An unquoted value being typed; a quoted one that is closed
            // takes nothing more.
            const QStringView value = prefix.sliced(last->start, last->length);
            const QChar first = value.size() > 1 ? value[1] : QChar();
            const bool closed = (first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.size() > 2 &&
                                value.back() == first;
            if (!closed)
                ReadValueStart(prefix, *last, c);
        } else if (IsBlankOrNothing(prefix)) {
            c.kind = CompletionKind::AttributeName;
            c.start = int(column);
        }
        break;
    case HtmlReadingPlace::BeforeValue:
        c.kind = CompletionKind::AttributeValue;
        c.start = int(column);
        break;
    case HtmlReadingPlace::QuotedValue:
        if (last && last->kind == HtmlPieceKind::AttributeValue && EndsAt(*last, column)) {
            ReadValueStart(prefix, *last, c);
        } else {
            // A value going on from the line above.
            c.kind = CompletionKind::AttributeValue;
            c.quote = QLatin1Char('"');
            c.typed = prefix.toString();
        }
        break;
    case HtmlReadingPlace::TextArea:
        // Its text runs to its own end tag, the one tag that can come here.
        if (const qsizetype start = NameAfter(prefix, QLatin1StringView("</")); start >= 0) {
            c.kind = CompletionKind::EndTag;
            c.start = int(start);
            c.typed = prefix.sliced(start).toString();
        }
        break;
    case HtmlReadingPlace::Other:
        // The rest of a tag after a character no name holds.
        if (reading.InTag() && !reading.InEndTag()) {
            if (const qsizetype start = HyphenatedNameStart(prefix); start >= 0) {
                c.kind = CompletionKind::AttributeName;
                c.start = int(start);
                c.typed = prefix.sliced(start).toString();
            }
        }
        break;
    case HtmlReadingPlace::Comment:
        break;
    }
    if (c.kind == CompletionKind::None)
        return c;

    c.start += line.position();
    c.documentCase = reading.TagCase();
    if (c.kind == CompletionKind::EndTag || c.kind == CompletionKind::ElementName) {
        // The name being typed is no tag yet, so the elements open are those
        // before it.
        const std::vector<QString>& open = reading.OpenElements();
        for (auto it = open.rbegin(); it != open.rend(); ++it) {
            if (!c.openElements.contains(*it, Qt::CaseInsensitive))
                c.openElements << *it;
        }
    }
    if (c.kind == CompletionKind::AttributeName || c.kind == CompletionKind::AttributeValue) {
        c.element = reading.TagName();
        QStringList written = reading.TagAttributes();
        if (c.kind == CompletionKind::AttributeValue && !written.isEmpty())
            c.attribute = written.back();
        // The name being typed is not yet one the tag has.
        if (c.kind == CompletionKind::AttributeName && !c.typed.isEmpty() && !written.isEmpty())
            written.removeLast();
        if (c.kind == CompletionKind::AttributeName)
            written += AttributesAfterCaret(line, column, reading);
        for (const QString& name : written) {
            if (!c.present.contains(name.toUpper()))
                c.present << name.toUpper();
        }
    }
    if (c.kind == CompletionKind::AttributeValue && !c.quote.isNull())
        c.closingQuoteFollows = lineText.mid(column).startsWith(c.quote);
    return c;
}
