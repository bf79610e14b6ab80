#include "platform/prompts.h"

#include <QStringList>

int Prompts::Choose(const QString&, MessageKind, const QStringList& buttons, const QString&)
{
    return int(buttons.size()) - 1;
}

QString QtFileFilter(const QString& classicFilter)
{
    const QStringList parts = classicFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters.join(QStringLiteral(";;"));
}
