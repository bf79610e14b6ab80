#include "viewer/htmlreader.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif


namespace {

inline bool IsLetter(char16_t c) { return char16_t((c | 0x20) - 'a') < 26; }
inline bool IsDigit(char16_t c) { return c >= '0' && c <= '9'; }
inline char16_t Upper(char16_t c) { return (c >= 'a' && c <= 'z') ? char16_t(c - 32) : c; }
inline bool IsBlankOrLineEnd(char16_t c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }
inline bool IsHexLetter(char16_t c) { return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
// Not white space of any kind, so a value that starts and ends with one needs no trimming.
inline bool IsPrintableAscii(QChar c) { return c.unicode() > ' ' && c.unicode() < 127; }

// The number of a value: its text without a trailing "%", 0 when that is not a decimal number.
int ValueNumber(QStringView v)
{
    if (v.endsWith(QLatin1Char('%')))
        v.chop(1);
    if (v.isEmpty())
        return 0;
    // Most values are words or short numbers: only the rest (signs, blanks
    // around, overflow) needs Qt's parser.
    const char16_t first = v.front().unicode();
    if (first > ' ' && first < 128 && !IsDigit(first) && first != '+' && first != '-')
        return 0;
    if (v.size() <= 9 && std::all_of(v.begin(), v.end(), [](QChar c) { return IsDigit(c.unicode()); })) {
        int n = 0;
        for (QChar c : v)
            n = n * 10 + (c.unicode() - '0');
        return n;
    }
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok ? n : 0;
}

// The characters below 64 that a plain run stops at, one bit each: those
// ReadChar may return other than they stand in the source (line ends, tabs,
// the end of text, the start of a comment) and the ones that end a value.
constexpr uint64_t Bit(char16_t c) { return uint64_t(1) << c; }
constexpr uint64_t kReadChanges = Bit('\r') | Bit('\n') | Bit('\t') | Bit(HtmlReader::EofChar) | Bit('<');
constexpr uint64_t kValueEnds = kReadChanges | Bit('>');
// Text runs stop at any control character, a blank (one that another
// blank or line end follows is no longer plain) and the markup characters.
constexpr uint64_t kTextEnds = 0xFFFFFFFFu | Bit(' ') | Bit('&') | Bit('<') | Bit('>');

inline bool InSet(char16_t c, uint64_t set) { return c < 64 && (set >> c) & 1; }

// Where the plain text from `j` ends, at `limit` at the latest: at the first
// character of kTextEnds, unless that is a blank that a word follows.
qsizetype PlainTextEnd(const char16_t* s, qsizetype j, qsizetype limit, qsizetype n)
{
    const auto endsHere = [&](qsizetype k) {
        const char16_t d = s[k];
        return InSet(d, kTextEnds) && (d != ' ' || k + 1 >= n || IsBlankOrLineEnd(s[k + 1]));
    };
#if defined(__SSE2__)
    // Eight characters at a time; a block with no control character (nor
    // one from 0x8000 up, which compares as negative), no markup character
    // and no blank before a character below 33 is plain. A single blank
    // between words, the most common stop otherwise, lets the block pass.
    const __m128i control = _mm_set1_epi16(' ');
    const __m128i below = _mm_set1_epi16(' ' + 1);
    const __m128i amp = _mm_set1_epi16('&');
    const __m128i lt = _mm_set1_epi16('<');
    const __m128i gt = _mm_set1_epi16('>');
    // The character after the block is read too: the blank at its end needs it.
    while (j + 9 <= limit) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + j));
        const __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + j + 1));
        const __m128i blankBeforeBlank = _mm_and_si128(_mm_cmpeq_epi16(v, control), _mm_cmplt_epi16(next, below));
        const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmplt_epi16(v, control), blankBeforeBlank),
                                          _mm_or_si128(_mm_cmpeq_epi16(v, amp),
                                                       _mm_or_si128(_mm_cmpeq_epi16(v, lt), _mm_cmpeq_epi16(v, gt))));
        const unsigned mask = unsigned(_mm_movemask_epi8(hits));
        if (mask == 0) {
            j += 8;
            continue;
        }
        j += std::countr_zero(mask) / 2;
        if (endsHere(j))
            return j;
        ++j;
    }
#endif
    while (j < limit && !endsHere(j))
        ++j;
    return j;
}

} // namespace

