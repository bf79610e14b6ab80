#include "common/colorhex.h"
#include "common/relativeurl.h"
#include "common/runprogram.h"
#include "common/striptags.h"
#include "platform/programstart.h"
#include "support/recordingstarter.h"
#include "support/scriptedprompts.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList Strip(const QStringList& lines)
{
    bool inTag = false;
    QStringList out;
    for (const QString& line : lines)
        out << StripTags(line, inTag);
    return out;
}

TEST(StripTags, DropsTagsAcrossLinesAndStrayClosingBrackets)
{
    EXPECT_EQ(Strip({QStringLiteral("<B>bold</B> and <A"), QStringLiteral("HREF=\"x.htm\">link</A>")}),
              (QStringList{QStringLiteral("bold and "), QStringLiteral("link")}));
    EXPECT_EQ(Strip({QStringLiteral("a > b")}), QStringList{QStringLiteral("a  b")});
    EXPECT_EQ(Strip({QStringLiteral("&amp; <P>")}), QStringList{QStringLiteral("&amp; ")});
}

TEST(MakeRelativeUrl, ClassicWindowsExamples)
{
    const QString doc = QStringLiteral("c:\\site\\pages\\a.htm");
    EXPECT_EQ(MakeRelativeUrl(QStringLiteral("c:\\site\\pages\\img\\b.gif"), doc, PathStyle::Windows),
              QStringLiteral("img/b.gif"));
    EXPECT_EQ(MakeRelativeUrl(QStringLiteral("c:\\site\\pics\\b.gif"), doc, PathStyle::Windows),
              QStringLiteral("../pics/b.gif"));
    EXPECT_EQ(MakeRelativeUrl(QStringLiteral("d:\\art\\b.gif"), doc, PathStyle::Windows),
              QStringLiteral("file:///d|/art/b.gif"));
    EXPECT_EQ(MakeRelativeUrl(QStringLiteral("Logo.GIF"), doc, PathStyle::Windows), QStringLiteral("Logo.GIF"));
    EXPECT_EQ(MakeRelativeUrl(QStringLiteral("C:\\Art\\B.gif"), QString(), PathStyle::Windows),
              QStringLiteral("file:///c|/art/b.gif"));
}

TEST(MakeRelativeUrl, NativePathsKeepTheirCase)
{
    const QString doc = QStringLiteral("/home/ann/site/pages/a.htm");
    EXPECT_EQ(MakeRelativeUrl(QStringLiteral("/home/ann/site/pages/Img/Logo.GIF"), doc), QStringLiteral("Img/Logo.GIF"));
    EXPECT_EQ(MakeRelativeUrl(QStringLiteral("/home/ann/site/pics/B.gif"), doc), QStringLiteral("../pics/B.gif"));
    EXPECT_EQ(MakeRelativeUrl(QStringLiteral("/srv/Art/b.gif"), doc), QStringLiteral("file:///srv/Art/b.gif"));
    EXPECT_EQ(MakeRelativeUrl(QStringLiteral("/srv/Art/b.gif"), QString()), QStringLiteral("file:///srv/Art/b.gif"));
    EXPECT_EQ(MakeRelativeUrl(QStringLiteral("Logo.GIF"), doc), QStringLiteral("Logo.GIF"));
}

TEST(ColorToHex, WritesRedGreenBlue)
{
    EXPECT_EQ(ColorToHex(QColor(255, 0, 0)), QStringLiteral("FF0000"));
    EXPECT_EQ(ColorToHex(QColor(0, 0, 255)), QStringLiteral("0000FF"));
    EXPECT_EQ(ColorToHex(QColor(0, 255, 0)), QStringLiteral("00FF00"));
    EXPECT_EQ(ColorToHex(Qt::white), QStringLiteral("FFFFFF"));
    EXPECT_EQ(ColorToHex(QColor(0x12, 0xAB, 0x0C)), QStringLiteral("12AB0C"));
}

TEST(PickColorHex, CancelLeavesTheValue)
{
    ScriptedPrompts prompts;
    prompts.colors = {std::nullopt, QColor(0x80, 0, 0x40)};
    QString hex = QStringLiteral("123456");
    EXPECT_FALSE(PickColorHex(prompts, hex));
    EXPECT_EQ(hex, QStringLiteral("123456"));
    EXPECT_TRUE(PickColorHex(prompts, hex));
    EXPECT_EQ(hex, QStringLiteral("800040"));
}

TEST(RunProgram, PassesTheArgumentWholeAndReportsFailures)
{
    ScriptedPrompts prompts;
    RecordingStarter starter;
    const QString tricky = QStringLiteral("/tmp/my page; rm -rf $HOME \"x\".htm");
    RunProgram(starter, prompts, QStringLiteral("NOTEPAD"), tricky);
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started[0].arguments, QStringList{tricky});
    EXPECT_TRUE(prompts.asked.empty());

    RunProgram(starter, prompts, QStringLiteral("viewer"), QString());
    EXPECT_TRUE(starter.started[1].arguments.isEmpty());

    starter.result = ExecResult::FileNotFound;
    RunProgram(starter, prompts, QStringLiteral("nothere"), QStringLiteral("a.txt"));
    starter.result = ExecResult::AccessDenied;
    RunProgram(starter, prompts, QStringLiteral("locked"), QStringLiteral("a.txt"));
    EXPECT_EQ(prompts.Messages(),
              (QStringList{QStringLiteral("nothere\n not found"), QStringLiteral("Cannot execute, system error")}));
    EXPECT_EQ(prompts.asked[0].kind, MessageKind::Error);
}

// Where no text viewer exists, the desktop's opener is started; when it then
// finds no application (exit code 3) or fails otherwise, the user is told.
TEST(RunProgram, ReportsADesktopOpenerThatFailsAfterItStarted)
{
    QTemporaryDir folder;
    const std::pair<int, QString> cases[] = {{3, QStringLiteral("NOTEPAD\n not found")},
                                             {4, QStringLiteral("Cannot execute, system error")}};
    for (const auto& [exitCode, message] : cases) {
        const QString opener = folder.filePath(QStringLiteral("opener%1").arg(exitCode));
        QFile script(opener);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nexit %1\n").arg(exitCode).toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        ProcessProgramStarter starter(opener);
        ScriptedPrompts prompts;
        RunProgram(starter, prompts, QStringLiteral("NOTEPAD"), folder.filePath(QStringLiteral("TMPFILE.TXT")));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !prompts.asked.empty(); }, 10000)) << exitCode;
        EXPECT_EQ(prompts.Messages(), QStringList{message});
    }
}

TEST(RunProgram, ClassicCommandLineText)
{
    EXPECT_EQ(CommandLineText(QStringLiteral("NOTEPAD"), QString()), QStringLiteral("NOTEPAD "));
    const QString longArgument(300, QLatin1Char('a'));
    EXPECT_EQ(CommandLineText(QStringLiteral("p"), longArgument).size(), 255);
}

}  // namespace
