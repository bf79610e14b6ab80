#include "platform/profile.h"
#include "platform/programstart.h"
#include "tools/applaunch.h"
#include "tools/appslots.h"
#include "tools/toolservices.h"

#include "support/fakeddeserver.h"
#include "support/recordingstarter.h"
#include "support/scriptedprompts.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QString kView = QStringLiteral("c:\\tools\\view.exe");
const QString kDocument = QStringLiteral("c:\\web\\a.htm");

class AppLaunchTest : public ::testing::Test {
protected:
    ScriptedPrompts prompts;
    RecordingStarter starter;
    FakeDdeServer dde;
    ToolServices services{prompts, starter, dde};
};

TEST(AppSlotValue, ReadsThreeFieldsAndToleratesFewer)
{
    EXPECT_EQ(ParseAppSlotValue(QStringLiteral("1,c:\\tools\\view.exe,-r")), (AppSlot{kView, QStringLiteral("-r"), true}));
    EXPECT_EQ(ParseAppSlotValue(QStringLiteral("0,/usr/bin/gimp,")), (AppSlot{QStringLiteral("/usr/bin/gimp"), {}, false}));
    // Only "1" sets the flag; extra fields are ignored.
    EXPECT_EQ(ParseAppSlotValue(QStringLiteral("yes,/bin/x,-a,-b")), (AppSlot{QStringLiteral("/bin/x"), QStringLiteral("-a"), false}));
    EXPECT_EQ(ParseAppSlotValue(QStringLiteral("1,/bin/x")), (AppSlot{QStringLiteral("/bin/x"), {}, true}));
    // No comma, or unset: no program.
    EXPECT_EQ(ParseAppSlotValue(QStringLiteral("/bin/x")), AppSlot{});
    EXPECT_EQ(ParseAppSlotValue(QStringLiteral(" ")), AppSlot{});
}

TEST(AppSlots, ClearedSlotKeepsItsOldEntryInTheFile)
{
    QTemporaryDir folder;
    const Profile profile(folder.filePath(QStringLiteral("KIVO.INI")));
    profile.WriteString(QStringLiteral("Application"), QStringLiteral("PROG3"), QStringLiteral("1,/bin/old,"));
    AppSlots appSlots = ReadAppSlots(profile);
    EXPECT_EQ(appSlots[2].program, QStringLiteral("/bin/old"));

    appSlots[2].program.clear();
    appSlots[7] = AppSlot{QStringLiteral("/bin/eight"), QStringLiteral("-x"), false};
    WriteAppSlots(profile, appSlots);
    EXPECT_EQ(profile.SectionKeys(QStringLiteral("Application")), (QStringList{QStringLiteral("PROG3"), QStringLiteral("PROG8")}));
    const AppSlots again = ReadAppSlots(profile);
    EXPECT_EQ(again[2].program, QStringLiteral("/bin/old"));
    EXPECT_EQ(again[7], appSlots[7]);
}

TEST_F(AppLaunchTest, ParametersAndFileNameFollowTheProgram)
{
    const AppSlot slot{kView, QStringLiteral("-r"), true};
    EXPECT_EQ(RunAppSlot(services, slot, kDocument), AppLaunch::Launched);
    // Without the flag, and with it for an unnamed document: no empty argument.
    RunAppSlot(services, AppSlot{kView, QStringLiteral("-r"), false}, kDocument);
    RunAppSlot(services, slot, QString());
    ASSERT_EQ(starter.started.size(), 3u);
    EXPECT_EQ(starter.started[0].program, kView);
    EXPECT_EQ(starter.started[0].arguments, (QStringList{QStringLiteral("-r"), kDocument}));
    EXPECT_EQ(starter.started[1].arguments, QStringList{QStringLiteral("-r")});
    EXPECT_EQ(starter.started[2].arguments, QStringList{QStringLiteral("-r")});
}

TEST_F(AppLaunchTest, QuotedParametersStayOneArgument)
{
    const QString odd = QStringLiteral("/home/me/my \"best\" page;1.htm");
    RunAppSlot(services, AppSlot{kView, QStringLiteral("-o ") + QuotedArgument(odd), false}, kDocument);
    EXPECT_EQ(starter.started.at(0).arguments, (QStringList{QStringLiteral("-o"), odd}));
    EXPECT_EQ(QuotedArgument(QStringLiteral("/plain/a.htm")), QStringLiteral("/plain/a.htm"));
}

TEST_F(AppLaunchTest, UnassignedSlotSaysSoAndKeepsTheBarOpen)
{
    EXPECT_EQ(RunAppSlot(services, AppSlot{QStringLiteral(" "), QStringLiteral("-r"), true}, kDocument), AppLaunch::Unassigned);
    EXPECT_EQ(prompts.Messages(), QStringList{QStringLiteral("No program is assigned to this button.")});
    EXPECT_EQ(prompts.asked[0].kind, MessageKind::Error);
    EXPECT_TRUE(starter.started.empty());
}

TEST_F(AppLaunchTest, MissingProgramIsNamedWithItsParameters)
{
    starter.result = ExecResult::FileNotFound;
    EXPECT_EQ(RunAppSlot(services, AppSlot{kView, QStringLiteral("-r"), true}, kDocument), AppLaunch::Launched);
    starter.result = ExecResult::AccessDenied;
    RunAppSlot(services, AppSlot{kView, QStringLiteral("-r"), true}, kDocument);
    EXPECT_EQ(prompts.Messages(), (QStringList{QStringLiteral("c:\\tools\\view.exe -r\n not found"),
                                               QStringLiteral("Cannot execute, system error")}));
}

TEST_F(AppLaunchTest, DdeBrowserInAnyCaseIsAskedNotStartedWithParameters)
{
    dde.running = true;
    RunAppSlot(services, AppSlot{QStringLiteral("d:\\NS\\NetScape.EXE"), QStringLiteral("-r"), false}, kDocument);
    EXPECT_TRUE(starter.started.empty());
    EXPECT_EQ(dde.requests.size(), 2u);
    EXPECT_EQ(dde.requests.back().item, kDocument + QStringLiteral(",,-1,1,,,"));
}

// A real program: a script that writes down the arguments it was given.
TEST(AppLaunchRealProgram, FileNameWithBlanksQuotesAndSemicolonArrivesAsOneArgument)
{
    QTemporaryDir folder;
    const QString script = folder.filePath(QStringLiteral("record args.sh"));
    const QString record = folder.filePath(QStringLiteral("args.txt"));
    {
        QFile file(script);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("#!/bin/sh\n{ echo \"$#\"; for a in \"$@\"; do echo \"[$a]\"; done; } > '%1.tmp'\n"
                                  "mv '%1.tmp' '%1'\n")
                       .arg(record)
                       .toUtf8());
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }
    const QString document = folder.filePath(QStringLiteral("my \"page\"; rm x.htm"));

    ScriptedPrompts prompts;
    ProcessProgramStarter starter;
    FakeDdeServer dde;
    ToolServices services{prompts, starter, dde};
    RunAppSlot(services, AppSlot{script, QString(), true}, document);
    EXPECT_TRUE(prompts.asked.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(record); }, 10000));
    QFile result(record);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(result.readAll()), QStringLiteral("1\n[%1]\n").arg(document));
}

}  // namespace
