// `kivorender --check` as scripts and CI run it.
#include "checkfixture.h"

#include <QProcess>

namespace {

struct Finished {
    int exitCode;
    QStringList out;
    QString err;
};

Finished Kivorender(const QStringList& arguments, const QString& folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(KIVORENDER_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    QStringList out = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    if (out.last().isEmpty())
        out.removeLast();
    return Finished{process.exitCode(), out, QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

TEST_F(PageCheckTest, CheckPrintsCompilerLinesAndCountsAndExitsByTheWorst)
{
    const QByteArray clean = "<HTML><HEAD><TITLE>T</TITLE></HEAD><BODY><P>ok</BODY></HTML>\n";
    WriteFile(Path("clean.htm"), clean);
    WriteFile(Path("warned.htm"), "<HTML><HEAD><TITLE>T</TITLE></HEAD><BODY><IMG SRC=\"http://x/a.gif\"></BODY></HTML>\n");
    // Lone LF line breaks count as the editor counts them after loading.
    WriteFile(Path("wrong.htm"), "<HTML><HEAD><TITLE>T</TITLE></HEAD><BODY>\n<A HREF=\"#nowhere\">x</A>\n</BODY></HTML>\n");

    const Finished ok = Kivorender({"--check", "clean.htm"}, folder.path());
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_EQ(ok.out, QStringList({"0 errors, 0 warnings"}));

    const Finished warned = Kivorender({"--check", "warned.htm"}, folder.path());
    EXPECT_EQ(warned.exitCode, 0);
    EXPECT_EQ(warned.out, QStringList({"warned.htm:1:42: warning: <img> lacks \"alt\" attribute", "0 errors, 1 warning"}));

    const Finished wrong = Kivorender({"--check", "clean.htm", "wrong.htm", "warned.htm"}, folder.path());
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_EQ(wrong.out, QStringList({"wrong.htm:2:10: error: no bookmark \"nowhere\" in the page",
                                      "warned.htm:1:42: warning: <img> lacks \"alt\" attribute",
                                      "1 error, 1 warning"}));

    const Finished unreadable = Kivorender({"--check", "wrong.htm", "absent.htm"}, folder.path());
    EXPECT_EQ(unreadable.exitCode, 2);
    EXPECT_EQ(unreadable.out.last(), QStringLiteral("1 error, 0 warnings"));
    EXPECT_TRUE(unreadable.err.contains(QStringLiteral("kivorender: Cannot open file absent.htm\n")));
}
