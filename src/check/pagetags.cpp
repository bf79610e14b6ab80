#include "check/pagetags.h"

#include <algorithm>

namespace {

// Longer than any tag written by hand; a scan for the end stops there.
constexpr int kMaxTagLength = 8192;

bool IsNameStart(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

bool IsNameChar(QChar c)
{
    return IsNameStart(c) || c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('_') ||
           c == QLatin1Char(':') || c == QLatin1Char('.');
}

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\f');
}

class TagScanner {
public:
    explicit TagScanner(const QString& text) : text_(text), length_(int(text.size())) {}

    void Scan(const std::function<void(const PageTag&)>& visit)
    {
        while (at_ < length_) {
            const int open = int(text_.indexOf(QLatin1Char('<'), at_));
            if (open < 0)
                break;
            at_ = open + 1;
            if (at_ >= length_)
                break;
            const QChar next = text_[at_];
            if (next == QLatin1Char('!') || next == QLatin1Char('?')) {
                SkipDeclaration(open);
                continue;
            }
            const bool isEnd = next == QLatin1Char('/');
            if (isEnd)
                ++at_;
            if (at_ >= length_ || !IsNameStart(text_[at_]))
                continue;
            PageTag tag = ReadTag(open, isEnd);
            const bool raw = !tag.isEnd && (tag.name == QLatin1String("SCRIPT") || tag.name == QLatin1String("STYLE"));
            visit(tag);
            if (raw)
                SkipRawContent(tag.name);
        }
    }

private:
    void SkipDeclaration(int open)
    {
        if (text_.mid(open, 4) == QLatin1String("<!--")) {
            const int close = int(text_.indexOf(QLatin1String("-->"), open + 4));
            at_ = close < 0 ? length_ : close + 3;
            return;
        }
        const int close = int(text_.indexOf(QLatin1Char('>'), at_));
        at_ = close < 0 ? length_ : close + 1;
    }

    void SkipRawContent(const QString& name)
    {
        const int close = int(text_.indexOf(QLatin1String("</") + name, at_, Qt::CaseInsensitive));
        at_ = close < 0 ? length_ : close;
    }

    QString ReadName()
    {
        const int start = at_;
        while (at_ < length_ && IsNameChar(text_[at_]))
            ++at_;
        return text_.mid(start, at_ - start).toUpper();
    }

    void SkipBlanks()
    {
        while (at_ < length_ && IsBlank(text_[at_]))
            ++at_;
    }

    PageTag ReadTag(int open, bool isEnd)
    {
        PageTag tag;
        tag.offset = open;
        tag.isEnd = isEnd;
        tag.name = ReadName();
        for (;;) {
            SkipBlanks();
            if (at_ >= length_ || text_[at_] == QLatin1Char('>') || text_[at_] == QLatin1Char('<'))
                break;
            if (!IsNameStart(text_[at_])) {
                ++at_;  // a stray character, such as the "/" of "<BR/>"
                continue;
            }
            TagAttribute attribute;
            attribute.name = ReadName();
            SkipBlanks();
            if (at_ < length_ && text_[at_] == QLatin1Char('=')) {
                ++at_;
                SkipBlanks();
                ReadValue(attribute);
            }
            tag.attributes.push_back(std::move(attribute));
        }
        if (at_ < length_ && text_[at_] == QLatin1Char('>'))
            ++at_;
        tag.length = at_ - open;
        return tag;
    }

    void ReadValue(TagAttribute& attribute)
    {
        attribute.hasValue = true;
        if (at_ < length_ && (text_[at_] == QLatin1Char('"') || text_[at_] == QLatin1Char('\''))) {
            const QChar quote = text_[at_];
            const int start = at_ + 1;
            int close = int(text_.indexOf(quote, start));
            // A value left open runs to the tag's end at most, as browsers read it.
            if (close < 0) {
                close = int(text_.indexOf(QLatin1Char('>'), start));
                if (close < 0)
                    close = length_;
                at_ = close;
            } else {
                at_ = close + 1;
            }
            attribute.valueOffset = start;
            attribute.valueLength = close - start;
        } else {
            const int start = at_;
            while (at_ < length_ && !IsBlank(text_[at_]) && text_[at_] != QLatin1Char('>'))
                ++at_;
            attribute.valueOffset = start;
            attribute.valueLength = at_ - start;
        }
        attribute.value = text_.mid(attribute.valueOffset, attribute.valueLength);
    }

    const QString& text_;
    const int length_;
    int at_ = 0;
};

}  // namespace

const TagAttribute* PageTag::Attribute(QLatin1String wanted) const
{
    for (const TagAttribute& attribute : attributes)
        if (attribute.name == wanted)
            return &attribute;
    return nullptr;
}

std::optional<QString> PageTag::Value(QLatin1String wanted) const
{
    const TagAttribute* attribute = Attribute(wanted);
    if (!attribute || !attribute->hasValue)
        return std::nullopt;
    return attribute->value;
}

void ForEachTag(const QString& text, const std::function<void(const PageTag&)>& visit)
{
    TagScanner(text).Scan(visit);
}

std::vector<PageTag> ScanTags(const QString& text)
{
    std::vector<PageTag> tags;
    ForEachTag(text, [&tags](const PageTag& tag) { tags.push_back(tag); });
    return tags;
}

int MarkupLengthAt(const QString& text, int offset)
{
    const int length = int(text.size());
    if (offset < 0 || offset >= length)
        return 0;
    const QChar first = text[offset];
    if (first == QLatin1Char('&')) {
        int end = offset + 1;
        if (end < length && text[end] == QLatin1Char('#'))
            ++end;
        while (end < length && (text[end].isLetterOrNumber()))
            ++end;
        if (end < length && text[end] == QLatin1Char(';'))
            ++end;
        return end - offset;
    }
    if (first != QLatin1Char('<'))
        return 1;
    // A tag may run over several lines; one that never closes is taken to
    // the end of its line.
    const int limit = std::min(length, offset + kMaxTagLength);
    QChar quote;
    for (int end = offset + 1; end < limit; ++end) {
        const QChar c = text[end];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('>')) {
            return end + 1 - offset;
        } else if (c == QLatin1Char('<')) {
            break;
        }
    }
    int end = offset + 1;
    while (end < length && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n') &&
           text[end] != QLatin1Char('>') && text[end] != QLatin1Char('<'))
        ++end;
    return std::min(end, length) - offset;
}
