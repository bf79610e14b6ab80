#include "platform/kivoerror.h"
#include "platform/textcodec.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray RoundTrip(const QByteArray& bytes)
{
    const DecodedText decoded = DecodeText(bytes);
    return EncodeText(decoded.text, decoded.format);
}

TEST(TextCodec, FilesComeBackByteIdentical)
{
    const QByteArray utf8("<P>caf\xC3\xA9</P>\r\n");
    const QByteArray bom("\xEF\xBB\xBF<P>x</P>\r\n");
    const QByteArray latin("<P>caf\xE9 \x80 \x81 \x9D \xFF</P>\r\nline 2");
    QByteArray binary;
    for (int i = 1; i < 256; ++i) {
        if (i != '\r' && i != '\n')
            binary += char(i);
    }
    const QByteArray unixText("<HTML>\n<BODY>\n</HTML>\n");
    for (const QByteArray& bytes : {utf8, bom, latin, binary, unixText})
        EXPECT_EQ(RoundTrip(bytes), bytes);
}

TEST(TextCodec, ReadsLatinOneAsWindows1252)
{
    const DecodedText decoded = DecodeText(QByteArray("caf\xE9 \x80"));
    EXPECT_EQ(decoded.format.encoding, TextEncoding::Windows1252);
    EXPECT_EQ(decoded.text, QStringLiteral("caf\u00E9 \u20AC"));
}

TEST(TextCodec, MixedLineBreaksBecomeCrLf)
{
    const DecodedText decoded = DecodeText(QByteArray("a\rb\nc\r\nd"));
    EXPECT_EQ(decoded.text, QStringLiteral("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(decoded.format.lineBreaks, LineBreaks::CrLf);
    EXPECT_EQ(EncodeText(decoded.text, decoded.format), QByteArray("a\r\nb\r\nc\r\nd"));
}

TEST(TextCodec, TextBeyondTheSingleByteEncodingIsWrittenAsUtf8)
{
    const FileFormat latin{TextEncoding::Windows1252, LineBreaks::CrLf};
    EXPECT_EQ(EncodeText(QStringLiteral("\u00E9"), latin), QByteArray("\xE9"));
    EXPECT_EQ(EncodeText(QStringLiteral("\u00E9\u4E2D"), latin), QByteArray("\xC3\xA9\xE4\xB8\xAD"));
}

TEST(TextCodec, MissingFileAndUnwritablePlaceRaiseTheUsersMessages)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("none.htm"));
    try {
        LoadTextFile(missing);
        FAIL() << "no error";
    } catch (const FileOpenError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Cannot open file ") + missing);
    }
    const QString unwritable = dir.filePath(QStringLiteral("no/such/folder/x.htm"));
    try {
        SaveTextFile(unwritable, QStringLiteral("x"));
        FAIL() << "no error";
    } catch (const FileCreateError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Cannot create file ") + unwritable);
    }
}

TEST(TextCodec, AFailedSaveLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.htm"));
    SaveTextFile(path, QStringLiteral("old"));
    QFile(path).setPermissions(QFileDevice::ReadOwner);
    QFile(dir.path()).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    bool failed = false;
    try {
        SaveTextFile(path, QStringLiteral("new"));
    } catch (const FileCreateError&) {
        failed = true;
    }
    QFile(dir.path()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // Running as root the write may be allowed; either way nothing is half written.
    const QByteArray content = file.readAll();
    EXPECT_TRUE(failed ? content == "old" : content == "new");
}

}  // namespace

TEST(TextCodec, OneDecoderForEditorAndViewer)
{
    TextEncoding encoding = TextEncoding::Utf8;
    // A byte order mark is dropped and remembered; line breaks stay as they came.
    EXPECT_EQ(DecodeUtf8ElseWindows1252("\xEF\xBB\xBFS\xC3\xA9\n", &encoding), QString::fromUtf8("S\xC3\xA9\n"));
    EXPECT_EQ(encoding, TextEncoding::Utf8WithBom);
    EXPECT_EQ(DecodeUtf8ElseWindows1252("a\r\nb"), "a\r\nb");
    // A cut multi-byte sequence at the end is not UTF-8: the whole file is Windows-1252.
    EXPECT_EQ(DecodeUtf8ElseWindows1252("\x80 \xC3", &encoding), QString::fromUtf8("\xE2\x82\xAC \xC3\x83"));
    EXPECT_EQ(encoding, TextEncoding::Windows1252);
    // The editor reads the same text, with CR LF breaks.
    for (const QByteArray& bytes : {QByteArray("\xEF\xBB\xBFx\ny"), QByteArray("caf\xE9\ny"), QByteArray("plain\ny")}) {
        const DecodedText editor = DecodeText(bytes);
        EXPECT_EQ(editor.text, DecodeUtf8ElseWindows1252(bytes, &encoding).replace("\n", "\r\n"));
        EXPECT_EQ(editor.format.encoding, encoding);
    }
}
