#include "common/settingsfont.h"

#include <cmath>

QFont ToQFont(const SettingsFont& font, const QFont& base)
{
    QFont result = base;
    result.setFamily(font.name);
    if (font.size > 0)
        result.setPointSize(font.size);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    result.setStrikeOut(font.strikeOut);
    return result;
}

SettingsFont ToSettingsFont(const QFont& font, const QColor& color)
{
    SettingsFont result;
    result.name = font.family();
    // Sizes set in pixels are counted on the classic 96-dots-per-inch screen.
    result.size = font.pointSize() > 0 ? font.pointSize() : int(std::lround(font.pixelSize() * 72.0 / 96.0));
    result.color = FromQColor(color);
    result.bold = font.bold();
    result.italic = font.italic();
    result.underline = font.underline();
    result.strikeOut = font.strikeOut();
    return result;
}
