#pragma once

#include <QString>

// How a link becomes a file path. Windows style keeps the classic rules
// (everything lower case, "\" separators, "C|" drive bars); native style
// keeps the link's case and uses the platform's "/" separators.
enum class ViewerPathStyle { Windows, Native };

// The file a link names. A relative link is taken from baseHref when the page
// has one (unless it is "DosPath"), else from the folder of currentFile; with
// neither it stays relative to the process's current folder.
QString ExpandLinkName(const QString& link, const QString& baseHref, const QString& currentFile,
                       ViewerPathStyle style);
