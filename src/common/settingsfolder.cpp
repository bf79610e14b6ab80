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

}  // namespace

FolderAccess ProgramFolderAccess(const QString& programFolder)
{
    const QFileInfo folder(programFolder);
    if (!folder.exists())
        return FolderAccess::Writable;
    const QString installed = QStringLiteral(KIVO_INSTALLED_BINDIR);
    if (!folder.isWritable() || (!installed.isEmpty() && QDir(installed).canonicalPath() == folder.canonicalFilePath()))
        return FolderAccess::ReadOnly;
    return FolderAccess::Writable;
}

QString SettingsFolder(const QString& programFolder, FolderAccess access)
{
    if (access == FolderAccess::Writable)
        return programFolder;
    const QString folder = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                               .filePath(QStringLiteral("kivopro32"));
    // A folder that cannot be made shows up as the write error of the
    // first save, which names the file.
    QDir().mkpath(folder);
    return folder;
}

QString SettingsFolder(const QString& programFolder)
{
    return SettingsFolder(programFolder, ProgramFolderAccess(programFolder));
}

QString TemplatePath(const QString& programFolder, FolderAccess access)
{
    const QString own = QDir(SettingsFolder(programFolder, access)).filePath(kTemplateName);
    if (access == FolderAccess::Writable || QFileInfo::exists(own))
        return own;
    const QString installed = QDir::cleanPath(QDir(programFolder).filePath(
        QStringLiteral(KIVO_DATADIR_FROM_BINDIR "/") + kTemplateName));
    if (QFileInfo::exists(installed))
        return installed;
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                  QStringLiteral("kivopro32/") + kTemplateName);
}

QString TemplatePath(const QString& programFolder)
{
    return TemplatePath(programFolder, ProgramFolderAccess(programFolder));
}
