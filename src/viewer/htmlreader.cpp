#include "viewer/htmlreader.h"

#include <algorithm>


namespace {

inline bool IsLetter(char16_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
inline bool IsDigit(char16_t c) { return c >= '0' && c <= '9'; }
inline char16_t Upper(char16_t c) { return (c >= 'a' && c <= 'z') ? char16_t(c - 32) : c; }
inline bool IsBlankOrLineEnd(char16_t c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }
inline bool IsHexLetter(char16_t c) { return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// The number of a value: its text without a trailing "%", 0 when that is not a decimal number.
int ValueNumber(const QString& text)
{
    QStringView v(text);
    if (v.endsWith(QLatin1Char('%')))
        v.chop(1);
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok ? n : 0;
}

} // namespace

HtmlReader::HtmlReader(QString source) : src_(std::move(source))
{
    s_ = reinterpret_cast<const char16_t*>(src_.constData());
    n_ = src_.size();
    TokenText.reserve(MaxTextToken + 8);
    name_.reserve(32);
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

bool HtmlReader::TagStartsHere() const
{
    // ch_ is a "<"; the raw character after it decides, as in every browser.
    if (ch_ != '<' || i_ >= n_)
        return false;
    const char16_t next = s_[i_];
    return IsLetter(next) || next == '/' || next == '?' || next == '!';
}

void HtmlReader::SkipBlanks()
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

void HtmlReader::ReadText()
{
    Sym = TagSymbol::TextSy;
    TokenText.resize(0);
    TokenSource.Clear();
    while (TokenText.size() < MaxTextToken) {
        const char16_t c = ch_;
        if (c == '&' || c == EofChar || (c == '<' && TagStartsHere()))
            break;
        if (c == '<' || c == '>') {
            // Outside a tag these are the author's own characters (a < b, a > b).
            TokenSource.AddSpan(int(TokenText.size()), int(chAt_), 1);
            TokenText.append(QChar(c));
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
                    if (TokenText.isEmpty()) {
                        TokenSource.AddSpan(0, int(chAt_), 1);
                        TokenText.append(QLatin1Char('\t'));
                        Advance();
                    }
                    break;
                }
                TokenSource.AddSpan(int(TokenText.size()), int(chAt_), 1);
                TokenText.append(QChar(c));
                Advance();
                continue;
            }
            // A run of blanks and line ends is one blank.
            const int blankAt = int(chAt_);
            TokenText.append(QLatin1Char(' '));
            do
                Advance();
            while (ch_ == ' ' || ch_ == '\r');
            TokenSource.AddPacked(int(TokenText.size()) - 1, blankAt, int(chAt_));
            continue;
        }
        if (c < 32)
            break;
        if (!inPre_) {
            // Plain words are taken straight from the source in one piece.
            const qsizetype start = i_ - 1;
            const qsizetype limit = std::min(n_, start + (MaxTextToken - TokenText.size()));
            qsizetype j = i_;
            while (j < limit) {
                const char16_t d = s_[j];
                if (d == ' ') {
                    if (j + 1 >= n_ || IsBlankOrLineEnd(s_[j + 1]))
                        break;
                } else if (d < 32 || d == '<' || d == '&' || d == '>') {
                    break;
                }
                ++j;
            }
            TokenSource.AddSpan(int(TokenText.size()), int(start), int(j - start));
            TokenText.append(QStringView(s_ + start, j - start));
            i_ = j;
            Advance();
            continue;
        }
        TokenSource.AddSpan(int(TokenText.size()), int(chAt_), 1);
        TokenText.append(QChar(c));
        Advance();
    }
}

void HtmlReader::ReadEntity()
{
    Sym = TagSymbol::TextSy;
    // ch_ is the "&", the character before i_.
    const qsizetype start = i_ - 1;
    const CharacterReference reference = ReadCharacterReference(QStringView(s_ + start, n_ - start));
    TokenSource.Clear();
    if (reference.character) {
        TokenText = QString::fromUcs4(&reference.character, 1);
        TokenSource.AddPacked(0, int(start), int(start + reference.length));
        if (TokenText.size() > 1)   // a pair of surrogates: the second stands for nothing more
            TokenSource.AddPacked(1, int(start + reference.length), int(start + reference.length));
    } else {
        TokenText = QStringView(s_ + start, reference.length).toString();
        TokenSource.AddSpan(0, int(start), int(reference.length));
    }
    for (qsizetype k = 0; k < reference.length; ++k)
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
    name_.resize(0);
    while (IsLetter(ch_)) {
        if (name_.size() < MaxName)
            name_.append(QChar(Upper(ch_)));
        Advance();
    }
    Sym = name_.isEmpty() ? TagSymbol::CommandSy : LookupTag(name_, endTag);
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

void HtmlReader::ReadAttributes(TAttributeList& list)
{
    SkipBlanks();
    while (IsLetter(ch_)) {
        name_.resize(0);
        while (IsLetter(ch_)) {
            if (name_.size() < MaxName)
                name_.append(QChar(Upper(ch_)));
            Advance();
        }
        TAttribute& attr = list.AddNew();
        attr.Which = LookupAttribute(name_);
        SkipBlanks();
        if (ch_ == '=') {
            Advance();
            SkipBlanks();
            if (ch_ == '"' || ch_ == '\'') {
                const char16_t quote = ch_;
                Advance();
                while (ch_ != quote && ch_ != '>' && ch_ != EofChar) {
                    if (ch_ != '\r')
                        attr.Name.append(QChar(ch_));
                    Advance();
                }
                if (ch_ == quote)
                    Advance();
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

void HtmlReader::ReadUnquotedValue(TAttribute& attr)
{
    if (ch_ == '+' || ch_ == '-' || IsDigit(ch_)) {
        attr.Name.append(QChar(ch_));
        Advance();
        while (IsDigit(ch_) || IsHexLetter(ch_)) {
            attr.Name.append(QChar(ch_));
            Advance();
        }
        if (ch_ == '%') {
            attr.Name.append(QLatin1Char('%'));
            Advance();
        }
    }
    // A value that goes on after its number ("89.gif", "100px") is a word;
    // its number is the one it starts with.
    attr.Value = ValueNumber(attr.Name);
    while (ch_ != ' ' && ch_ != '\r' && ch_ != '>' && ch_ != EofChar) {
        attr.Name.append(QChar(ch_));
        Advance();
    }
    if (attr.Value == 0)
        attr.Value = ValueNumber(attr.Name);
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
