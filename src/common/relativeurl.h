#pragma once

#include <QString>

// Windows style keeps the classic rules: backslashes, drive letters, and
// everything compared and written in lower case. Native style is the
// platform's own: "/" separators and case kept.
enum class PathStyle { Windows, Native };

// The address of `path` as written into the page `documentPath`.
QString MakeRelativeUrl(const QString& path, const QString& documentPath, PathStyle style = PathStyle::Native);
