#include "common/settingscolor.h"

#include <array>

namespace {

struct NamedColor {
    ColorValue value;
    const char* name;
};

constexpr ColorValue System(int index)
{
    return kSystemColorFlag | ColorValue(index);
}

constexpr std::array<NamedColor, 47> kNamedColors = {{
    {0x000000, "clBlack"},        {0x000080, "clMaroon"},       {0x008000, "clGreen"},
    {0x008080, "clOlive"},        {0x800000, "clNavy"},         {0x800080, "clPurple"},
    {0x808000, "clTeal"},         {0x808080, "clGray"},         {0xC0C0C0, "clSilver"},
    {0x0000FF, "clRed"},          {0x00FF00, "clLime"},         {0x00FFFF, "clYellow"},
    {0xFF0000, "clBlue"},         {0xFF00FF, "clFuchsia"},      {0xFFFF00, "clAqua"},
    {0xFFFFFF, "clWhite"},        {0xC0DCC0, "clMoneyGreen"},   {0xF0CAA6, "clSkyBlue"},
    {0xF0FBFF, "clCream"},        {0xA4A0A0, "clMedGray"},
    {System(0), "clScrollBar"},   {System(1), "clBackground"},  {System(2), "clActiveCaption"},
    {System(3), "clInactiveCaption"}, {System(4), "clMenu"},    {System(5), "clWindow"},
    {System(6), "clWindowFrame"}, {System(7), "clMenuText"},    {System(8), "clWindowText"},
    {System(9), "clCaptionText"}, {System(10), "clActiveBorder"}, {System(11), "clInactiveBorder"},
    {System(12), "clAppWorkSpace"}, {System(13), "clHighlight"}, {System(14), "clHighlightText"},
    {System(15), "clBtnFace"},    {System(16), "clBtnShadow"},  {System(17), "clGrayText"},
    {System(18), "clBtnText"},    {System(19), "clInactiveCaptionText"}, {System(20), "clBtnHighlight"},
    {System(21), "cl3DDkShadow"}, {System(22), "cl3DLight"},    {System(23), "clInfoText"},
    {System(24), "clInfoBk"},     {0x1FFFFFFF, "clNone"},       {0x20000000, "clDefault"},
}};

// The classic desktop scheme, for scheme colours the palette has no role for.
constexpr std::array<ColorValue, 25> kClassicScheme = {
    0xC0C0C0, 0x808000, 0x800000, 0x808080, 0xC0C0C0, 0xFFFFFF, 0x000000, 0x000000, 0x000000,
    0xFFFFFF, 0xC0C0C0, 0xC0C0C0, 0x808080, 0x800000, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080,
    0x000000, 0xC0C0C0, 0xFFFFFF, 0x000000, 0xDFDFDF, 0x000000, 0xE1FFFF};

QColor FromRgbValue(ColorValue value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

}  // namespace

QString ColorToString(ColorValue color)
{
    for (const NamedColor& named : kNamedColors) {
        if (named.value == color)
            return QString::fromLatin1(named.name);
    }
    return QStringLiteral("$%1").arg(color, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<ColorValue> StringToColor(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const NamedColor& named : kNamedColors) {
        if (trimmed.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return named.value;
    }
    bool ok = false;
    ColorValue value = 0;
    if (trimmed.startsWith(QLatin1Char('$')) && trimmed.size() > 1) {
        value = trimmed.mid(1).toUInt(&ok, 16);
    } else if (trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) && trimmed.size() > 2) {
        value = trimmed.mid(2).toUInt(&ok, 16);
    } else if (!trimmed.isEmpty() && (trimmed[0].isDigit() || trimmed[0] == QLatin1Char('-'))) {
        value = ColorValue(trimmed.toInt(&ok, 10));
    }
    if (!ok)
        return std::nullopt;
    return value;
}

QColor ToQColor(ColorValue color, const QPalette& palette)
{
    if (color == 0x1FFFFFFF || color == 0x20000000)  // clNone, clDefault
        return palette.color(QPalette::WindowText);
    if ((color & kSystemColorFlag) == 0)
        return FromRgbValue(color);
    const ColorValue index = color & 0xFF;
    switch (index) {
    case 4: return palette.color(QPalette::Window);          // clMenu
    case 5: return palette.color(QPalette::Base);            // clWindow
    case 7:                                                  // clMenuText
    case 8: return palette.color(QPalette::WindowText);      // clWindowText
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 15: return palette.color(QPalette::Button);         // clBtnFace
    case 17: return palette.color(QPalette::Disabled, QPalette::Text);  // clGrayText
    case 18: return palette.color(QPalette::ButtonText);
    case 23: return palette.color(QPalette::ToolTipText);    // clInfoText
    case 24: return palette.color(QPalette::ToolTipBase);    // clInfoBk
    default: break;
    }
    return index < kClassicScheme.size() ? FromRgbValue(kClassicScheme[index]) : palette.color(QPalette::WindowText);
}

ColorValue FromQColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return ColorValue(rgb.red()) | (ColorValue(rgb.green()) << 8) | (ColorValue(rgb.blue()) << 16);
}
