// The named characters of HTML 4 (Latin-1, symbols and Greek, and the
// special set), and the characters behind the numbers 128 to 159, which
// pages written on Windows mean in its code page.
#include "viewer/htmlsymbols.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_map>

namespace {

struct NamedCharacter {
    const char* name;
    char32_t code;
};

constexpr NamedCharacter kNamedCharacters[] = {
    {"quot", 34}, {"amp", 38}, {"lt", 60}, {"gt", 62}, {"nbsp", 160}, {"iexcl", 161}, {"cent", 162},
    {"pound", 163}, {"curren", 164}, {"yen", 165}, {"brvbar", 166}, {"sect", 167}, {"uml", 168},
    {"copy", 169}, {"ordf", 170}, {"laquo", 171}, {"not", 172}, {"shy", 173}, {"reg", 174},
    {"macr", 175}, {"deg", 176}, {"plusmn", 177}, {"sup2", 178}, {"sup3", 179}, {"acute", 180},
    {"micro", 181}, {"para", 182}, {"middot", 183}, {"cedil", 184}, {"sup1", 185}, {"ordm", 186},
    {"raquo", 187}, {"frac14", 188}, {"frac12", 189}, {"frac34", 190}, {"iquest", 191},
    {"Agrave", 192}, {"Aacute", 193}, {"Acirc", 194}, {"Atilde", 195}, {"Auml", 196},
    {"Aring", 197}, {"AElig", 198}, {"Ccedil", 199}, {"Egrave", 200}, {"Eacute", 201},
    {"Ecirc", 202}, {"Euml", 203}, {"Igrave", 204}, {"Iacute", 205}, {"Icirc", 206}, {"Iuml", 207},
    {"ETH", 208}, {"Ntilde", 209}, {"Ograve", 210}, {"Oacute", 211}, {"Ocirc", 212},
    {"Otilde", 213}, {"Ouml", 214}, {"times", 215}, {"Oslash", 216}, {"Ugrave", 217},
    {"Uacute", 218}, {"Ucirc", 219}, {"Uuml", 220}, {"Yacute", 221}, {"THORN", 222}, {"szlig", 223},
    {"agrave", 224}, {"aacute", 225}, {"acirc", 226}, {"atilde", 227}, {"auml", 228},
    {"aring", 229}, {"aelig", 230}, {"ccedil", 231}, {"egrave", 232}, {"eacute", 233},
    {"ecirc", 234}, {"euml", 235}, {"igrave", 236}, {"iacute", 237}, {"icirc", 238}, {"iuml", 239},
    {"eth", 240}, {"ntilde", 241}, {"ograve", 242}, {"oacute", 243}, {"ocirc", 244},
    {"otilde", 245}, {"ouml", 246}, {"divide", 247}, {"oslash", 248}, {"ugrave", 249},
    {"uacute", 250}, {"ucirc", 251}, {"uuml", 252}, {"yacute", 253}, {"thorn", 254}, {"yuml", 255},
    {"OElig", 338}, {"oelig", 339}, {"Scaron", 352}, {"scaron", 353}, {"Yuml", 376}, {"fnof", 402},
    {"circ", 710}, {"tilde", 732}, {"Alpha", 913}, {"Beta", 914}, {"Gamma", 915}, {"Delta", 916},
    {"Epsilon", 917}, {"Zeta", 918}, {"Eta", 919}, {"Theta", 920}, {"Iota", 921}, {"Kappa", 922},
    {"Lambda", 923}, {"Mu", 924}, {"Nu", 925}, {"Xi", 926}, {"Omicron", 927}, {"Pi", 928},
    {"Rho", 929}, {"Sigma", 931}, {"Tau", 932}, {"Upsilon", 933}, {"Phi", 934}, {"Chi", 935},
    {"Psi", 936}, {"Omega", 937}, {"alpha", 945}, {"beta", 946}, {"gamma", 947}, {"delta", 948},
    {"epsilon", 949}, {"zeta", 950}, {"eta", 951}, {"theta", 952}, {"iota", 953}, {"kappa", 954},
    {"lambda", 955}, {"mu", 956}, {"nu", 957}, {"xi", 958}, {"omicron", 959}, {"pi", 960},
    {"rho", 961}, {"sigmaf", 962}, {"sigma", 963}, {"tau", 964}, {"upsilon", 965}, {"phi", 966},
    {"chi", 967}, {"psi", 968}, {"omega", 969}, {"thetasym", 977}, {"upsih", 978}, {"piv", 982},
    {"ensp", 8194}, {"emsp", 8195}, {"thinsp", 8201}, {"zwnj", 8204}, {"zwj", 8205}, {"lrm", 8206},
    {"rlm", 8207}, {"ndash", 8211}, {"mdash", 8212}, {"lsquo", 8216}, {"rsquo", 8217},
    {"sbquo", 8218}, {"ldquo", 8220}, {"rdquo", 8221}, {"bdquo", 8222}, {"dagger", 8224},
    {"Dagger", 8225}, {"bull", 8226}, {"hellip", 8230}, {"permil", 8240}, {"prime", 8242},
    {"Prime", 8243}, {"lsaquo", 8249}, {"rsaquo", 8250}, {"oline", 8254}, {"frasl", 8260},
    {"euro", 8364}, {"image", 8465}, {"weierp", 8472}, {"real", 8476}, {"trade", 8482},
    {"alefsym", 8501}, {"larr", 8592}, {"uarr", 8593}, {"rarr", 8594}, {"darr", 8595},
    {"harr", 8596}, {"crarr", 8629}, {"lArr", 8656}, {"uArr", 8657}, {"rArr", 8658}, {"dArr", 8659},
    {"hArr", 8660}, {"forall", 8704}, {"part", 8706}, {"exist", 8707}, {"empty", 8709},
    {"nabla", 8711}, {"isin", 8712}, {"notin", 8713}, {"ni", 8715}, {"prod", 8719}, {"sum", 8721},
    {"minus", 8722}, {"lowast", 8727}, {"radic", 8730}, {"prop", 8733}, {"infin", 8734},
    {"ang", 8736}, {"and", 8743}, {"or", 8744}, {"cap", 8745}, {"cup", 8746}, {"int", 8747},
    {"there4", 8756}, {"sim", 8764}, {"cong", 8773}, {"asymp", 8776}, {"ne", 8800}, {"equiv", 8801},
    {"le", 8804}, {"ge", 8805}, {"sub", 8834}, {"sup", 8835}, {"nsub", 8836}, {"sube", 8838},
    {"supe", 8839}, {"oplus", 8853}, {"otimes", 8855}, {"perp", 8869}, {"sdot", 8901},
    {"lceil", 8968}, {"rceil", 8969}, {"lfloor", 8970}, {"rfloor", 8971}, {"lang", 9001},
    {"rang", 9002}, {"loz", 9674}, {"spades", 9824}, {"clubs", 9827}, {"hearts", 9829},
    {"diams", 9830},
};

// Windows-1252 for 128 to 159; 0 where that code page leaves a hole.
constexpr std::array<char16_t, 32> kWindows1252High{{
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,
    0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A,
    0x0153, 0, 0x017E, 0x0178,
}};

} // namespace

