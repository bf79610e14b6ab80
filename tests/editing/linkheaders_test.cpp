#include "editing/linkheaders.h"
#include "platform/profile.h"

#include "support/qtprinters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void ExpectHeaded(const QString& link, RemoteHeader header, const char* text, int addressStart)
{
    const HeadedLink headed = ChangeLinkHeader(link, header);
    EXPECT_EQ(headed.text, QString::fromUtf8(text)) << link.toStdString();
    EXPECT_EQ(headed.addressStart, addressStart) << link.toStdString();
}

}  // namespace

TEST(LinkHeaders, CaptionsAndPrefixesInRadioGroupOrder)
{
    const QStringList captions = {QStringLiteral("&http://"), QStringLiteral("&ftp://"),  QStringLiteral("&telnet://"),
                                  QStringLiteral("&mailto:"), QStringLiteral("&news:"),   QStringLiteral("n&one")};
    for (int i = 0; i < kRemoteHeaderCount; ++i)
        EXPECT_EQ(RemoteHeaderCaption(RemoteHeader(i)), captions[i]);
    EXPECT_EQ(RemoteHeaderPrefix(RemoteHeader::Mailto), QStringLiteral("mailto:"));
    EXPECT_EQ(RemoteHeaderPrefix(RemoteHeader::Telnet), QStringLiteral("telnet://"));
    EXPECT_EQ(RemoteHeaderPrefix(RemoteHeader::None), QString());
}

TEST(LinkHeaders, SwitchingHeadersKeepsTheAddressPart)
{
    ExpectHeaded(QStringLiteral("http://www.example.org/a.htm"), RemoteHeader::Mailto, "mailto:www.example.org/a.htm", 7);
    ExpectHeaded(QStringLiteral("mailto:me@example.org"), RemoteHeader::None, "me@example.org", 0);
    ExpectHeaded(QStringLiteral("me@example.org"), RemoteHeader::Ftp, "ftp://me@example.org", 6);
    ExpectHeaded(QStringLiteral("news:comp.lang"), RemoteHeader::Http, "http://comp.lang", 7);
    ExpectHeaded(QStringLiteral("https://secure.example.org"), RemoteHeader::Telnet, "telnet://secure.example.org", 9);
    ExpectHeaded(QStringLiteral("http://"), RemoteHeader::None, "", 0);
    ExpectHeaded(QStringLiteral(""), RemoteHeader::Http, "http://", 7);
}

TEST(LinkHeaders, OnlyTheFirstColonEndsTheOldHeader)
{
    ExpectHeaded(QStringLiteral("http://host:8080/p"), RemoteHeader::Ftp, "ftp://host:8080/p", 6);
}

TEST(LinkHeaders, SlashesFurtherOnBelongToTheAddress)
{
    // Only a "//" right behind the ":" is part of the header; the address
    // keeps its first characters.
    ExpectHeaded(QStringLiteral("mailto:ab@x.org?body=http://y"), RemoteHeader::News,
                 "news:ab@x.org?body=http://y", 5);
}

TEST(LinkHeaders, DefaultHeaderInTheSettingsFile)
{
    QTemporaryDir folder;
    const Profile settings(folder.filePath(QStringLiteral("KIVO.INI")));
    EXPECT_EQ(ReadDefaultHeader(settings), RemoteHeader::Http);

    WriteDefaultHeader(settings, RemoteHeader::Ftp);
    EXPECT_EQ(settings.ReadString(QStringLiteral("Remote Link"), QStringLiteral("Default"), QString()), QStringLiteral("1"));
    EXPECT_EQ(ReadDefaultHeader(settings), RemoteHeader::Ftp);

    for (const char* unusable : {"9", "-1", "mailto"}) {
        settings.WriteString(QStringLiteral("Remote Link"), QStringLiteral("Default"), QString::fromUtf8(unusable));
        EXPECT_EQ(ReadDefaultHeader(settings), RemoteHeader::Http) << unusable;
    }
    settings.WriteString(QStringLiteral("remote link"), QStringLiteral("default"), QStringLiteral("0x5"));
    EXPECT_EQ(ReadDefaultHeader(settings), RemoteHeader::None);
}
