#pragma once

#include <QColor>
#include <QString>

class Prompts;

// Six upper-case hexadecimal digits, red, green, blue, as HTML writes colours.
QString ColorToHex(const QColor& colour);

// Shows the colour dialog; on OK sets `hex` and returns true, on Cancel
// returns false and leaves `hex` as it was.
bool PickColorHex(Prompts& prompts, QString& hex);
