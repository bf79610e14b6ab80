#include "platform/kivoerror.h"
#include "platform/profile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class ProfileTest : public ::testing::Test {
protected:
    QString Path() const { return dir_.filePath(QStringLiteral("KIVO.INI")); }

    void WriteBytes(const QByteArray& bytes) const
    {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray ReadBytes() const
    {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
};

TEST_F(ProfileTest, MissingFileReadsDefaultsAndIsNotCreatedByReadsOrErase)
{
    const Profile profile(Path());
    EXPECT_FALSE(profile.Exists());
    EXPECT_EQ(profile.ReadString("Windows", "Top", "157"), "157");
    EXPECT_TRUE(profile.SectionKeys("History").isEmpty());
    profile.EraseSection("History");
    EXPECT_FALSE(QFile::exists(Path()));
}

TEST_F(ProfileTest, WriteCreatesFileSectionAndKeyAndReadsBackIgnoringCase)
{
    const Profile profile(Path());
    profile.WriteString("Windows", "Top", "10");
    profile.WriteString("WINDOWS", "left", "20");
    profile.WriteString("Editor", "WordWrap", "1");
    EXPECT_EQ(ReadBytes(), "[Windows]\r\nTop=10\r\nleft=20\r\n\r\n[Editor]\r\nWordWrap=1\r\n");
    EXPECT_EQ(profile.ReadString("windows", "TOP", ""), "10");
    EXPECT_EQ(profile.ReadString("Windows", "Left", ""), "20");
    EXPECT_EQ(profile.ReadString("Windows", "Height", "x"), "x");
    EXPECT_EQ(profile.ReadString("Nowhere", "Top", "y"), "y");

    // Rewriting keeps the key as spelled in the file.
    profile.WriteString("windows", "LEFT", "30");
    EXPECT_EQ(ReadBytes(), "[Windows]\r\nTop=10\r\nleft=30\r\n\r\n[Editor]\r\nWordWrap=1\r\n");
}

TEST_F(ProfileTest, WriteKeepsEveryOtherLineAsItWas)
{
    WriteBytes("; written by hand\n"
               "[Windows]\n"
               "Top = 5\n"
               "  ; a note about the window\n"
               "Left=6\n"
               "\n"
               "[Unknown]\n"
               "Whatever=keep me\n");
    const Profile profile(Path());
    profile.WriteString("Windows", "Top", "7");
    profile.WriteString("Windows", "Width", "600");
    profile.WriteString("Unknown", "Other", "x");
    // LF files stay LF; new keys follow the last key of their section.
    EXPECT_EQ(ReadBytes(), "; written by hand\n"
                           "[Windows]\n"
                           "Top=7\n"
                           "  ; a note about the window\n"
                           "Left=6\n"
                           "Width=600\n"
                           "\n"
                           "[Unknown]\n"
                           "Whatever=keep me\n"
                           "Other=x\n");
    EXPECT_EQ(profile.ReadString("Windows", "Left", ""), "6");
}

TEST_F(ProfileTest, EraseSectionRemovesAllItsPartsOnly)
{
    WriteBytes("[History]\r\nH0=a\r\nH1=b\r\n[Editor]\r\nWordWrap=1\r\n[history]\r\nH2=c\r\n");
    const Profile profile(Path());
    profile.EraseSection("HISTORY");
    EXPECT_EQ(ReadBytes(), "[Editor]\r\nWordWrap=1\r\n");
    EXPECT_TRUE(profile.SectionKeys("History").isEmpty());
}

TEST_F(ProfileTest, SectionKeysInFileOrderOncePerName)
{
    WriteBytes("[History]\r\nH2=c\r\n; H9=comment\r\nH0=a\r\ngarbage line\r\nh2=again\r\nH1=\r\n[Next]\r\nH5=x\r\n");
    EXPECT_EQ(Profile(Path()).SectionKeys("history"), QStringList({"H2", "H0", "H1"}));
}

TEST_F(ProfileTest, MalformedFileIsReadAsFarAsItMakesSense)
{
    // BOM, Windows line ends, garbage, a key before any section, duplicate
    // sections and keys, blanks around names, no final line break.
    WriteBytes("\xEF\xBB\xBF"
               "Orphan=1\r\n"
               "this is not a setting\r\n"
               "[ Windows ]\r\n"
               "=no key\r\n"
               "Top=1\r\n"
               "Top=2\r\n"
               "[Editor\r\n"
               "WordWrap=1\r\n"
               "[Windows]\r\n"
               "Left=3\r\n"
               "Top=4");
    const Profile profile(Path());
    EXPECT_EQ(profile.ReadString("", "Orphan", "none"), "none");
    EXPECT_EQ(profile.ReadString("Windows", "Top", ""), "1");
    EXPECT_EQ(profile.ReadString("Windows", "Left", ""), "3");
    EXPECT_EQ(profile.ReadString("Editor", "WordWrap", ""), "1");

    profile.WriteString("Windows", "Top", "9");
    profile.WriteString("Windows", "Width", "600");
    EXPECT_EQ(ReadBytes(), "\xEF\xBB\xBF"
                           "Orphan=1\r\n"
                           "this is not a setting\r\n"
                           "[ Windows ]\r\n"
                           "=no key\r\n"
                           "Top=9\r\n"
                           "Top=2\r\n"
                           "Width=600\r\n"
                           "[Editor\r\n"
                           "WordWrap=1\r\n"
                           "[Windows]\r\n"
                           "Left=3\r\n"
                           "Top=4\r\n");
}

TEST_F(ProfileTest, EncodingIsKeptWhileTheTextFits)
{
    WriteBytes("[PREVIEW]\r\nFixFontName=Caf\xE9\r\n");  // Windows-1252
    const Profile profile(Path());
    EXPECT_EQ(profile.ReadString("PREVIEW", "FixFontName", ""), QString::fromUtf8("Café"));
    profile.WriteString("PREVIEW", "Browser", QString::fromUtf8("/opt/\xE2\x82\xAC"));  // the euro sign fits
    EXPECT_EQ(ReadBytes(), "[PREVIEW]\r\nFixFontName=Caf\xE9\r\nBrowser=/opt/\x80\r\n");

    profile.WriteString("PREVIEW", "Browser", QString::fromUtf8("/opt/\xD0\x96"));  // Cyrillic does not
    EXPECT_EQ(ReadBytes(), "[PREVIEW]\r\nFixFontName=Caf\xC3\xA9\r\nBrowser=/opt/\xD0\x96\r\n");
    EXPECT_EQ(profile.ReadString("PREVIEW", "FixFontName", ""), QString::fromUtf8("Café"));
}

TEST_F(ProfileTest, ValuesCannotBreakOutOfTheirLine)
{
    const Profile profile(Path());
    profile.WriteString("History", "H0", "/tmp/a\n[Windows]\r\nWinState=2");
    EXPECT_TRUE(profile.SectionKeys("Windows").isEmpty());
    EXPECT_EQ(profile.SectionKeys("History"), QStringList({"H0"}));
}

TEST_F(ProfileTest, LongValuesAreKeptWhole)
{
    const QString longPath = QStringLiteral("/x").repeated(1500);
    const Profile profile(Path());
    profile.WriteString("History", "H0", longPath);
    EXPECT_EQ(profile.ReadString("History", "H0", ""), longPath);
}

TEST_F(ProfileTest, FailedWriteReportsThePathAndLeavesTheFileAlone)
{
    // The settings file's folder is gone.
    const QString missing = dir_.filePath(QStringLiteral("gone/KIVO.INI"));
    try {
        Profile(missing).WriteString("Windows", "Top", "1");
        FAIL() << "no error";
    } catch (const SettingsWriteError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Unable to write to %1").arg(missing));
    }

    // The settings "file" is something that cannot be read or replaced.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("KIVO.INI")));
    const Profile profile(Path());
    EXPECT_EQ(profile.ReadString("Windows", "Top", "157"), "157");
    EXPECT_THROW(profile.WriteString("Windows", "Top", "1"), SettingsWriteError);
    EXPECT_THROW(profile.EraseSection("Windows"), SettingsWriteError);
}

TEST_F(ProfileTest, TwoProfilesWritingOneFileKeepEachOthersKeys)
{
    const Profile first(Path());
    const Profile second(Path());
    first.WriteString("Windows", "Top", "1");
    second.WriteString("Editor", "WordWrap", "1");
    first.WriteString("Windows", "Left", "2");
    second.WriteString("Windows", "Width", "3");
    EXPECT_EQ(first.ReadString("Editor", "WordWrap", ""), "1");
    EXPECT_EQ(second.ReadString("Windows", "Top", ""), "1");
    EXPECT_EQ(second.ReadString("Windows", "Left", ""), "2");
    EXPECT_EQ(first.ReadString("Windows", "Width", ""), "3");
}

// Run as a child process by the test below: writes a batch of keys.
TEST(ProfileWriterChild, WritesKeys)
{
    const QString path = qEnvironmentVariable("KIVO_PROFILE_CHILD_PATH");
    const QString prefix = qEnvironmentVariable("KIVO_PROFILE_CHILD_PREFIX");
    if (path.isEmpty())
        GTEST_SKIP() << "only run as a child of TwoProcessesWritingAtOnceKeepAllKeys";
    const Profile profile(path);
    for (int i = 0; i < 30; ++i)
        profile.WriteString(QStringLiteral("Shared"), prefix + QString::number(i), QString::number(i));
}

TEST_F(ProfileTest, TwoProcessesWritingAtOnceKeepAllKeys)
{
    std::vector<std::unique_ptr<QProcess>> children;
    for (const char* prefix : {"A", "B"}) {
        auto child = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KIVO_PROFILE_CHILD_PATH"), Path());
        env.insert(QStringLiteral("KIVO_PROFILE_CHILD_PREFIX"), QString::fromLatin1(prefix));
        child->setProcessEnvironment(env);
        child->start(QCoreApplication::applicationFilePath(),
                     {QStringLiteral("--gtest_filter=ProfileWriterChild.WritesKeys")});
        children.push_back(std::move(child));
    }
    for (auto& child : children) {
        ASSERT_TRUE(child->waitForFinished(60000));
        EXPECT_EQ(child->exitCode(), 0) << child->readAllStandardOutput().toStdString();
    }
    const QStringList keys = Profile(Path()).SectionKeys(QStringLiteral("Shared"));
    EXPECT_EQ(keys.size(), 60);
    for (int i = 0; i < 30; ++i) {
        EXPECT_TRUE(keys.contains(QStringLiteral("A%1").arg(i))) << i;
        EXPECT_TRUE(keys.contains(QStringLiteral("B%1").arg(i))) << i;
    }
}

}  // namespace
