// The recent-file history as the File menu shows and uses it.
#include "mainwindowfixture.h"
#include "platform/editcontrol.h"
#include "platform/profile.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>

namespace {

class HistoryWindow : public MainWindowTest {
protected:
    void TearDown() override { QDir::setCurrent(startFolder_); }

    QString IniPath() const { return Path(QStringLiteral("KIVO.INI")); }

    void WriteIni(const QByteArray& bytes) const
    {
        QFile file(IniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString MakePage(const QString& relative) const
    {
        const QString path = Path(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<HTML>" + relative.toUtf8() + "</HTML>");
        return path;
    }

    QStringList HistoryCaptions() const
    {
        QStringList captions;
        const QList<QAction*> items = window->File1->actions();
        for (qsizetype i = window->FileMenuBaseCount; i < items.size(); ++i)
            captions << (items[i]->isSeparator() ? QStringLiteral("-") : items[i]->text());
        return captions;
    }

    QAction* HistoryItem(int index) const
    {
        return window->File1->actions().at(window->FileMenuBaseCount + 1 + index);
    }

    void Open(const QString& path)
    {
        prompts.files = {path};
        window->Open1->trigger();
    }

    QString startFolder_ = QDir::currentPath();
};

TEST_F(HistoryWindow, WithoutHistoryTheFileMenuEndsWithExit)
{
    TFM_MainForm& form = Start();
    EXPECT_EQ(form.FileMenuBaseCount, 11);
    EXPECT_EQ(form.File1->actions().size(), 11);
    EXPECT_EQ(form.File1->actions().last()->text(), QStringLiteral("E&xit"));
}

TEST_F(HistoryWindow, StoredHistoryIsListedAtStartUp)
{
    WriteIni("[History]\r\nH0=/docs/one.htm\r\nH1=/docs/two.htm\r\n");
    Start();
    EXPECT_EQ(HistoryCaptions(), QStringList({"-", "&1 /docs/one.htm", "&2 /docs/two.htm"}));
}

TEST_F(HistoryWindow, OpeningFilesKeepsTheLastFiveNewestFirst)
{
    Start();
    QStringList pages;
    for (int i = 1; i <= 6; ++i)
        pages << MakePage(QStringLiteral("page %1.htm").arg(i));
    for (const QString& page : pages)
        Open(page);
    EXPECT_EQ(HistoryCaptions(), QStringList({"-", "&1 " + pages[5], "&2 " + pages[4], "&3 " + pages[3],
                                              "&4 " + pages[2], "&5 " + pages[1]}));

    Open(pages[3]);  // third in the list
    EXPECT_EQ(window->RecentFiles, QStringList({pages[3], pages[5], pages[4], pages[2], pages[1]}));
    EXPECT_TRUE(prompts.Messages().isEmpty());
}

TEST_F(HistoryWindow, SaveAsRecordsTheFileButTheMenuWaitsForTheNextRebuild)
{
    TFM_MainForm& form = Start();
    const QString saved = Path(QStringLiteral("saved as.htm"));
    prompts.files = {saved};
    form.SaveAs->trigger();
    EXPECT_EQ(Profile(IniPath()).ReadString("History", "H0", ""), saved);
    EXPECT_TRUE(HistoryCaptions().isEmpty());

    form.New1->trigger();
    EXPECT_EQ(HistoryCaptions(), QStringList({"-", "&1 " + saved}));

    // Another copy of the program changed the history: Close shows it too.
    WriteIni("[History]\r\nH0=/elsewhere/x.htm\r\n");
    form.Close1->trigger();
    EXPECT_EQ(HistoryCaptions(), QStringList({"-", "&1 /elsewhere/x.htm"}));
}

TEST_F(HistoryWindow, ALongPathIsKeptWholeBySaveCaptionAndHistory)
{
    QString deep = folder.path();
    while (deep.size() < 160)
        deep += QStringLiteral("/folder");
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString longPath = deep + QStringLiteral("/a rather long page name.htm");
    ASSERT_GT(longPath.size(), 178);
    TFM_MainForm& form = Start();
    form.HTML_WINDOW->ReplaceSelection(QStringLiteral("first"), UndoMode::Allowed);
    prompts.files = {longPath};
    form.SaveAs->trigger();
    form.HTML_WINDOW->ReplaceSelection(QStringLiteral(" and second"), UndoMode::Allowed);
    form.Save1->trigger();

    QFile saved(longPath);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), QByteArray("first and second"));
    EXPECT_FALSE(QFileInfo(longPath.left(155)).isFile());
    EXPECT_EQ(form.Document().DocumentFileName(), longPath);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("KivoPro32 - ") + longPath);
    EXPECT_EQ(Profile(IniPath()).ReadString("History", "H0", ""), longPath);

    // The history item opens the very file again.
    form.New1->trigger();
    HistoryItem(0)->trigger();
    EXPECT_EQ(form.HTML_WINDOW->Text(), QStringLiteral("first and second"));
    EXPECT_TRUE(prompts.Messages().isEmpty());
}

TEST_F(HistoryWindow, AHistoryItemOpensItsFileAndEntersItsFolder)
{
    const QString page = MakePage(QStringLiteral("my docs/R&D page.htm"));
    const QString other = MakePage(QStringLiteral("other.htm"));
    WriteIni(("[History]\r\nH0=" + other + "\r\nH1=" + page + "\r\n").toUtf8());
    TFM_MainForm& form = Start();
    EXPECT_EQ(HistoryItem(1)->text(), "&2 " + QString(page).replace("&", "&&"));
    HistoryItem(1)->trigger();
    EXPECT_EQ(form.Document().DocumentFileName(), page);
    EXPECT_EQ(form.HTML_WINDOW->Text(), QStringLiteral("<HTML>my docs/R&D page.htm</HTML>"));
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(Path(QStringLiteral("my docs"))).canonicalPath());
    EXPECT_EQ(HistoryCaptions(), QStringList({"-", "&1 " + QString(page).replace("&", "&&"), "&2 " + other}));
    EXPECT_TRUE(prompts.Messages().isEmpty());
}

TEST_F(HistoryWindow, UnopenableEntriesReportAndStay)
{
    const QString gone = Path(QStringLiteral("gone.htm"));
    WriteIni(("[History]\r\nH0=" + gone + "\r\nH2=/never/listed.htm\r\n").toUtf8());
    TFM_MainForm& form = Start();
    EXPECT_EQ(HistoryCaptions(), QStringList({"-", "&1 " + gone, "&2 "}));

    HistoryItem(0)->trigger();
    HistoryItem(1)->trigger();
    EXPECT_EQ(prompts.Messages(), QStringList({"Cannot open file " + gone, QStringLiteral("Cannot open file ")}));
    EXPECT_EQ(form.Document().DocumentFileName(), QString());
    EXPECT_EQ(QDir::currentPath(), startFolder_);
    EXPECT_EQ(HistoryCaptions(), QStringList({"-", "&1 " + gone, "&2 "}));
}

TEST_F(HistoryWindow, SamePathInAnotherCaseIsAnotherEntry)
{
    Start();
    const QString lower = MakePage(QStringLiteral("case.htm"));
    const QString upper = MakePage(QStringLiteral("CASE.htm"));
    Open(lower);
    Open(upper);
    EXPECT_EQ(window->RecentFiles, QStringList({upper, lower}));
}

}  // namespace
