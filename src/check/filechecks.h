#pragma once

#include "check/pagecheck.h"

#include <QHash>
#include <QString>

#include <optional>

class ProblemList;
struct PageTag;

// What the page's folder knows: local files that links, pictures,
// backgrounds and form actions name but that are not there, and pictures
// whose WIDTH and HEIGHT differ from the file's own size. Addresses are
// resolved as the preview resolves them; remote ones are never fetched.
class FileChecks {
public:
    explicit FileChecks(const PageLocation& location);
    void Visit(const PageTag& tag, ProblemList& problems);

private:
    enum class Role { Link, Picture, Background, FormAction, File };
    void CheckReference(const PageTag& tag, QLatin1String attribute, Role role, ProblemList& problems);
    void CheckPictureSize(const PageTag& tag, const QString& path, ProblemList& problems);
    // The file a local address names, or nothing for a remote one.
    std::optional<QString> LocalPath(const QString& address) const;
    bool Exists(const QString& path);

    PageLocation location_;
    QString baseHref_;
    QHash<QString, bool> exists_;
};
