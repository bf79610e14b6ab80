#include "common/settingsfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kTemplateName = QStringLiteral("NORMAL.TXT");

// The install rules give these; a build that is never installed has none.
#ifndef KIVO_INSTALLED_BINDIR
#define KIVO_INSTALLED_BINDIR ""
#endif
#ifndef KIVO_DATADIR_FROM_BINDIR
#define KIVO_DATADIR_FROM_BINDIR "../share/kivopro32"
#endif

bool KeepsSettingsBeside(const QString& programFolder)
{
    const QFileInfo folder(programFolder);
    if (!folder.isDir() || !folder.isWritable())
        return false;
    // The folder the program is installed into never holds settings, even
    // for a user who may write there (root), so /usr/bin stays clean.
    const QString installed = QStringLiteral(KIVO_INSTALLED_BINDIR);
    return installed.isEmpty() || QDir(installed).canonicalPath() != folder.canonicalFilePath();
}

}  // namespace

QString SettingsFolder(const QString& programFolder)
{
    if (KeepsSettingsBeside(programFolder))
        return programFolder;
    const QString folder = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                               .filePath(QStringLiteral("kivopro32"));
    // A folder that cannot be made shows up as the write error of the
    // first save, which names the file.
    QDir().mkpath(folder);
    return folder;
}

QString TemplatePath(const QString& programFolder)
{
    const QString folder = SettingsFolder(programFolder);
    const QString own = QDir(folder).filePath(kTemplateName);
    if (folder == programFolder || QFileInfo::exists(own))
        return own;
    const QString installed = QDir::cleanPath(QDir(programFolder).filePath(
        QStringLiteral(KIVO_DATADIR_FROM_BINDIR "/") + kTemplateName));
    if (QFileInfo::exists(installed))
        return installed;
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("kivopro32/") + kTemplateName);
}
