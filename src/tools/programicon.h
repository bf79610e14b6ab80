#pragma once

#include <QHash>
#include <QIcon>
#include <QString>
#include <QStringList>

// The picture of a program for its launch button: the icon of the program's
// desktop entry or of the icon theme where there is one, the theme's icon
// for programs otherwise, and where the desktop has no icon theme at all
// the generic program picture below. Desktop entries are read once per object.
// A program window drawn by the program itself, so that a slot whose
// program has no icon is never blank.
QIcon GenericProgramIcon();

class ProgramIcons {
public:
    // `applicationFolders` hold the desktop entries; by default the
    // system's application folders.
    explicit ProgramIcons(QStringList applicationFolders = {});

    // A null icon when `program` names no existing file (a bare name is
    // looked up on the search path, as it would be started).
    QIcon IconOf(const QString& program);

private:
    void ReadDesktopEntries();

    QStringList folders_;
    bool entriesRead_ = false;
    // Program file name (and full path) to the entry's icon name or file.
    QHash<QString, QString> entryIcons_;
};
