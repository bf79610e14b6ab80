#pragma once

#include <QString>

class Profile;

// The address headers the link dialog offers, in the order of its radio
// group; the numbers are what the settings file stores.
enum class RemoteHeader { Http = 0, Ftp = 1, Telnet = 2, Mailto = 3, News = 4, None = 5 };
inline constexpr int kRemoteHeaderCount = 6;

// The radio group's caption of a header: "&http://" ... "n&one".
QString RemoteHeaderCaption(RemoteHeader header);
// What the header puts in front of the address: the caption without its "&",
// nothing for "n&one".
QString RemoteHeaderPrefix(RemoteHeader header);
// A stored number outside 0 to 5 means the first header.
RemoteHeader RemoteHeaderFromIndex(int index);

struct HeadedLink {
    QString text;
    // Where the address part starts, right after the new header.
    int addressStart = 0;
};

// Puts `header` in front of the address part of `link` in place of the header
// it had: a text with a ":" loses everything up to it, and the "//" when that
// follows the ":" directly.
HeadedLink ChangeLinkHeader(const QString& link, RemoteHeader header);

// "Remote Link"/"Default": the header chosen last with "Save as Default Header".
RemoteHeader ReadDefaultHeader(const Profile& settings);
void WriteDefaultHeader(const Profile& settings, RemoteHeader header);
