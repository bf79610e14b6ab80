#include "platform/ddeclient.h"
#include "tools/browserlaunch.h"
#include "tools/toolservices.h"

#include "support/fakeddeserver.h"
#include "support/recordingstarter.h"
#include "support/scriptedprompts.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

const QString kDocument = QStringLiteral("c:\\web\\a.htm");
const QString kNetscape = QStringLiteral("c:\\Program Files\\Netscape\\netscape.exe");

class BrowserLaunch : public ::testing::Test {
protected:
    BrowserDocument Document(const QString& name, bool saveAnswer = true)
    {
        return {[name] { return name; }, [this, saveAnswer] {
                    ++saveOffers;
                    return saveAnswer;
                }};
    }

    ScriptedPrompts prompts;
    RecordingStarter starter;
    FakeDdeServer dde;
    ToolServices services{prompts, starter, dde};
    int saveOffers = 0;
};

TEST(IsDdeBrowser, FileNameInAnyCaseWithEitherSeparator)
{
    EXPECT_TRUE(IsDdeBrowser(QStringLiteral("c:\\ns\\netscape.exe")));
    EXPECT_TRUE(IsDdeBrowser(QStringLiteral("/opt/ns/Netscape.Exe")));
    EXPECT_FALSE(IsDdeBrowser(QStringLiteral("c:\\ns\\mynetscape.exe")));
    EXPECT_FALSE(IsDdeBrowser(QStringLiteral("/opt/netscape.exe/firefox")));
}

TEST_F(BrowserLaunch, RefusesUnnamedDocumentOrMissingBrowserBeforeOfferingToSave)
{
    LaunchBrowser(services, QStringLiteral("/usr/bin/firefox"), Document(QString()));
    LaunchBrowser(services, QStringLiteral(" "), Document(kDocument));
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[0].text, QStringLiteral("Please save your file first"));
    EXPECT_EQ(prompts.asked[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(prompts.asked[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(prompts.asked[1].text, QStringLiteral("Please set your Web Browser via Option first"));
    EXPECT_EQ(prompts.asked[1].kind, MessageKind::Error);
    EXPECT_EQ(saveOffers, 0);
    EXPECT_TRUE(starter.started.empty());
    EXPECT_TRUE(dde.attempts.empty());
}

TEST_F(BrowserLaunch, OrdinaryBrowserGetsTheSavedFileAsOneArgumentEveryTime)
{
    const QString name = QStringLiteral("/home/me/my site/a \"b\";c.htm");
    const QString browser = QStringLiteral("/opt/a browser/") + QString(220, QLatin1Char('x'));
    LaunchBrowser(services, browser, Document(name));
    LaunchBrowser(services, browser, Document(name));
    ASSERT_EQ(starter.started.size(), 2u);
    EXPECT_EQ(starter.started[0].program, browser);  // kept whole past 200 characters
    EXPECT_EQ(starter.started[0].arguments, QStringList{name});
    EXPECT_FALSE(starter.started[0].minimised);
    EXPECT_EQ(saveOffers, 2);
    EXPECT_TRUE(dde.attempts.empty());
}

TEST_F(BrowserLaunch, CancelledSaveStartsNothing)
{
    LaunchBrowser(services, QStringLiteral("/usr/bin/firefox"), Document(kDocument, false));
    EXPECT_EQ(saveOffers, 1);
    EXPECT_TRUE(starter.started.empty());
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(BrowserLaunch, RunningDdeBrowserIsAskedToActivateAndOpenThePlainPath)
{
    dde.running = true;
    LaunchBrowser(services, kNetscape, Document(kDocument));
    EXPECT_TRUE(starter.started.empty());
    EXPECT_EQ(dde.Items(), (QStringList{QStringLiteral("WWW_Activate|0xFFFFFFFF"),
                                        QStringLiteral("WWW_OpenURL|c:\\web\\a.htm,,-1,1,,,")}));
    for (const FakeDdeServer::Attempt& attempt : dde.attempts)
        EXPECT_EQ(attempt.service, QStringLiteral("Netscape"));
    for (const FakeDdeServer::Requested& request : dde.requests)
        EXPECT_EQ(request.timeout, 10000ms);
    EXPECT_EQ(dde.openLinks, 0);
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(BrowserLaunch, DdeBrowserNotRunningIsStartedMinimisedThenAskedTwice)
{
    starter.onMinimisedStart = [this] { dde.running = true; };
    SendToBrowserByDde(services, kNetscape, kDocument);
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started[0].program, kNetscape);
    EXPECT_TRUE(starter.started[0].arguments.isEmpty());
    EXPECT_TRUE(starter.started[0].minimised);
    ASSERT_EQ(dde.attempts.size(), 3u);
    EXPECT_FALSE(dde.attempts[0].connected);
    EXPECT_TRUE(dde.attempts[1].connected);
    EXPECT_EQ(dde.attempts[2].topic, QStringLiteral("WWW_OpenURL"));
    EXPECT_EQ(dde.requests.size(), 2u);
}

TEST_F(BrowserLaunch, UnreachableDdeBrowserEndsSilently)
{
    // Never answers: started once per topic, nothing asked, nothing said.
    SendToBrowserByDde(services, kNetscape, kDocument);
    EXPECT_EQ(starter.started.size(), 2u);
    EXPECT_TRUE(dde.requests.empty());

    // Cannot even be started: no second try to connect after a failed start.
    starter.started.clear();
    dde.attempts.clear();
    starter.result = ExecResult::FileNotFound;
    SendToBrowserByDde(services, kNetscape, kDocument);
    EXPECT_EQ(dde.attempts.size(), 2u);

    // Answers nothing in time.
    dde.running = true;
    dde.refusing = true;
    SendToBrowserByDde(services, kNetscape, kDocument);
    EXPECT_EQ(dde.openLinks, 0);
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(BrowserLaunch, WithoutDdeTheBrowserIsStartedOnceWithTheFile)
{
    UnavailableDdeClient none;
    ToolServices noDde{prompts, starter, none};
    LaunchBrowser(noDde, kNetscape, Document(kDocument));
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started[0].arguments, QStringList{kDocument});
    EXPECT_FALSE(starter.started[0].minimised);

    starter.result = ExecResult::PathNotFound;
    SendToBrowserByDde(noDde, kNetscape, kDocument);
    EXPECT_EQ(prompts.Messages(), QStringList{kNetscape + QStringLiteral("\n not found")});
}

}  // namespace
