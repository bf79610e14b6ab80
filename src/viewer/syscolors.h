#pragma once

#include <QColor>

// The classic system colours the viewer's defaults and 3-D edges are made of.
// Fixed values rather than the desktop theme's, so pages look the same
// everywhere and renders can be compared.
namespace SysColors {
inline QColor ButtonFace() { return QColor(0xC0, 0xC0, 0xC0); }
inline QColor ButtonShadow() { return QColor(0x80, 0x80, 0x80); }
inline QColor ButtonHighlight() { return QColor(0xFF, 0xFF, 0xFF); }
inline QColor ButtonText() { return QColor(0x00, 0x00, 0x00); }
inline QColor Silver() { return QColor(0xC0, 0xC0, 0xC0); }
inline QColor White() { return QColor(0xFF, 0xFF, 0xFF); }
} // namespace SysColors
