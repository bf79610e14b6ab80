#include "common/colorhex.h"

#include "platform/prompts.h"

QString ColorToHex(const QColor& colour)
{
    // QColor resolves palette (system) colours to their current RGB value.
    return QStringLiteral("%1%2%3")
        .arg(colour.red(), 2, 16, QLatin1Char('0'))
        .arg(colour.green(), 2, 16, QLatin1Char('0'))
        .arg(colour.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

bool PickColorHex(Prompts& prompts, QString& hex)
{
    const std::optional<QColor> colour = prompts.ChooseColor(Qt::white);
    if (!colour)
        return false;
    hex = ColorToHex(*colour);
    return true;
}
