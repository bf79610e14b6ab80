#include "app/recoverycopy.h"
#include "app/recoverykeeper.h"
#include "app/recoveryoffer.h"
#include "mainwindowfixture.h"
#include "platform/editcontrol.h"
#include "recoverychild.h"
#include "restartchild.h"
#include "support/testfiles.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QTest>

#include <csignal>
#include <map>

namespace {

const QDateTime kWhen(QDate(2026, 12, 9), QTime(3, 4, 5, 6), Qt::UTC);

TEST(RecoveryCopyFile, SoundDamagedCutShortAndForeignCopies)
{
    const RecoveryCopy copy{QStringLiteral("/home/u/a b%\n.htm"), {TextEncoding::Windows1252, LineBreaks::Lf}, kWhen,
                            4242, QStringLiteral("Grüße €\r\nzwei")};
    const QByteArray bytes = EncodeRecoveryCopy(copy);
    RecoveryRead read = DecodeRecoveryCopy(bytes);
    EXPECT_EQ(read.integrity, RecoveryIntegrity::Sound);
    EXPECT_EQ(std::tuple(read.copy.documentPath, read.copy.format.encoding, read.copy.format.lineBreaks,
                         read.copy.time, read.copy.pid, read.copy.text),
              std::tuple(copy.documentPath, TextEncoding::Windows1252, LineBreaks::Lf, kWhen, 4242, copy.text));

    QByteArray changed = bytes;
    changed.back() = 'X';
    read = DecodeRecoveryCopy(changed);
    EXPECT_EQ(read.integrity, RecoveryIntegrity::Damaged);
    EXPECT_EQ(read.copy.text, QStringLiteral("Grüße €\r\nzweX"));
    // Cut inside the euro sign: everything before it is kept.
    read = DecodeRecoveryCopy(bytes.left(bytes.indexOf("\xE2\x82\xAC") + 2));
    EXPECT_EQ(read.integrity, RecoveryIntegrity::Damaged);
    EXPECT_EQ(read.copy.text, QStringLiteral("Grüße "));

    EXPECT_EQ(DecodeRecoveryCopy("<HTML>not ours").integrity, RecoveryIntegrity::Unreadable);
    EXPECT_EQ(DecodeRecoveryCopy(bytes.left(40)).integrity, RecoveryIntegrity::Unreadable);
}

// A window whose recovery copies go to a data folder of the test's own.
class Recovery : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        previousData_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
        copies = RecoveryFolder();
    }
    void TearDown() override
    {
        window.reset();
        qputenv("XDG_DATA_HOME", previousData_);
        MainWindowTest::TearDown();
    }

    // A copy as a run that died left it, written `age` seconds ago.
    void Leave(const QString& name, const QByteArray& bytes, int age)
    {
        QDir().mkpath(copies);
        WriteFile(copies + QLatin1Char('/') + name, bytes);
        QFile file(copies + QLatin1Char('/') + name);
        file.open(QIODevice::ReadWrite);
        file.setFileTime(QDateTime::currentDateTime().addSecs(-age), QFileDevice::FileModificationTime);
    }
    QStringList Copies() const { return QDir(copies).entryList({QStringLiteral("*.kivorecovery")}); }
    // Types into the editor and waits for the copy to hold it.
    void TypeAndWaitForCopy(const QString& text)
    {
        QTest::keyClicks(window->HTML_WINDOW, text);
        const int caret = window->HTML_WINDOW->SelStart();
        QDeadlineTimer deadline(20000);
        while (!QFile::exists(window->Recovery().CopyPath()) && !deadline.hasExpired())
            QTest::qWait(10);
        ASSERT_TRUE(QFile::exists(window->Recovery().CopyPath()));
        EXPECT_EQ(window->HTML_WINDOW->SelStart(), caret);
    }

    QTemporaryDir data;
    QString copies;

private:
    QByteArray previousData_;
};

