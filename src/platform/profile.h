#pragma once

#include <QString>
#include <QStringList>

// A private-profile (INI) file, read and written one value at a time the way
// the classic Windows profile calls did: sections in square brackets, lines of
// key=value, section and key names matched without regard to case.
//
// Every call reads the file afresh, and every write rewrites it atomically
// with only the one line changed, so comments, the order of lines and sections
// nobody here knows about survive, and several copies of the program sharing
// the file keep each other's keys. A missing file or key reads as the default.
//
// Where a section appears more than once, its parts are read as one section
// (the first occurrence of a key wins) and writes change the first part.
class Profile {
public:
    explicit Profile(QString path) : path_(std::move(path)) {}

    const QString& Path() const { return path_; }
    bool Exists() const;

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;

    // Throws SettingsWriteError when the file cannot be written; the file is
    // then left exactly as it was.
    void WriteString(const QString& section, const QString& key, const QString& value) const;
    void EraseSection(const QString& section) const;

    // The section's key names in file order, each once, as spelled in the file.
    QStringList SectionKeys(const QString& section) const;

private:
    QString path_;
};
