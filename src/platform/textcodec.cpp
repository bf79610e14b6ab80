#include "platform/textcodec.h"

#include "platform/kivoerror.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <array>

namespace {

// Windows-1252 between 0x80 and 0x9F. The five bytes the code page leaves
// undefined map to the C1 controls of the same value, so they survive a save.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const QByteArray kUtf8Bom("\xEF\xBB\xBF");

QChar FromWindows1252(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(kHighControls[byte - 0x80]);
    return QChar(byte);
}

int ToWindows1252(QChar ch)
{
    const char16_t code = ch.unicode();
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return code;
    for (int i = 0; i < int(kHighControls.size()); ++i) {
        if (kHighControls[i] == code)
            return 0x80 + i;
    }
    return -1;
}

LineBreaks DetectLineBreaks(const QByteArray& bytes)
{
    if (bytes.contains('\r') || !bytes.contains('\n'))
        return LineBreaks::CrLf;
    return LineBreaks::Lf;
}

QString ToCrLf(const QString& text)
{
    QString result;
    result.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == QLatin1Char('\r')) {
            result += QLatin1String("\r\n");
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else if (ch == QLatin1Char('\n')) {
            result += QLatin1String("\r\n");
        } else {
            result += ch;
        }
    }
    return result;
}

}  // namespace

QString DecodeUtf8ElseWindows1252(QByteArrayView bytes, TextEncoding* encoding)
{
    // Without ConvertInitialBom the decoder drops a leading byte order mark.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (encoding)
            *encoding = bytes.startsWith(QByteArrayView(kUtf8Bom)) ? TextEncoding::Utf8WithBom : TextEncoding::Utf8;
        return text;
    }
    if (encoding)
        *encoding = TextEncoding::Windows1252;
    text.resize(bytes.size());
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = FromWindows1252(static_cast<unsigned char>(bytes[i]));
    return text;
}

DecodedText DecodeText(const QByteArray& bytes)
{
    DecodedText decoded;
    decoded.format.lineBreaks = DetectLineBreaks(bytes);
    decoded.text = ToCrLf(DecodeUtf8ElseWindows1252(bytes, &decoded.format.encoding));
    return decoded;
}

bool FitsEncoding(const QString& text, TextEncoding encoding)
{
    if (encoding != TextEncoding::Windows1252)
        return true;
    for (const QChar ch : text) {
        if (ToWindows1252(ch) < 0)
            return false;
    }
    return true;
}

QByteArray EncodeText(const QString& text, const FileFormat& format)
{
    QString body = text;
    if (format.lineBreaks == LineBreaks::Lf)
        body.replace(QLatin1String("\r\n"), QLatin1String("\n"));

    if (format.encoding == TextEncoding::Windows1252 && FitsEncoding(body, TextEncoding::Windows1252)) {
        QByteArray bytes(body.size(), Qt::Uninitialized);
        for (qsizetype i = 0; i < body.size(); ++i)
            bytes[i] = static_cast<char>(ToWindows1252(body[i]));
        return bytes;
    }
    QByteArray bytes = body.toUtf8();
    if (format.encoding == TextEncoding::Utf8WithBom)
        bytes.prepend(kUtf8Bom);
    return bytes;
}

DecodedText LoadTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileOpenError(path);
    if (file.size() > kMaxDocumentBytes)
        throw CapacityError();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw FileOpenError(path);
    return DecodeText(bytes);
}

void SaveBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileCreateError(path);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw FileCreateError(path);
}

void SaveTextFile(const QString& path, const QString& text, const FileFormat& format)
{
    SaveBytes(path, EncodeText(text, format));
}
