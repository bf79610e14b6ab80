#pragma once

#include <QColor>
#include <QString>

// Reads an HTML colour: one of the sixteen names or hexadecimal red, green,
// blue with or without "#". Returns false (colour untouched) otherwise.
bool ParseHtmlColor(const QString& value, QColor& color);
