#include "common/striptags.h"

QString StripTags(const QString& line, bool& inTag)
{
    QString result;
    result.reserve(line.size());
    for (const QChar ch : line) {
        if (inTag)
            inTag = ch != QLatin1Char('>');
        else
            inTag = ch == QLatin1Char('<');
        if (!inTag && ch != QLatin1Char('>'))
            result += ch;
    }
    return result;
}
