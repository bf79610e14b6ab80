#include "viewer/expandlinkname.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString TrimControls(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= ' ')
        ++first;
    while (last > first && text[last - 1].unicode() <= ' ')
        --last;
    return text.mid(first, last - first);
}

QString ConvertWindows(const QString& link)
{
    QString name = TrimControls(link);
    if (!name.contains(QLatin1Char('/')))
        return name;
    name = name.toLower();
    qsizetype at = name.indexOf(QLatin1String("file:///"));
    if (at >= 0) {
        name.remove(at, 8);
    } else if ((at = name.indexOf(QLatin1String("file://"))) >= 0) {
        name.remove(at, 7);
    }
    name.replace(QLatin1Char('|'), QLatin1Char(':'));
    name.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return name;
}

bool IsDosPath(const QString& base)
{
    return base.compare(QLatin1String("DosPath"), Qt::CaseInsensitive) == 0;
}

QString ExpandWindows(const QString& link, const QString& baseHref, const QString& currentFile)
{
    QString name = ConvertWindows(link);
    if ((name.size() < 2 || name[1] != QLatin1Char(':')) && !IsDosPath(baseHref)) {
        const QString base = ConvertWindows(baseHref);
        if (!base.isEmpty()) {
            name.prepend(base);
        } else {
            // The folder of the shown file with its trailing separator.
            const qsizetype slash = std::max(currentFile.lastIndexOf(QLatin1Char('\\')),
                                             currentFile.lastIndexOf(QLatin1Char('/')));
            name.prepend(currentFile.left(slash + 1));
        }
    }
    return name;
}

bool HasDrive(const QString& name)
{
    return name.size() >= 2 && name[1] == QLatin1Char(':') && name[0].isLetter();
}

// An address as a native path: case kept, "/" separators, the "file:"
// scheme dropped, and a classic "C|" drive written "C:".
QString ConvertNative(const QString& link)
{
    QString name = TrimControls(link);
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.startsWith(QLatin1String("file://"), Qt::CaseInsensitive))
        name.remove(0, 7);
    if (name.size() >= 3 && name[0] == QLatin1Char('/') && name[1].isLetter() &&
        (name[2] == QLatin1Char('|') || name[2] == QLatin1Char(':')))
        name.remove(0, 1);
    if (name.size() >= 2 && name[0].isLetter() && name[1] == QLatin1Char('|'))
        name[1] = QLatin1Char(':');
    return name;
}

QString ExpandNative(const QString& link, const QString& baseHref, const QString& currentFile)
{
    QString name = ConvertNative(link);
    if (name.isEmpty())
        return name;
    const bool absolute = name.startsWith(QLatin1Char('/')) || HasDrive(name);
    if (!absolute && !IsDosPath(baseHref)) {
        QString folder;
        const QString base = ConvertNative(baseHref);
        if (!base.isEmpty()) {
            // A base that names a page stands for the page's folder.
            folder = base.left(base.lastIndexOf(QLatin1Char('/')) + 1);
        } else if (!currentFile.isEmpty()) {
            folder = QFileInfo(currentFile).path() + QLatin1Char('/');
        }
        name.prepend(folder);
    }
    // Clean so that a link back to the shown page compares equal to its path.
    return QDir::cleanPath(name);
}

} // namespace

QString ExpandLinkName(const QString& link, const QString& baseHref, const QString& currentFile,
                       ViewerPathStyle style)
{
    return style == ViewerPathStyle::Windows ? ExpandWindows(link, baseHref, currentFile)
                                             : ExpandNative(link, baseHref, currentFile);
}
