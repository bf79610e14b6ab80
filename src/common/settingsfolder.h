#pragma once

#include <QString>

// Where the settings file, the user tag library and the user's template live.
// A copy of the program in a folder it may write to (a portable copy, the
// build folder) keeps them beside itself; an installed program, whose folder
// the user cannot write, keeps them in the user's configuration folder
// ($XDG_CONFIG_HOME/kivopro32), made when first asked for.
QString SettingsFolder(const QString& programFolder);

// The template new documents start from: NORMAL.TXT in the settings folder;
// for an installed program without one of the user's own, the template
// installed with the program. The file need not exist: without one a new
// document is empty.
QString TemplatePath(const QString& programFolder);

// ReadOnly for an existing folder the user cannot write and for the folder
// the program is installed into (even root keeps /usr/bin clean). A folder
// that does not exist keeps the classic place, where a save then fails.
enum class FolderAccess { Writable, ReadOnly };
FolderAccess ProgramFolderAccess(const QString& programFolder);

// The two above for a program folder whose access is given.
QString SettingsFolder(const QString& programFolder, FolderAccess access);
QString TemplatePath(const QString& programFolder, FolderAccess access);
