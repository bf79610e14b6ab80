#include "app/recentfiles.h"

#include "platform/kivoerror.h"
#include "platform/profile.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

void AddRecentFile(QStringList& recentFiles, const QString& path, const Profile& profile)
{
    const qsizetype existing = recentFiles.indexOf(path);
    if (existing >= 0)
        recentFiles.removeAt(existing);
    recentFiles.prepend(path);
    while (recentFiles.size() > kMaxRecentFiles)
        recentFiles.removeLast();
    WriteListSection(profile, kHistorySection, kHistoryKeyPrefix, recentFiles);
}

void WriteListSection(const Profile& profile, const QString& section, const QString& keyPrefix, const QStringList& list)
{
    profile.EraseSection(section);
    for (qsizetype i = 0; i < list.size(); ++i)
        profile.WriteString(section, (keyPrefix + QString::number(i)).left(20), list[i]);
}

void ReadListSection(const Profile& profile, const QString& section, const QString& keyPrefix, QStringList& list)
{
    list.clear();
    qsizetype count = 0;
    for (const QString& key : profile.SectionKeys(section)) {
        if (!profile.ReadString(section, key, QString()).isEmpty())
            ++count;
    }
    for (qsizetype i = 0; i < count; ++i)
        list.append(profile.ReadString(section, keyPrefix + QString::number(i), QString()));
}

QString HistoryItemCaption(int index, const QString& path)
{
    // A lone "&" in the path would turn the next letter into an accelerator.
    return QStringLiteral("&%1 %2").arg(index + 1).arg(QString(path).replace(QLatin1Char('&'), QLatin1String("&&")));
}

void RebuildHistoryMenu(QMenu& fileMenu, int fileMenuBaseCount, QStringList& recentFiles, const Profile& profile,
                        const OpenHistoryFile& open)
{
    const QList<QAction*> actions = fileMenu.actions();
    for (qsizetype i = actions.size() - 1; i >= fileMenuBaseCount && i >= 0; --i) {
        fileMenu.removeAction(actions[i]);
        // Later, not now: the rebuild may run inside the triggered signal of
        // the very item it removes.
        actions[i]->deleteLater();
    }

    ReadListSection(profile, kHistorySection, kHistoryKeyPrefix, recentFiles);
    if (recentFiles.isEmpty())
        return;
    fileMenu.addSeparator();
    for (qsizetype i = 0; i < recentFiles.size(); ++i) {
        const QString path = recentFiles[i];
        QAction* item = fileMenu.addAction(HistoryItemCaption(int(i), path));
        item->setData(path);
        QObject::connect(item, &QAction::triggered, &fileMenu, [open, path] { open(path); });
    }
}

void OpenHistoryItem(const QString& path, const OpenHistoryFile& loadHtmlFile)
{
    loadHtmlFile(path);
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir::setCurrent(folder))
        throw KivoError(QStringLiteral("Cannot change to folder %1").arg(QDir::toNativeSeparators(folder)));
}
