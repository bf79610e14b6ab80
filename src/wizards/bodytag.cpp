#include "wizards/bodytag.h"

#include "common/colorhex.h"

#include <optional>

namespace {

bool IsQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

// Where one attribute stands in a tag text: its name, and its value
// without quotes; `end` is just after the attribute (after a closing quote).
struct AttrSpan {
    qsizetype nameStart = 0;
    qsizetype valueStart = 0;
    qsizetype valueEnd = 0;
    qsizetype end = 0;
};

// Walks the tag attribute by attribute, so a name inside a quoted value or
// at the end of a longer name is never taken for the attribute.
std::optional<AttrSpan> FindAttr(const QString& tag, const QString& name)
{
    const qsizetype size = tag.size();
    qsizetype at = 0;
    // The tag's own name ("<BODY") is no attribute.
    if (at < size && tag[at] == QLatin1Char('<')) {
        ++at;
        while (at < size && !tag[at].isSpace() && tag[at] != QLatin1Char('>'))
            ++at;
    }
    const auto skipSpaces = [&] {
        while (at < size && tag[at].isSpace())
            ++at;
    };
    while (true) {
        skipSpaces();
        if (at >= size || tag[at] == QLatin1Char('>'))
            return std::nullopt;
        AttrSpan span;
        span.nameStart = at;
        while (at < size && !tag[at].isSpace() && tag[at] != QLatin1Char('=') && tag[at] != QLatin1Char('>'))
            ++at;
        // A stray character that starts no name is stepped over.
        if (at == span.nameStart)
            ++at;
        const QStringView attrName = QStringView(tag).mid(span.nameStart, at - span.nameStart);
        span.valueStart = span.valueEnd = span.end = at;
        qsizetype afterName = at;
        skipSpaces();
        if (at < size && tag[at] == QLatin1Char('=')) {
            ++at;
            skipSpaces();
            if (at < size && IsQuote(tag[at])) {
                const QChar quote = tag[at];
                span.valueStart = ++at;
                while (at < size && tag[at] != quote)
                    ++at;
                span.valueEnd = at;
                if (at < size)
                    ++at;
            } else {
                span.valueStart = at;
                while (at < size && !tag[at].isSpace() && tag[at] != QLatin1Char('>'))
                    ++at;
                span.valueEnd = at;
            }
            span.end = at;
        } else {
            at = afterName;
        }
        if (attrName.compare(name, Qt::CaseInsensitive) == 0)
            return span;
    }
}

QString QuotedAttrText(const QString& name, const QString& value)
{
    return QStringLiteral(" %1=\"%2\" ").arg(name, value);
}

}  // namespace

QString BodyColorAttrName(BodyColorAttr attr)
{
    switch (attr) {
    case BodyColorAttr::Text:
        return QStringLiteral("TEXT");
    case BodyColorAttr::Background:
        return QStringLiteral("BGCOLOR");
    case BodyColorAttr::Link:
        return QStringLiteral("LINK");
    }
    return {};
}

QString BodyColorAttrText(BodyColorAttr attr, const QColor& colour)
{
    return QuotedAttrText(BodyColorAttrName(attr), QLatin1Char('#') + ColorToHex(colour));
}

QString BackgroundAttrText(const QString& path)
{
    return QuotedAttrText(QStringLiteral("BACKGROUND"), path);
}

QString GetAttrValue(const QString& name, const QString& tag)
{
    const std::optional<AttrSpan> span = FindAttr(tag, name);
    if (!span)
        return {};
    return tag.mid(span->valueStart, span->valueEnd - span->valueStart);
}

QString SetAttr(const QString& tag, const QString& name, const QString& text)
{
    QString result = tag;
    // The closing ">" always stays the tag's last character.
    const qsizetype closing = result.endsWith(QLatin1Char('>')) ? result.size() - 1 : result.size();
    const std::optional<AttrSpan> span = FindAttr(tag, name);
    if (!span) {
        result.insert(closing, text);
        return result;
    }
    // The blank before the name and the one after the attribute go with it,
    // so `text`, blanks at both ends, takes their places.
    const qsizetype insertAt =
        span->nameStart > 0 && result[span->nameStart - 1].isSpace() ? span->nameStart - 1 : span->nameStart;
    result.remove(insertAt, std::min(span->end, closing) - insertAt);
    if (insertAt < result.size() && result[insertAt].isSpace())
        result.remove(insertAt, 1);
    result.insert(insertAt, text);
    return result;
}

QString BodySamplePage()
{
    return QStringLiteral(
        "<center><h1>Heading</h1></center><ul>Some normal text.<li><a href=NoWhere>HotSpot Item</a>"
        "<li><b>Bold Text</b><li><i>Italicized Text</i><li><code>Code Text</code></ul><hr>");
}
