#include "app/recoverycopy.h"

#include <QCryptographicHash>
#include <QList>
#include <QStringDecoder>

#include <array>
#include <utility>

namespace {

const QByteArray kMagic("KivoPro32 recovery copy 1\n");
const QByteArray kHeaderEnd("\n\n");

constexpr std::array<std::pair<TextEncoding, const char*>, 3> kEncodings = {{
    {TextEncoding::Utf8, "utf-8"},
    {TextEncoding::Utf8WithBom, "utf-8-bom"},
    {TextEncoding::Windows1252, "windows-1252"},
}};
constexpr std::array<std::pair<LineBreaks, const char*>, 2> kLineBreaks = {{
    {LineBreaks::CrLf, "crlf"},
    {LineBreaks::Lf, "lf"},
}};

template <typename Enum, std::size_t N>
QByteArray NameOf(const std::array<std::pair<Enum, const char*>, N>& names, Enum value)
{
    for (const auto& [known, name] : names) {
        if (known == value)
            return name;
    }
    return names.front().second;
}

// False for a name this program never writes.
template <typename Enum, std::size_t N>
bool ValueOf(const std::array<std::pair<Enum, const char*>, N>& names, const QByteArray& name, Enum& value)
{
    for (const auto& [known, knownName] : names) {
        if (name == knownName) {
            value = known;
            return true;
        }
    }
    return false;
}

QByteArray Checksum(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

}  // namespace

QByteArray EncodeRecoveryCopy(const RecoveryCopy& copy)
{
    const QByteArray text = copy.text.toUtf8();
    QByteArray bytes = kMagic;
    // Percent-encoded, so a line break in a file name cannot end the header.
    bytes += "path=" + copy.documentPath.toUtf8().toPercentEncoding("/ ") + '\n';
    bytes += "encoding=" + NameOf(kEncodings, copy.format.encoding) + '\n';
    bytes += "lineends=" + NameOf(kLineBreaks, copy.format.lineBreaks) + '\n';
    bytes += "time=" + copy.time.toString(Qt::ISODateWithMs).toUtf8() + '\n';
    bytes += "pid=" + QByteArray::number(copy.pid) + '\n';
    bytes += "length=" + QByteArray::number(text.size()) + '\n';
    bytes += "sha256=" + Checksum(text) + '\n';
    bytes += '\n';
    bytes += text;
    return bytes;
}

RecoveryRead DecodeRecoveryCopy(const QByteArray& bytes)
{
    RecoveryRead read;
    if (!bytes.startsWith(kMagic))
        return read;
    const qsizetype headerEnd = bytes.indexOf(kHeaderEnd, kMagic.size() - 1);
    if (headerEnd < 0)
        return read;

    bool sound = true;
    qsizetype length = -1;
    QByteArray checksum;
    RecoveryCopy& copy = read.copy;
    const QList<QByteArray> lines = bytes.mid(kMagic.size(), headerEnd + 1 - kMagic.size()).split('\n');
    for (const QByteArray& line : lines) {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArray key = line.left(equals);
        const QByteArray value = line.mid(equals + 1);
        if (key == "path") {
            copy.documentPath = QString::fromUtf8(QByteArray::fromPercentEncoding(value));
        } else if (key == "encoding") {
            sound = ValueOf(kEncodings, value, copy.format.encoding) && sound;
        } else if (key == "lineends") {
            sound = ValueOf(kLineBreaks, value, copy.format.lineBreaks) && sound;
        } else if (key == "time") {
            copy.time = QDateTime::fromString(QString::fromLatin1(value), Qt::ISODateWithMs);
        } else if (key == "pid") {
            copy.pid = value.toLongLong();
        } else if (key == "length") {
            bool ok = false;
            length = value.toLongLong(&ok);
            if (!ok)
                length = -1;
        } else if (key == "sha256") {
            checksum = value;
        }
    }

    const QByteArray text = bytes.mid(headerEnd + kHeaderEnd.size());
    sound = sound && text.size() == length && Checksum(text) == checksum;
    // A copy cut inside a character loses that character, not the text:
    // the decoder keeps an unfinished sequence back until more comes.
    QStringDecoder utf8(QStringDecoder::Utf8);
    copy.text = utf8.decode(text);
    if (!sound && copy.text.isEmpty())
        return read;
    read.integrity = sound ? RecoveryIntegrity::Sound : RecoveryIntegrity::Damaged;
    return read;
}
