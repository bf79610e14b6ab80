#include "tools/programicon.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
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

QIcon GenericProgramIcon()
{
    // A window with its title bar and a few lines of content, drawn for each
    // size the buttons ask for so it stays crisp.
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap picture(size, size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal unit = size / 16.0;
        const QRectF frame(0.5 * unit, 1.5 * unit, 15 * unit, 13 * unit);
        painter.setPen(QPen(QColor(0x40, 0x40, 0x40), unit));
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(frame, unit, unit);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x1F, 0x4E, 0x9C));
        painter.drawRect(QRectF(frame.left() + 0.5 * unit, frame.top() + 0.5 * unit, frame.width() - unit, 3 * unit));
        painter.setBrush(QColor(0x90, 0x90, 0x90));
        for (int line = 0; line < 3; ++line)
            painter.drawRect(QRectF(3 * unit, (7 + 2.5 * line) * unit, (line == 2 ? 6 : 10) * unit, unit));
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}

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
    for (const QString& themeName : {name, QStringLiteral("application-x-executable")}) {
        const QIcon themed = IconNamed(themeName);
        if (!themed.isNull())
            return themed;
    }
    return GenericProgramIcon();
}