TEST_F(Recovery, DeadRunsCopiesAreOfferedOldestFirstAndKeptOrDeletedAsAnswered)
{
    const QStringList buttons{QStringLiteral("&Recover"), QStringLiteral("&Discard"), QStringLiteral("&Later")};
    Leave(QStringLiteral("1.kivorecovery"), EncodeRecoveryCopy({QStringLiteral("/w/a.htm"), {}, kWhen, 1, "A"}), 50);
    Leave(QStringLiteral("2.kivorecovery"), EncodeRecoveryCopy({QString(), {}, kWhen, 2, "B"}), 40);
    Leave(QStringLiteral("3.kivorecovery"), EncodeRecoveryCopy({QString(), {}, kWhen, 3, "C"}), 30);
    Leave(QStringLiteral("4.kivorecovery"), EncodeRecoveryCopy({QString(), {}, kWhen, 4, "Dd"}).chopped(1), 20);
    Leave(QStringLiteral("5.kivorecovery"), "not a recovery copy", 10);
    prompts.choices = {0, 1, 2, 0};
    QStringList recovered;
    OfferRecoveryCopies(copies, prompts, [&](const RecoveryCopy& copy) {
        recovered << copy.text;
        return true;
    });

    ASSERT_EQ(prompts.asked.size(), 5u);
    EXPECT_EQ(prompts.asked[0].text, RecoveryQuestion({QStringLiteral("/w/a.htm"), {}, kWhen, 1, "A"}, kWhen));
    EXPECT_EQ(prompts.asked[1].text, QStringLiteral("Unsaved changes to a new document from %1 were found. Recover them?")
                                         .arg(QLocale().toString(kWhen.toLocalTime(), QLocale::ShortFormat)));
    EXPECT_EQ(std::tuple(prompts.asked[0].caption, prompts.asked[0].choices, prompts.asked[0].kind),
              std::tuple(QStringLiteral("KivoPro32"), buttons, MessageKind::Confirmation));
    EXPECT_EQ(prompts.asked[3].kind, MessageKind::Warning);
    EXPECT_TRUE(prompts.asked[3].text.contains(QStringLiteral("damaged")));
    EXPECT_EQ(prompts.asked[4].what, ScriptedPrompts::Asked::What::Message);
    EXPECT_TRUE(prompts.asked[4].text.contains(copies + QStringLiteral("/5.unreadable")));
    EXPECT_EQ(recovered, QStringList({QStringLiteral("A"), QStringLiteral("D")}));
    EXPECT_EQ(Copies(), QStringList{QStringLiteral("3.kivorecovery")});
    EXPECT_EQ(QDir(copies).entryList(QDir::Files).size(), 2);  // no lock left behind
}

TEST_F(Recovery, RecoveredTextIsAModifiedDocumentNamedAsTheOriginalBeforeTheStartFile)
{
    WriteFile(Path(QStringLiteral("page.htm")), "<P>saved</P>");
    WriteFile(Path(QStringLiteral("start.htm")), "<P>start</P>");
    const RecoveryCopy copy{Path(QStringLiteral("page.htm")), {TextEncoding::Windows1252, LineBreaks::Lf}, kWhen, 1,
                            QStringLiteral("<P>unsaved é</P>\r\n")};
    Leave(QStringLiteral("1.kivorecovery"), EncodeRecoveryCopy(copy), 10);
    prompts.choices = {0};
    prompts.answers = {Answer::Cancel};  // keep the recovered text rather than open the start file
    TFM_MainForm& form = Start({Path(QStringLiteral("start.htm"))});
    form.show();
    QTest::qWait(20);

    EXPECT_EQ(prompts.Messages(), QStringList({RecoveryQuestion(copy, kWhen), QStringLiteral("Save changes to HTML file?")}));
    EXPECT_EQ(form.Document().DocumentFileName(), copy.documentPath);
    EXPECT_TRUE(form.Document().DocumentModified());
    EXPECT_EQ(form.HTML_WINDOW->Text(), copy.text);
    EXPECT_EQ(form.Document().Format().encoding, TextEncoding::Windows1252);
    EXPECT_EQ(ReadFile(copy.documentPath), "<P>saved</P>");
    // The dead run's copy has given way to this run's.
    EXPECT_EQ(Copies(), QStringList{QFileInfo(form.Recovery().CopyPath()).fileName()});
    form.Save1->trigger();
    EXPECT_EQ(ReadFile(copy.documentPath), "<P>unsaved \xE9</P>\n");
}

