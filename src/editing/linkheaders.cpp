#include "editing/linkheaders.h"

#include "common/settingsvalues.h"
#include "platform/profile.h"

#include <array>

namespace {

const QString kSection = QStringLiteral("Remote Link");
const QString kKey = QStringLiteral("Default");

const std::array<QString, kRemoteHeaderCount> kCaptions = {
    QStringLiteral("&http://"), QStringLiteral("&ftp://"),  QStringLiteral("&telnet://"),
    QStringLiteral("&mailto:"), QStringLiteral("&news:"),   QStringLiteral("n&one"),
};

}  // namespace

QString RemoteHeaderCaption(RemoteHeader header)
{
    return kCaptions[static_cast<std::size_t>(header)];
}

QString RemoteHeaderPrefix(RemoteHeader header)
{
    if (header == RemoteHeader::None)
        return {};
    return RemoteHeaderCaption(header).mid(1);
}

RemoteHeader RemoteHeaderFromIndex(int index)
{
    if (index < 0 || index >= kRemoteHeaderCount)
        return RemoteHeader::Http;
    return static_cast<RemoteHeader>(index);
}

HeadedLink ChangeLinkHeader(const QString& link, RemoteHeader header)
{
    QString address = link;
    const int colon = static_cast<int>(address.indexOf(QLatin1Char(':')));
    if (colon >= 0) {
        // Only a "//" right after the ":" belongs to the header; one further
        // on is part of the address ("mailto:a@b.org?body=http://...").
        const bool slashes = address.mid(colon + 1, 2) == QStringLiteral("//");
        address.remove(0, colon + 1 + (slashes ? 2 : 0));
    }
    const QString prefix = RemoteHeaderPrefix(header);
    return {prefix + address, static_cast<int>(prefix.size())};
}

RemoteHeader ReadDefaultHeader(const Profile& settings)
{
    return RemoteHeaderFromIndex(ReadInteger(settings, kSection, kKey, 0));
}

void WriteDefaultHeader(const Profile& settings, RemoteHeader header)
{
    WriteInteger(settings, kSection, kKey, static_cast<int>(header));
}