HtmlReader::HtmlReader(QString source) : src_(std::move(source))
{
    s_ = reinterpret_cast<const char16_t*>(src_.constData());
    n_ = src_.size();
    TokenText.reserve(MaxTextToken + 8);
    Advance();
}

char16_t HtmlReader::ReadChar()
{
    tabRead_ = false;
    for (;;) {
        chAt_ = i_;
        if (i_ >= n_)
            return EofChar;
        const char16_t c = s_[i_++];
        switch (c) {
        case '\r':
            if (i_ < n_ && s_[i_] == '\n')
                ++i_;
            return '\r';
        case '\n':
            if (i_ < n_ && s_[i_] == '\r')
                ++i_;
            return '\r';
        case '\t':
            tabRead_ = true;
            return ' ';
        case EofChar:
            i_ = n_;
            return EofChar;
        case '<':
            if (i_ < n_ && s_[i_] == '!') {
                if (!SkipComment()) {
                    // Everything read so far stands; the error comes with the end of the text.
                    i_ = n_;
                    openComment_ = true;
                    return EofChar;
                }
                continue;
            }
            return '<';
        default:
            return c;
        }
    }
}

bool HtmlReader::SkipComment()
{
    // s_[i_] is the "!".
    ++i_;
    if (i_ + 1 < n_ && s_[i_] == '-' && s_[i_ + 1] == '-') {
        qsizetype j = i_ + 2;
        for (;;) {
            while (j + 1 < n_ && !(s_[j] == '-' && s_[j + 1] == '-'))
                ++j;
            if (j + 1 >= n_)
                return false;
            qsizetype k = j + 2;
            while (k < n_ && s_[k] == '-')
                ++k;
            while (k < n_ && (s_[k] == ' ' || s_[k] == '\r' || s_[k] == '\n' || s_[k] == '\t'))
                ++k;
            if (k < n_ && s_[k] == '>') {
                i_ = k + 1;
                return true;
            }
            if (k >= n_)
                return false;
            j += 1;
        }
    }
    while (i_ < n_ && s_[i_] != '>')
        ++i_;
    if (i_ >= n_)
        return false;
    ++i_;
    return true;
}

inline bool HtmlReader::TagStartsHere() const
{
    // ch_ is a "<"; the raw character after it decides, as in every browser.
    if (ch_ != '<' || i_ >= n_)
        return false;
    const char16_t next = s_[i_];
    return IsLetter(next) || next == '/' || next == '?' || next == '!';
}

inline void HtmlReader::SkipBlanks()
{
    while (ch_ == ' ' || ch_ == '\r')
        Advance();
}

void HtmlReader::Next()
{
    TokenStart = int(chAt_);
    switch (ch_) {
    case EofChar:
        Sym = TagSymbol::EofSy;
        return;
    case '<':
        if (TagStartsHere()) {
            ReadTag();
            return;
        }
        ReadText();
        return;
    case '&':
        ReadEntity();
        return;
    case '\r':
        if (inPre_) {
            Sym = TagSymbol::EolSy;
            Advance();
            return;
        }
        ReadText();
        return;
    default:
        if (ch_ < 32) {
            Sym = TagSymbol::OtherChar;
            Advance();
            return;
        }
        ReadText();
        return;
    }
}

namespace {

// The source runs of a text token as it grows: pieces that follow on from
// the one before, in text and in source, are handed over as one.
class SpanCollector {
public:
    explicit SpanCollector(TextSource& source) : runs_(source) {}
    ~SpanCollector() { Flush(); }
    void Span(int at, int source, int count)
    {
        if (count_ && at_ + count_ == at && from_ + count_ == source) {
            count_ += count;
            return;
        }
        Flush();
        at_ = at;
        from_ = source;
        count_ = count;
    }
    void Packed(int at, int source, int sourceEnd)
    {
        if (sourceEnd - source == 1) {
            Span(at, source, 1);
            return;
        }
        Flush();
        runs_.AddPacked(at, source, sourceEnd);
    }

private:
    void Flush()
    {
        if (count_)
            runs_.AddSpan(at_, from_, count_);
        count_ = 0;
    }
    TextSource& runs_;
    int at_ = 0;
    int from_ = 0;
    int count_ = 0;
};

} // namespace