TEST_F(Recovery, TheCopyGoesOnSaveSaveAsNewOpenAndExit)
{
    TFM_MainForm& form = Start();
    form.Recovery().SetDelays(10, 10000);
    WriteFile(Path(QStringLiteral("other.htm")), "<P>other</P>");
    const struct {
        QAction* command;
        std::deque<Answer> answers;
        std::deque<std::optional<QString>> files;
    } steps[] = {{form.New1, {Answer::No}, {}},
                 {form.SaveAs, {}, {Path(QStringLiteral("saved.htm"))}},
                 {form.Save1, {}, {}},
                 {form.Open1, {Answer::No}, {Path(QStringLiteral("other.htm"))}},
                 {form.Exit2, {Answer::No}, {}}};
    for (const auto& step : steps) {
        TypeAndWaitForCopy(QStringLiteral("abc"));
        prompts.answers = step.answers;
        prompts.files = step.files;
        step.command->trigger();
        form.Recovery().Flush();
        EXPECT_TRUE(Copies().isEmpty()) << step.command->text().toStdString();
        // An unmodified document has nothing to keep.
        QTest::qWait(30);
        EXPECT_TRUE(Copies().isEmpty());
    }
    EXPECT_TRUE(prompts.AllAnswered());
}

TEST_F(Recovery, TurnedOffItKeepsNothingAndOffersNothing)
{
    Leave(QStringLiteral("1.kivorecovery"), EncodeRecoveryCopy({QString(), {}, kWhen, 1, "A"}), 10);
    WriteFile(Path(QStringLiteral("KIVO.INI")), "[Editor]\r\nRecovery=0\r\n");
    TFM_MainForm& form = Start();
    form.show();
    form.Recovery().SetDelays(10, 10);
    QTest::keyClicks(form.HTML_WINDOW, QStringLiteral("typed"));
    QTest::qWait(100);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(Copies(), QStringList{QStringLiteral("1.kivorecovery")});

    form.MNU_Recovery->trigger();
    TypeAndWaitForCopy(QStringLiteral("on"));
    form.MNU_Recovery->trigger();
    form.Recovery().Flush();
    EXPECT_EQ(Copies(), QStringList{QStringLiteral("1.kivorecovery")});
}

TEST_F(Recovery, AFolderThatCannotBeWrittenTurnsRecoveryOffWithOneStatusText)
{
    // A file where the folder should be: not even root can write there.
    WriteFile(data.filePath(QStringLiteral("kivopro32")), "in the way");
    TFM_MainForm& form = Start();
    form.Recovery().SetDelays(10, 10);
    QTest::keyClicks(form.HTML_WINDOW, QStringLiteral("ab"));
    QTest::qWait(100);
    EXPECT_EQ(form.StatusText(), QStringLiteral("Recovery copies are off: folder not writable"));
    form.SetStatusText(QStringLiteral(" "));
    QTest::keyClicks(form.HTML_WINDOW, QStringLiteral("cd"));
    QTest::qWait(100);
    EXPECT_FALSE(form.StatusText().startsWith(QStringLiteral("Recovery")));
    EXPECT_TRUE(form.HTML_WINDOW->Text().startsWith(QStringLiteral("abcd")));
    EXPECT_TRUE(prompts.asked.empty());
}

