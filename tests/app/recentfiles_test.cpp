#include "app/recentfiles.h"
#include "platform/kivoerror.h"
#include "platform/profile.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

constexpr int kBaseCount = 11;

class RecentFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        for (int i = 0; i < kBaseCount; ++i)
            menu_.addAction(i == kBaseCount - 1 ? QStringLiteral("E&xit") : QStringLiteral("item %1").arg(i));
    }

    void WriteFile(const QByteArray& bytes) const
    {
        QFile file(profile_.Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    void Rebuild()
    {
        RebuildHistoryMenu(menu_, kBaseCount, recent_, profile_, [this](const QString& path) { opened_ << path; });
    }

    QStringList HistoryCaptions() const
    {
        QStringList captions;
        const QList<QAction*> actions = menu_.actions();
        for (qsizetype i = kBaseCount; i < actions.size(); ++i)
            captions << (actions[i]->isSeparator() ? QStringLiteral("-") : actions[i]->text());
        return captions;
    }

    QAction* HistoryItem(int index) const { return menu_.actions().at(kBaseCount + 1 + index); }

    QTemporaryDir dir_;
    Profile profile_{dir_.filePath(QStringLiteral("KIVO.INI"))};
    QMenu menu_;
    QStringList recent_;
    QStringList opened_;
};

TEST_F(RecentFilesTest, SixFilesLeaveTheLastFiveNewestFirst)
{
    for (int i = 1; i <= 6; ++i)
        AddRecentFile(recent_, QStringLiteral("/docs/f%1.htm").arg(i), profile_);
    EXPECT_EQ(profile_.SectionKeys("History"), QStringList({"H0", "H1", "H2", "H3", "H4"}));
    EXPECT_EQ(profile_.ReadString("History", "H0", ""), "/docs/f6.htm");
    EXPECT_EQ(profile_.ReadString("History", "H4", ""), "/docs/f2.htm");

    recent_.clear();
    Rebuild();
    EXPECT_EQ(HistoryCaptions(), QStringList({"-", "&1 /docs/f6.htm", "&2 /docs/f5.htm", "&3 /docs/f4.htm",
                                              "&4 /docs/f3.htm", "&5 /docs/f2.htm"}));

    // A rebuild replaces the items rather than adding to them.
    Rebuild();
    EXPECT_EQ(HistoryCaptions().size(), 6);
    EXPECT_EQ(menu_.actions().at(kBaseCount - 1)->text(), "E&xit");
}

TEST_F(RecentFilesTest, ReopeningMovesToTopAndCaseMakesADifferentEntry)
{
    for (const char* path : {"/d/a.htm", "/d/b.htm", "/d/c.htm", "/d/d.htm"})
        AddRecentFile(recent_, path, profile_);
    AddRecentFile(recent_, "/d/b.htm", profile_);  // third in the list
    EXPECT_EQ(recent_, QStringList({"/d/b.htm", "/d/d.htm", "/d/c.htm", "/d/a.htm"}));
    AddRecentFile(recent_, "/d/B.htm", profile_);
    EXPECT_EQ(recent_, QStringList({"/d/B.htm", "/d/b.htm", "/d/d.htm", "/d/c.htm", "/d/a.htm"}));

    QStringList stored;
    ReadListSection(profile_, "History", "H", stored);
    EXPECT_EQ(stored, recent_);
}

TEST_F(RecentFilesTest, ItemsOpenTheirWholePath)
{
    AddRecentFile(recent_, "/tmp/R&D notes/a b.htm", profile_);
    AddRecentFile(recent_, "/tmp/my docs/index.htm", profile_);
    Rebuild();
    EXPECT_EQ(HistoryItem(0)->text(), "&1 /tmp/my docs/index.htm");
    EXPECT_EQ(HistoryItem(1)->text(), "&2 /tmp/R&&D notes/a b.htm");
    HistoryItem(1)->trigger();
    HistoryItem(0)->trigger();
    EXPECT_EQ(opened_, QStringList({"/tmp/R&D notes/a b.htm", "/tmp/my docs/index.htm"}));
}

TEST_F(RecentFilesTest, GapsInTheSectionGiveEmptyEntries)
{
    WriteFile("[History]\r\nH0=/d/first.htm\r\nH2=/d/third.htm\r\n");
    Rebuild();
    EXPECT_EQ(recent_, QStringList({"/d/first.htm", ""}));
    EXPECT_EQ(HistoryCaptions(), QStringList({"-", "&1 /d/first.htm", "&2 "}));
    HistoryItem(1)->trigger();
    EXPECT_EQ(opened_, QStringList({""}));

    // Keys without a value do not count.
    WriteFile("[History]\r\nH0=/d/first.htm\r\nH1=\r\nHX=junk\r\n");
    Rebuild();
    EXPECT_EQ(recent_, QStringList({"/d/first.htm", ""}));
}

TEST_F(RecentFilesTest, NoHistoryMeansNoSeparator)
{
    WriteFile("[Editor]\r\nWordWrap=1\r\n");
    recent_ << "stale";
    Rebuild();
    EXPECT_TRUE(recent_.isEmpty());
    EXPECT_EQ(menu_.actions().size(), kBaseCount);
    EXPECT_EQ(menu_.actions().last()->text(), "E&xit");
}

TEST_F(RecentFilesTest, WritingTheListReplacesTheWholeSectionOnly)
{
    WriteFile("[History]\r\nH0=old\r\nH7=older\r\n[Editor]\r\nWordWrap=1\r\n");
    WriteListSection(profile_, "History", "H", {"/x/one.htm", "/x/two.htm"});
    EXPECT_EQ(profile_.SectionKeys("History"), QStringList({"H0", "H1"}));
    EXPECT_EQ(profile_.ReadString("Editor", "WordWrap", ""), "1");
}

TEST_F(RecentFilesTest, AnItemThatRebuildsTheMenuSurvivesItsOwnRemoval)
{
    AddRecentFile(recent_, "/d/a.htm", profile_);
    RebuildHistoryMenu(menu_, kBaseCount, recent_, profile_, [this](const QString& path) {
        AddRecentFile(recent_, path, profile_);
        Rebuild();
    });
    HistoryItem(0)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(HistoryCaptions(), QStringList({"-", "&1 /d/a.htm"}));
}

TEST_F(RecentFilesTest, UnwritableSettingsFileReportsAndKeepsTheListInMemory)
{
    const Profile unwritable(dir_.filePath(QStringLiteral("missing/KIVO.INI")));
    EXPECT_THROW(AddRecentFile(recent_, "/d/a.htm", unwritable), SettingsWriteError);
    EXPECT_EQ(recent_, QStringList({"/d/a.htm"}));
}

TEST_F(RecentFilesTest, OpeningAnItemEntersItsFolderAfterTheLoad)
{
    const QString before = QDir::currentPath();
    const QString file = dir_.filePath(QStringLiteral("page.htm"));
    QStringList loaded;
    OpenHistoryItem(file, [&](const QString& path) {
        EXPECT_EQ(QDir::currentPath(), before);
        loaded << path;
    });
    EXPECT_EQ(loaded, QStringList({file}));
    EXPECT_EQ(QDir(QDir::currentPath()).canonicalPath(), QDir(dir_.path()).canonicalPath());

    QDir::setCurrent(before);
    EXPECT_THROW(OpenHistoryItem(file, [](const QString& path) { throw FileOpenError(path); }), FileOpenError);
    EXPECT_EQ(QDir::currentPath(), before);
    EXPECT_THROW(OpenHistoryItem(dir_.filePath(QStringLiteral("gone/page.htm")), [](const QString&) {}), KivoError);
    EXPECT_EQ(QDir::currentPath(), before);
}

}  // namespace