char32_t LookupNamedCharacter(QStringView name)
{
    static const auto map = [] {
        std::unordered_map<std::string, char32_t> m;
        for (const NamedCharacter& n : kNamedCharacters)
            m.emplace(n.name, n.code);
        return m;
    }();
    if (name.size() > MaxNamedCharacterLength)
        return 0;
    std::string key;
    for (QChar c : name) {
        if (c.unicode() > 127)
            return 0;
        key.push_back(char(c.unicode()));
    }
    const auto it = map.find(key);
    return it == map.end() ? 0 : it->second;
}

const std::vector<NamedCharacterEntry>& NamedCharacterList()
{
    static const std::vector<NamedCharacterEntry> list = [] {
        std::vector<NamedCharacterEntry> l;
        for (const NamedCharacter& n : kNamedCharacters)
            l.push_back({QString::fromLatin1(n.name), n.code});
        return l;
    }();
    return list;
}

char32_t CharacterOfReference(char32_t number)
{
    if (number >= 128 && number < 160)
        return kWindows1252High[number - 128];
    if (number == 9 || number == 10)
        return number;
    if (number < 32 || number > 0x10FFFF || (number >= 0xD800 && number <= 0xDFFF))
        return 0;
    return number;
}

namespace {

inline bool IsAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}
inline bool IsAsciiDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

int DigitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (base == 16 && u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (base == 16 && u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// "&#" and a number in decimal, or in hexadecimal after an "x".
CharacterReference ReadNumericReference(QStringView text)
{
    constexpr char32_t beyondUnicode = 0x110000;
    qsizetype i = 2;
    int base = 10;
    if (i < text.size() && (text[i] == QLatin1Char('x') || text[i] == QLatin1Char('X'))) {
        base = 16;
        ++i;
    }
    const qsizetype digitsStart = i;
    char32_t number = 0;
    for (int digit; i < text.size() && (digit = DigitValue(text[i], base)) >= 0; ++i) {
        // Past the last character the exact number no longer matters.
        number = std::min<char32_t>(number * char32_t(base) + char32_t(digit), beyondUnicode);
    }
    if (i == digitsStart)
        return {i, 0};
    if (i < text.size() && text[i] == QLatin1Char(';'))
        ++i;
    return {i, CharacterOfReference(number)};
}

}  // namespace

CharacterReference ReadCharacterReference(QStringView text)
{
    if (text.size() > 1 && text[1] == QLatin1Char('#'))
        return ReadNumericReference(text);
    qsizetype i = 1;
    while (i < text.size() && IsAsciiLetter(text[i]) && i <= MaxNamedCharacterLength + 1)
        ++i;
    const QStringView letters = text.sliced(1, i - 1);
    if (letters.isEmpty() || letters.size() > MaxNamedCharacterLength)
        return {i, 0};
    const bool semicolon = i < text.size() && text[i] == QLatin1Char(';');
    if (i < text.size() && IsAsciiDigit(text[i])) {
        // frac12, sup2 and their kind; "&copy1997" keeps meaning the sign and a year.
        qsizetype j = i;
        while (j < text.size() && IsAsciiDigit(text[j]) && j - 1 < MaxNamedCharacterLength)
            ++j;
        if (j < text.size() && text[j] == QLatin1Char(';')) {
            if (const char32_t c = LookupNamedCharacter(text.sliced(1, j - 1)))
                return {j + 1, c};
        }
    }
    // The Latin-1 names pages have always used may leave out the ";"; the
    // rest of the HTML 4 set needs it, or "&not" would eat the start of "&nothing".
    if (const int code = LookupEntity(letters))
        return {i + (semicolon ? 1 : 0), char32_t(code)};
    if (semicolon)
        return {i + 1, LookupNamedCharacter(letters)};
    return {i, 0};
}
