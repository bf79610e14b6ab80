#include "viewer/headlesshost.h"

#include "viewer/expandlinkname.h"
#include "viewer/htmldocument.h"

#include <QFileInfo>
#include <cstdio>

HeadlessHost::HeadlessHost(const HtmlDocument& document, const QString& fileName)
    : document_(document), fileName_(fileName.isEmpty() ? QString() : QFileInfo(fileName).absoluteFilePath())
{
}

void HeadlessHost::ReportError(const QString& message)
{
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

QImage HeadlessHost::LoadPicture(const QString&, QColor&)
{
    return QImage();
}

void HeadlessHost::BackgroundChanged(QColor) {}

void HeadlessHost::SubmitForm(const QString&, const QString&, const QStringList&) {}

QString HeadlessHost::ExpandLinkName(const QString& link) const
{
    return ::ExpandLinkName(link, document_.Base, fileName_, ViewerPathStyle::Native);
}