void HtmlReader::ReadText()
{
    Sym = TagSymbol::TextSy;
    TokenSource.Clear();
    SpanCollector spans(TokenSource);
    // Gathered here and handed over in one piece: a token is short and the
    // reader reads tens of thousands of them.
    char16_t text[MaxTextToken];
    int size = 0;
    while (size < MaxTextToken) {
        const char16_t c = ch_;
        if (c == '&' || c == EofChar || (c == '<' && TagStartsHere()))
            break;
        if (c == '<' || c == '>') {
            // Outside a tag these are the author's own characters (a < b, a > b).
            spans.Span(size, int(chAt_), 1);
            text[size++] = c;
            Advance();
            continue;
        }
        if (c == ' ' || c == '\r') {
            if (inPre_) {
                if (c == '\r')
                    break;
                if (tabRead_) {
                    // A tab is a token of its own: the blanks it becomes all
                    // stand for that one character of the source.
                    if (size == 0) {
                        spans.Span(0, int(chAt_), 1);
                        text[size++] = '\t';
                        Advance();
                    }
                    break;
                }
                spans.Span(size, int(chAt_), 1);
                text[size++] = c;
                Advance();
                continue;
            }
            // A run of blanks and line ends is one blank; the ones after
            // the first all read as themselves, so they are skipped in the
            // source, and a comment between them by ReadChar.
            const int blankAt = int(chAt_);
            text[size++] = ' ';
            do {
                while (i_ < n_ && IsBlankOrLineEnd(s_[i_]))
                    ++i_;
                Advance();
            } while (ch_ == ' ' || ch_ == '\r');
            spans.Packed(size - 1, blankAt, int(chAt_));
            continue;
        }
        if (c < 32)
            break;
        if (!inPre_) {
            // Plain words are taken straight from the source in one piece.
            const qsizetype start = i_ - 1;
            const qsizetype limit = std::min(n_, start + (MaxTextToken - size));
            const qsizetype j = PlainTextEnd(s_, i_, limit, n_);
            spans.Span(size, int(start), int(j - start));
            std::copy(s_ + start, s_ + j, text + size);
            size += int(j - start);
            i_ = j;
            Advance();
            continue;
        }
        spans.Span(size, int(chAt_), 1);
        text[size++] = c;
        Advance();
    }
    TokenText.resize(size);
    std::copy(text, text + size, reinterpret_cast<char16_t*>(TokenText.data()));
}

void HtmlReader::ReadEntity()
{
    Sym = TagSymbol::TextSy;
    // ch_ is the "&", the character before i_.
    const qsizetype start = i_ - 1;
    const CharacterReference reference = ReadCharacterReference(QStringView(s_ + start, n_ - start));
    TokenSource.Clear();
    if (reference.character) {
        if (reference.character < 0xD800) {
            TokenText.resize(1);
            TokenText.data()[0] = QChar(char16_t(reference.character));
        } else {
            TokenText = QString::fromUcs4(&reference.character, 1);
        }
        TokenSource.AddPacked(0, int(start), int(start + reference.length));
        if (TokenText.size() > 1)   // a pair of surrogates: the second stands for nothing more
            TokenSource.AddPacked(1, int(start + reference.length), int(start + reference.length));
    } else {
        TokenText.resize(reference.length);
        std::copy(s_ + start, s_ + start + reference.length, reinterpret_cast<char16_t*>(TokenText.data()));
        TokenSource.AddSpan(0, int(start), int(reference.length));
    }
    // A reference is letters, digits and signs, which reach ch_ as they stand.
    i_ = start + reference.length;
    Advance();
}

void HtmlReader::ReadTag()
{
    Advance();   // the "<"
    bool endTag = false;
    if (ch_ == '/') {
        endTag = true;
        Advance();
    }
    Sym = IsLetter(ch_) ? LookupTag(ReadName(), endTag) : TagSymbol::CommandSy;
    SkipBlanks();
    if (Sym == TagSymbol::HeadingSy || Sym == TagSymbol::HeadingEndSy) {
        HeadingLevel = 0;
        if (ch_ >= '1' && ch_ <= '6') {
            HeadingLevel = ch_ - '0';
            Advance();
        }
    }
    if (TagStoresAttributes(Sym)) {
        Attributes.Clear();
        ReadAttributes(Attributes);
    } else {
        dropped_.Clear();
        ReadAttributes(dropped_);
    }
    while (ch_ != '>' && ch_ != EofChar)
        Advance();
    if (ch_ == '>')
        Advance();
}

