#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

#include <optional>

// A colour as the settings file knows it: 00BBGGRR for an RGB colour; with the
// high bit set, the low byte names a colour of the desktop's scheme.
using ColorValue = quint32;

inline constexpr ColorValue kSystemColorFlag = 0x80000000u;
inline constexpr ColorValue clBlack = 0x000000;

// The colour's "cl" name when it has one, else "$" and eight hexadecimal digits.
QString ColorToString(ColorValue color);
// Accepts a "cl" name (any letter case), "$" with hexadecimal digits or a
// decimal number; anything else is no colour.
std::optional<ColorValue> StringToColor(const QString& text);

// Scheme colours are taken from the palette the program runs with.
QColor ToQColor(ColorValue color, const QPalette& palette = QPalette());
ColorValue FromQColor(const QColor& color);
