#include "editing/timestamp.h"

#include "platform/editcontrol.h"

#include <QRegularExpression>

QString TimeStampText(const QDateTime& when, const QLocale& locale)
{
    const QString date = locale.toString(when.date(), QLocale::ShortFormat);
    if (when.time() == QTime(0, 0))
        return date;
    // Qt's long time names the time zone; the classic long time does not.
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b"));
    QString format = locale.timeFormat(QLocale::LongFormat);
    format.remove(zone);
    return date + QLatin1Char(' ') + locale.toString(when.time(), format.trimmed());
}

void InsertTimeStamp(EditControl& edit, const QDateTime& when)
{
    edit.ReplaceSelection(TimeStampText(when));
}
