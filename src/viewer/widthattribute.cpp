#include "viewer/widthattribute.h"

#include "viewer/htmlsymbols.h"

#include <algorithm>

std::optional<WidthValue> ReadWidth(const TAttribute& attribute, WidthRule rule)
{
    const bool percent = attribute.Name.contains(QLatin1Char('%'));
    const int value = attribute.Value;
    if (const qsizetype star = attribute.Name.indexOf(QLatin1Char('*')); star >= 0 && rule == WidthRule::Column) {
        const QStringView shares = QStringView(attribute.Name).left(star).trimmed();
        bool ok = false;
        const int n = shares.toInt(&ok);
        return WidthValue{shares.isEmpty() ? 1 : (ok ? std::max(0, n) : 0), false, true};
    }
    if (rule == WidthRule::HorizontalRule) {
        if (value <= 0 || (percent && value > 100))
            return std::nullopt;
        return WidthValue{value, percent};
    }
    if (!percent)
        return WidthValue{std::max(0, value), false};
    const int inRange = value >= 1 && value <= 100 ? value : 0;
    return WidthValue{inRange, rule == WidthRule::Cell || inRange > 0};
}
