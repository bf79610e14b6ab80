#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

class EditControl;

// The short date, a blank and the long time (without a time zone) of the
// locale; at exactly midnight the date alone.
QString TimeStampText(const QDateTime& when, const QLocale& locale = QLocale::system());

// Replaces the selection (or inserts at the caret) with the time stamp; the
// caret ends after it.
void InsertTimeStamp(EditControl& edit, const QDateTime& when);
