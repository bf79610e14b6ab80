#include "check/filechecks.h"

#include "check/pagetags.h"
#include "check/problemlist.h"
#include "common/imagesize.h"
#include "platform/kivoerror.h"
#include "viewer/expandlinkname.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {

// "http:", "mailto:", "javascript:"...; one letter before the colon is a drive.
bool IsRemote(const QString& address)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (address.startsWith(QLatin1String("//")))
        return true;
    return scheme.match(address).hasMatch() && !address.startsWith(QLatin1String("file:"), Qt::CaseInsensitive);
}

QString WithoutQueryAndBookmark(const QString& address)
{
    qsizetype end = address.size();
    for (const QChar mark : {QLatin1Char('#'), QLatin1Char('?')}) {
        const qsizetype at = address.indexOf(mark);
        if (at >= 0)
            end = std::min(end, at);
    }
    return address.left(end);
}


std::optional<int> PixelCount(const std::optional<QString>& value)
{
    if (!value)
        return std::nullopt;
    bool ok = false;
    const int pixels = value->trimmed().toInt(&ok);
    return ok ? std::optional<int>(pixels) : std::nullopt;
}

std::optional<ImageSize> PictureSize(const QString& path)
{
    try {
        if (auto size = ReadImageSize(path))
            return size;
        const QString suffix = QFileInfo(path).suffix().toUpper();
        if (suffix == QLatin1String("JPEG") || suffix == QLatin1String("JPE"))
            return ReadJpegFrameSize(path);
    } catch (const KivoError&) {
        // A picture the readers cannot read has no size to compare.
    }
    return std::nullopt;
}

}  // namespace

FileChecks::FileChecks(const PageLocation& location) : location_(location) {}

std::optional<QString> FileChecks::LocalPath(const QString& address) const
{
    const QString local = WithoutQueryAndBookmark(address.trimmed());
    if (local.isEmpty() || IsRemote(local))
        return std::nullopt;
    // Relative addresses under a remote base are remote too.
    const bool absolute = local.startsWith(QLatin1Char('/')) || local.startsWith(QLatin1String("file:"), Qt::CaseInsensitive) ||
                          (local.size() >= 2 && local[1] == QLatin1Char(':'));
    if (!absolute && IsRemote(baseHref_))
        return std::nullopt;
    const QString expanded = ExpandLinkName(local, baseHref_, location_.documentPath, ViewerPathStyle::Native);
    return QDir(location_.documentPath.isEmpty() ? location_.currentFolder : QFileInfo(location_.documentPath).path())
        .absoluteFilePath(expanded);
}

bool FileChecks::Exists(const QString& path)
{
    auto it = exists_.find(path);
    if (it == exists_.end()) {
        // A browser reads "%20" as a blank; the preview takes the name as written.
        const QString decoded = QUrl::fromPercentEncoding(path.toUtf8());
        it = exists_.insert(path, QFileInfo::exists(path) || (decoded != path && QFileInfo::exists(decoded)));
    }
    return *it;
}

void FileChecks::CheckReference(const PageTag& tag, QLatin1String attribute, Role role, ProblemList& problems)
{
    const TagAttribute* reference = tag.Attribute(attribute);
    if (!reference || !reference->hasValue)
        return;
    const std::optional<QString> path = LocalPath(reference->value);
    if (!path)
        return;
    if (Exists(*path)) {
        if (role == Role::Picture && tag.name == QLatin1String("IMG"))
            CheckPictureSize(tag, *path, problems);
        return;
    }
    static const char* const kWhat[] = {"linked file", "picture", "background picture", "form action", "file"};
    QString message = QStringLiteral("%1 \"%2\" not found: %3")
                          .arg(QLatin1String(kWhat[int(role)]), reference->value.trimmed(), QDir::toNativeSeparators(*path));
    if (location_.documentPath.isEmpty())
        message += QStringLiteral(" (the page is not saved yet: looked for in the current folder)");
    // A form's action is mostly a program on a server, which may be where
    // the page will be published rather than here.
    const ProblemKind kind = role == Role::FormAction ? ProblemKind::Warning : ProblemKind::Error;
    problems.Add(kind, reference->valueOffset, reference->valueLength, message);
}

void FileChecks::CheckPictureSize(const PageTag& tag, const QString& path, ProblemList& problems)
{
    // The preview uses the attributes only when both are given.
    const std::optional<int> width = PixelCount(tag.Value(QLatin1String("WIDTH")));
    const std::optional<int> height = PixelCount(tag.Value(QLatin1String("HEIGHT")));
    if (!width || !height)
        return;
    const std::optional<ImageSize> size = PictureSize(path);
    if (!size || (size->width == *width && size->height == *height))
        return;
    problems.Add(ProblemKind::Warning, tag.offset, tag.length,
                 QStringLiteral("the picture is %1 x %2 pixels, but WIDTH and HEIGHT say %3 x %4: it is shown stretched")
                     .arg(size->width)
                     .arg(size->height)
                     .arg(*width)
                     .arg(*height));
}

void FileChecks::Visit(const PageTag& tag, ProblemList& problems)
{
    if (tag.isEnd)
        return;
    const QString& name = tag.name;
    if (name == QLatin1String("BASE")) {
        baseHref_ = tag.Value(QLatin1String("HREF")).value_or(QString()).trimmed();
        return;
    }
    if (name == QLatin1String("A") || name == QLatin1String("AREA") || name == QLatin1String("LINK")) {
        const std::optional<QString> href = tag.Value(QLatin1String("HREF"));
        // A bookmark of this page is the names' business.
        if (href && !href->trimmed().startsWith(QLatin1Char('#')))
            CheckReference(tag, QLatin1String("HREF"), Role::Link, problems);
    }
    if (name == QLatin1String("IMG") || name == QLatin1String("INPUT"))
        CheckReference(tag, QLatin1String("SRC"), Role::Picture, problems);
    else if (name == QLatin1String("FRAME") || name == QLatin1String("IFRAME") || name == QLatin1String("EMBED") ||
             name == QLatin1String("SCRIPT"))
        CheckReference(tag, QLatin1String("SRC"), Role::File, problems);
    CheckReference(tag, QLatin1String("BACKGROUND"), Role::Background, problems);
    if (name == QLatin1String("FORM"))
        CheckReference(tag, QLatin1String("ACTION"), Role::FormAction, problems);
}
