#include "wizards/imagetag.h"

#include "common/isset.h"
#include "common/relativeurl.h"

#include <QFileInfo>

QString PictureAlignCaption(PictureAlign align)
{
    switch (align) {
    case PictureAlign::Left: return QStringLiteral("Left");
    case PictureAlign::Right: return QStringLiteral("Right");
    case PictureAlign::Top: return QStringLiteral("Top");
    case PictureAlign::Bottom: return QStringLiteral("Bottom");
    case PictureAlign::Middle: return QStringLiteral("Middle");
    case PictureAlign::Default: break;
    }
    return QStringLiteral("Default");
}

QString MakeImageTag(const QString& path, const ImageTagOptions& options, ImageDialogMode mode)
{
    if (mode == ImageDialogMode::Background)
        return QStringLiteral("<BODY BACKGROUND=\"%1\">").arg(path);

    QString tag = QStringLiteral("<IMG");
    if (options.align != PictureAlign::Default)
        tag += QStringLiteral(" ALIGN=") + PictureAlignCaption(options.align).toUpper();
    tag += QStringLiteral(" SRC=\"") + path + QLatin1Char('"');
    if (options.isMap)
        tag += QStringLiteral(" ISMAP");
    tag += QStringLiteral(" WIDTH=%1 HEIGHT=%2").arg(options.width).arg(options.height);
    if (IsSet(options.alt))
        tag += QStringLiteral(" ALT=\"") + options.alt + QLatin1Char('"');
    return tag + QLatin1Char('>');
}

QString ImageDialogResult(const QString& fullFileName, bool fileNameOnly, const QString& documentFileName,
                          const ImageTagOptions& options, ImageDialogMode mode)
{
    // Paths keep their letter case: on a case-sensitive file system a
    // lower-cased address names another file, or none.
    if (mode == ImageDialogMode::Background)
        return fullFileName;
    const QString path = fileNameOnly ? QFileInfo(fullFileName).fileName()
                                      : MakeRelativeUrl(fullFileName, documentFileName, PathStyle::Native);
    return MakeImageTag(path, options, mode);
}
