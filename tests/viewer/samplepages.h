#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>

// The sample pages in tests/viewer/data, each with its model and layout dumps.
inline QDir SamplePageFolder()
{
    return QDir(QFileInfo(QString::fromUtf8(__FILE__)).absolutePath() + QStringLiteral("/data"));
}

// File names of the sample pages, in name order.
inline QStringList SamplePageNames()
{
    return SamplePageFolder().entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}
