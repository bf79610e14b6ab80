#pragma once

#include <QStringList>

class QFont;
class QPagedPaintDevice;
class QPainter;

// Prints lines of source text the way a plain text device does: from the
// top-left of the printable area, a line too wide broken after the last
// character that fits, tabs at multiples of eight average character widths,
// a new page when fewer than two line heights are left.
void PrintSourceLines(QPainter& painter, QPagedPaintDevice& device, const QFont& font, const QStringList& lines);
