#include "platform/commandwrapper.h"
#include "platform/kivoerror.h"
#include "support/scriptedprompts.h"
#include "platform/programstart.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandWrapper, ShowsTheErrorAndGoesOn)
{
    ScriptedPrompts prompts;
    bool after = false;
    RunCommand(prompts, [] { throw FileOpenError(QStringLiteral("/x/page.htm")); });
    RunCommand(prompts, [] { throw std::runtime_error("plain failure"); });
    RunCommand(prompts, [&] { after = true; });
    EXPECT_TRUE(after);
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[0].text, QStringLiteral("Cannot open file /x/page.htm"));
    EXPECT_EQ(prompts.asked[0].kind, MessageKind::Error);
    EXPECT_EQ(prompts.asked[1].text, QStringLiteral("plain failure"));
}

TEST(ProgramStarter, ReportsMissingProgramsAndStartsRealOnes)
{
    ProcessProgramStarter starter;
    EXPECT_EQ(starter.WinExec(QStringLiteral("kivo-no-such-program"), {}), ExecResult::FileNotFound);
    EXPECT_EQ(starter.WinExec(QStringLiteral("/no/such/dir/prog"), {}), ExecResult::PathNotFound);
    EXPECT_EQ(starter.WinExec(QStringLiteral("/"), {}), ExecResult::AccessDenied);
    EXPECT_EQ(starter.WinExec(QStringLiteral("true"), {QStringLiteral("a b; $x")}), ExecResult::Started);
}

}  // namespace
