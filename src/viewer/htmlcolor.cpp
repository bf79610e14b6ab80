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

} // namespace

bool ParseHtmlColor(const QString& value, QColor& color)
{
    QString v = value.left(10).toUpper();
    for (const NamedColor& c : kColors) {
        if (v == QLatin1String(c.name)) {
            color = QColor::fromRgb(QRgb(c.rgb));
            return true;
        }
    }
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