inline uint64_t HtmlReader::ReadName()
{
    // Letters reach ch_ as they stand in the source, so the name is read
    // there and packed on the way; only a comment inside it interrupts.
    uint64_t key = 0;
    qsizetype length = 0;
    while (IsLetter(ch_)) {
        qsizetype j = i_ - 1;
        for (; j < n_ && IsLetter(s_[j]); ++j)
            key = PackNameLetter(key, s_[j]);
        length += j - (i_ - 1);
        i_ = j;
        Advance();
    }
    return length <= MaxPackedName ? key : 0;
}

void HtmlReader::ReadAttributes(TAttributeList& list)
{
    SkipBlanks();
    while (IsLetter(ch_)) {
        TAttribute& attr = list.AddNew();
        attr.Which = LookupAttribute(ReadName());
        SkipBlanks();
        if (ch_ == '=') {
            Advance();
            SkipBlanks();
            if (ch_ == '"' || ch_ == '\'') {
                const char16_t quote = ch_;
                Advance();
                while (ch_ != quote && ch_ != '>' && ch_ != EofChar) {
                    if (ch_ == '\r') {   // line ends inside are dropped
                        Advance();
                    } else if (tabRead_) {
                        attr.Name.append(QLatin1Char(' '));
                        Advance();
                    } else {
                        TakePlain(attr.Name, quote);
                    }
                }
                if (ch_ == quote)
                    Advance();
                if (!attr.Name.isEmpty() && !(IsPrintableAscii(attr.Name.front()) && IsPrintableAscii(attr.Name.back())))
                    attr.Name = std::move(attr.Name).trimmed();   // in place
                attr.Value = ValueNumber(attr.Name);
            } else {
                ReadUnquotedValue(attr);
            }
        } else {
            attr.Value = attr.Which == TagSymbol::BorderSy ? 1 : 0;
        }
        SkipBlanks();
    }
}

void HtmlReader::TakePlain(QString& value, char16_t end)
{
    // ch_ stands in the source as it is: it and the characters after it
    // that would reach ch_ unchanged go into the value in one piece.
    const qsizetype start = i_ - 1;
    qsizetype j = i_;
    const uint64_t ends = kValueEnds | Bit(end);
    while (j < n_ && !InSet(s_[j], ends))
        ++j;
    value.append(QStringView(s_ + start, j - start));
    i_ = j;
    Advance();
}

void HtmlReader::ReadUnquotedValue(TAttribute& attr)
{
    while (ch_ != ' ' && ch_ != '\r' && ch_ != '>' && ch_ != EofChar)
        TakePlain(attr.Name, ' ');
    // A value that goes on after its number ("89.gif", "100px") is a word;
    // its number is the one it starts with: a sign or digit, then digits or
    // the letters A to F, then a "%".
    const QStringView word(attr.Name);
    qsizetype number = 0;
    if (!word.isEmpty() && (word[0] == QLatin1Char('+') || word[0] == QLatin1Char('-') || IsDigit(word[0].unicode()))) {
        number = 1;
        while (number < word.size() && (IsDigit(word[number].unicode()) || IsHexLetter(word[number].unicode())))
            ++number;
        if (number < word.size() && word[number] == QLatin1Char('%'))
            ++number;
    }
    attr.Value = ValueNumber(word.first(number));
    if (attr.Value == 0)
        attr.Value = ValueNumber(word);
}

QStringList HtmlReader::ReadTextAreaLines()
{
    QStringList lines;
    QString line;
    for (;;) {
        if (ch_ == EofChar) {
            if (!line.isEmpty())
                lines << line;
            Sym = TagSymbol::EofSy;
            return lines;
        }
        if (ch_ == '\r') {
            lines << line;
            line.clear();
            Advance();
            continue;
        }
        if (ch_ == '<') {
            QString word = QStringLiteral("<");
            Advance();
            if (ch_ == '/') {
                word.append(QLatin1Char('/'));
                Advance();
            }
            while (IsLetter(ch_)) {
                word.append(QChar(ch_));
                Advance();
            }
            if (word.compare(QLatin1String("</textarea"), Qt::CaseInsensitive) == 0) {
                while (ch_ != '>' && ch_ != EofChar)
                    Advance();
                if (ch_ == '>')
                    Advance();
                if (!line.isEmpty())
                    lines << line;
                return lines;
            }
            line += word;
            continue;
        }
        line.append(QChar(ch_));
        Advance();
    }
}
