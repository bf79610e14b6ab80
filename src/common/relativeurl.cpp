#include "common/relativeurl.h"

namespace {

QChar SeparatorOf(PathStyle style)
{
    return style == PathStyle::Windows ? QLatin1Char('\\') : QLatin1Char('/');
}

QString FolderPart(const QString& path, QChar separator)
{
    return path.left(path.lastIndexOf(separator) + 1);
}

}  // namespace

QString MakeRelativeUrl(const QString& path, const QString& documentPath, PathStyle style)
{
    const QChar separator = SeparatorOf(style);
    const bool windows = style == PathStyle::Windows;
    const Qt::CaseSensitivity caseRule = windows ? Qt::CaseInsensitive : Qt::CaseSensitive;

    const QString fileName = path.mid(path.lastIndexOf(separator) + 1);
    if (path.compare(fileName, caseRule) == 0)
        return path;

    QString result = windows ? path.toLower() : path;
    const QString pathFolder = FolderPart(result, separator);
    const QString documentFolder = FolderPart(windows ? documentPath.toLower() : documentPath, separator);

    if (!documentFolder.isEmpty() && pathFolder.contains(documentFolder)) {
        result.remove(0, documentFolder.size());
    } else {
        int common = 0;
        while (common < pathFolder.size() && common < documentFolder.size() &&
               pathFolder[common] == documentFolder[common])
            ++common;
        int sharedSeparators = 0;
        int lastShared = -1;
        for (int i = 0; i < common; ++i) {
            if (pathFolder[i] == separator) {
                ++sharedSeparators;
                lastShared = i;
            }
        }
        // On Linux every absolute path shares the root "/", which is no
        // more a common folder than a drive letter is on Windows.
        const int rootSeparators = windows ? 0 : 1;
        if (sharedSeparators > rootSeparators) {
            const int upCount = int(documentFolder.count(separator)) - sharedSeparators;
            result = QStringLiteral("../").repeated(upCount) + pathFolder.mid(lastShared + 1) + fileName;
        } else if (windows) {
            const int colon = result.indexOf(QLatin1Char(':'));
            if (colon >= 0)
                result[colon] = QLatin1Char('|');
            result.prepend(QStringLiteral("file:///"));
        } else {
            result.prepend(QStringLiteral("file://"));
        }
    }
    return windows ? result.replace(QLatin1Char('\\'), QLatin1Char('/')) : result;
}