// Runs of the program of their own, killed with SIGKILL while the recovery
// copies hold what was typed, and one more that recovers and saves it all.
class RecoveryAcrossRuns : public Recovery {
protected:
    static std::unique_ptr<QProcess> StartRun(const QStringList& arguments)
    {
        return StartChild(QStringList{QLatin1String(kRecoveryChildArgument)} + arguments);
    }
};

TEST_F(RecoveryAcrossRuns, TypedTextSurvivesAKillByteForByteAndARunningCopyIsLeftAlone)
{
    struct Case {
        const char* name;
        QByteArray original;  // nothing for a new document
        QString typed;
        QByteArray saved;
    };
    const Case cases[] = {
        {"crlf.htm", "<P>Gr\xC3\xBC\xC3\x9F" "e</P>\r\n<P>end</P>\r\n", QStringLiteral("Ça va — ok\n"),
         "\xC3\x87" "a va \xE2\x80\x94 ok\r\n<P>Gr\xC3\xBC\xC3\x9F" "e</P>\r\n<P>end</P>\r\n"},
        {"lf.htm", "<p>\xC3\xB1" "and\xC3\xBA</p>\n<p>x</p>\n", QStringLiteral("€ 日本\n"),
         "\xE2\x82\xAC \xE6\x97\xA5\xE6\x9C\xAC\n<p>\xC3\xB1" "and\xC3\xBA</p>\n<p>x</p>\n"},
        {"cp1252.htm", "<P>caf\xE9</P>\r\n", QStringLiteral("naïve € ok\n"), "na\xEFve \x80 ok\r\n<P>caf\xE9</P>\r\n"},
        {"new.htm", QByteArray(), QStringLiteral("Zoë — new\nline two"), "Zo\xC3\xAB \xE2\x80\x94 new\r\nline two"},
    };
    std::vector<std::unique_ptr<QProcess>> typing;
    for (const Case& c : cases) {
        const QString document = Path(QString::fromLatin1(c.name));
        if (!c.original.isNull())
            WriteFile(document, c.original);
        const QString typed = Path(QString::fromLatin1(c.name) + QStringLiteral(".typed"));
        WriteFile(typed, c.typed.toUtf8());
        typing.push_back(StartRun({QStringLiteral("type"), folder.path(),
                                   c.original.isNull() ? QStringLiteral("-") : document, typed}));
    }
    for (const auto& run : typing) {
        ASSERT_TRUE(run->waitForReadyRead(120000)) << run->readAllStandardError().toStdString();
        EXPECT_EQ(run->readLine().trimmed(), "written");
    }

    std::unique_ptr<QProcess> bystander = StartRun({QStringLiteral("recover"), folder.path(), QStringLiteral("-")});
    std::map<QString, QString> seen = ChildReport(*bystander);
    EXPECT_EQ(seen[QStringLiteral("asked")], QString());
    EXPECT_EQ(Copies().size(), 4);

    for (const auto& run : typing) {
        ::kill(pid_t(run->processId()), SIGKILL);
        run->waitForFinished();
        EXPECT_EQ(run->exitStatus(), QProcess::CrashExit);
    }
    std::unique_ptr<QProcess> recovering = StartRun(
        {QStringLiteral("recover"), folder.path(), Path(QStringLiteral("new.htm")), "0", "0", "0", "0"});
    seen = ChildReport(*recovering);
    EXPECT_EQ(seen[QStringLiteral("asked")].count(QStringLiteral("Recover them?")), 4) << seen[QStringLiteral("asked")].toStdString();
    EXPECT_EQ(seen[QStringLiteral("saved")], QStringLiteral("1"));
    EXPECT_EQ(seen[QStringLiteral("closed")], QStringLiteral("1"));
    for (const Case& c : cases)
        EXPECT_EQ(ReadFile(Path(QString::fromLatin1(c.name))), c.saved) << c.name;
    EXPECT_TRUE(Copies().isEmpty());
}

}  // namespace
