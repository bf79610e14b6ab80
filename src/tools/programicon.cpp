#include "tools/programicon.h"

#include <QDir>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>

namespace {

QString ResolveProgram(const QString& program)
{
    const QString trimmed = program.trimmed();
    if (trimmed.isEmpty())
        return {};
    if (trimmed.contains(QLatin1Char('/'))) {
        const QFileInfo info(trimmed);
        return info.isFile() ? info.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(trimmed);
}

struct DesktopEntry {
    QString program;
    QString icon;
};

// Only the main group counts; actions and translations are skipped.
DesktopEntry ReadDesktopEntry(const QString& path)
{
    DesktopEntry entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entry;
    QTextStream in(&file);
    bool mainGroup = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            mainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!mainGroup)
            continue;
        if (line.startsWith(QLatin1String("Exec="))) {
            const QStringList words = QProcess::splitCommand(line.mid(5));
            if (!words.isEmpty())
                entry.program = words.front();
        } else if (line.startsWith(QLatin1String("Icon="))) {
            entry.icon = line.mid(5).trimmed();
        }
    }
    return entry;
}

QIcon IconNamed(const QString& icon)
{
    if (icon.isEmpty())
        return {};
    if (QFileInfo(icon).isAbsolute())
        return QFileInfo::exists(icon) ? QIcon(icon) : QIcon();
    if (QIcon::hasThemeIcon(icon))
        return QIcon::fromTheme(icon);
    // Older programs put their picture among the shared pixmaps instead.
    for (const QString& suffix : {QStringLiteral(".png"), QStringLiteral(".svg"), QStringLiteral(".xpm")}) {
        const QString found = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                     QStringLiteral("pixmaps/") + icon + suffix);
        if (!found.isEmpty())
            return QIcon(found);
    }
    return {};
}

}  // namespace

ProgramIcons::ProgramIcons(QStringList applicationFolders)
    : folders_(applicationFolders.isEmpty()
                   ? QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)
                   : std::move(applicationFolders))
{
}

void ProgramIcons::ReadDesktopEntries()
{
    entriesRead_ = true;
    for (const QString& folder : folders_) {
        const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.desktop")}, QDir::Files);
        for (const QFileInfo& file : files) {
            const DesktopEntry entry = ReadDesktopEntry(file.absoluteFilePath());
            if (entry.program.isEmpty() || entry.icon.isEmpty())
                continue;
            // The first folder is the user's own: its entries win.
            if (entry.program.contains(QLatin1Char('/')) && !entryIcons_.contains(entry.program))
                entryIcons_.insert(entry.program, entry.icon);
            const QString name = QFileInfo(entry.program).fileName();
            if (!entryIcons_.contains(name))
                entryIcons_.insert(name, entry.icon);
        }
    }
}

QIcon ProgramIcons::IconOf(const QString& program)
{
    const QString path = ResolveProgram(program);
    if (path.isEmpty())
        return {};
    if (!entriesRead_)
        ReadDesktopEntries();
    const QString name = QFileInfo(path).fileName();
    for (const QString& key : {path, name}) {
        const QIcon icon = IconNamed(entryIcons_.value(key));
        if (!icon.isNull())
            return icon;
    }
    const QIcon themed = IconNamed(name);
    if (!themed.isNull())
        return themed;
    return QFileIconProvider().icon(QFileInfo(path));
}
