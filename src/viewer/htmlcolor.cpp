#include "viewer/htmlcolor.h"

#include <array>

namespace {

struct NamedColor {
    const char* name;
    unsigned rgb;
};

constexpr std::array<NamedColor, 16> kColors{{
    {"BLACK", 0x000000}, {"MAROON", 0x800000}, {"GREEN", 0x008000}, {"OLIVE", 0x808000},
    {"NAVY", 0x000080}, {"PURPLE", 0x800080}, {"TEAL", 0x008080}, {"GRAY", 0x808080},
    {"SILVER", 0xC0C0C0}, {"RED", 0xFF0000}, {"LIME", 0x00FF00}, {"YELLOW", 0xFFFF00},
    {"BLUE", 0x0000FF}, {"FUCHSIA", 0xFF00FF}, {"AQUA", 0x00FFFF}, {"WHITE", 0xFFFFFF},
}};

// Six hexadecimal digits, with or without "#": nearly every colour of a
// page, read without the copies the general case makes.
bool ReadPlainHexColor(QStringView v, QColor& color)
{
    if (v.startsWith(QLatin1Char('#')))
        v = v.mid(1);
    if (v.size() != 6)
        return false;
    unsigned rgb = 0;
    for (QChar c : v) {
        const char16_t u = c.unicode();
        unsigned digit = 0;
        if (u >= '0' && u <= '9')
            digit = u - '0';
        else if ((u | 0x20) >= 'a' && (u | 0x20) <= 'f')
            digit = (u | 0x20) - 'a' + 10;
        else
            return false;
        rgb = rgb << 4 | digit;
    }
    color = QColor::fromRgb(QRgb(rgb));
    return true;
}

// Whether v upper-cased is the name; only ASCII is compared here (the
// general case upper-cases the rest).
bool IsAsciiName(QStringView v, const char* name)
{
    for (QChar c : v) {
        char16_t u = c.unicode();
        if (u >= 'a' && u <= 'z')
            u = char16_t(u - 32);
        if (*name == 0 || u != char16_t(*name))
            return false;
        ++name;
    }
    return *name == 0;
}

bool FindNamedColor(QStringView v, QColor& color)
{
    for (const NamedColor& c : kColors) {
        if (IsAsciiName(v, c.name)) {
            color = QColor::fromRgb(QRgb(c.rgb));
            return true;
        }
    }
    return false;
}

} // namespace

bool ParseHtmlColor(const QString& value, QColor& color)
{
    if (ReadPlainHexColor(value, color))
        return true;
    if (FindNamedColor(QStringView(value).left(10), color))
        return true;
    // Upper-casing beyond ASCII can make a name too.
    QString v = value.left(10).toUpper();
    if (FindNamedColor(v, color))
        return true;
    const int hash = v.indexOf(QLatin1Char('#'));
    if (hash >= 0)
        v.remove(hash, 1);
    v = v.trimmed();
    if (v.isEmpty())
        return false;
    bool ok = false;
    const unsigned rgb = v.toUInt(&ok, 16);
    if (!ok)
        return false;
    color = QColor::fromRgb(QRgb(rgb & 0xFFFFFF));
    return true;
}
