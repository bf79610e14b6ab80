#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class Profile;
class QMenu;

// The most recently used documents, newest first, kept in the settings file
// under [History] H0..H4 and listed at the end of the File menu. The menu is
// rebuilt from the file, so every copy of the program shows the same list.

inline constexpr int kMaxRecentFiles = 5;
inline const QString kHistorySection = QStringLiteral("History");
inline const QString kHistoryKeyPrefix = QStringLiteral("H");

// Moves (or puts) `path` to the top, keeps five entries and stores the list.
// Entries are compared as exact text. Throws SettingsWriteError.
void AddRecentFile(QStringList& recentFiles, const QString& path, const Profile& profile);

// Replaces the section by keys <prefix>0, <prefix>1, ... holding the entries.
void WriteListSection(const Profile& profile, const QString& section, const QString& keyPrefix, const QStringList& list);
// As many entries as the section has keys with a value; entry i is the value
// of <prefix>i, empty when that key is missing.
void ReadListSection(const Profile& profile, const QString& section, const QString& keyPrefix, QStringList& list);

// "&1 path": the number is the item's accelerator.
QString HistoryItemCaption(int index, const QString& path);

using OpenHistoryFile = std::function<void(const QString& path)>;

// Drops the File menu's items past `fileMenuBaseCount`, reloads `recentFiles`
// from the settings file and, when there are any, appends a separator and
// one item per file that calls `open` with its path.
void RebuildHistoryMenu(QMenu& fileMenu, int fileMenuBaseCount, QStringList& recentFiles, const Profile& profile,
                        const OpenHistoryFile& open);

// What choosing a history item does once the file is chosen: open it through
// `loadHtmlFile`, then make its folder the working folder. Throws what the
// load throws, or KivoError when the folder cannot be entered.
void OpenHistoryItem(const QString& path, const OpenHistoryFile& loadHtmlFile);
