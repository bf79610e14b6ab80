#include "app/documentfiles.h"
#include "platform/editcontrol.h"
#include "platform/kivoerror.h"
#include "support/recordingstarter.h"
#include "support/scriptedprompts.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RecordingObserver : public DocumentObserver {
public:
    void ShowEditorPage() override { ++editorPageShown; }
    void CaptionChanged(const QString& text) override { caption = text; }
    void StatusTextChanged(const QString& text) override { status = text; }
    void DocumentStarted() override { ++started; }
    void DocumentOpened(const QString& path) override { opened << path; }
    void DocumentRenamed(const QString& path) override { renamed << path; }

    int editorPageShown = 0;
    int started = 0;
    QString caption;
    QString status;
    QStringList opened;
    QStringList renamed;
};

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class DocumentFilesTest : public ::testing::Test {
protected:
    DocumentFilesTest()
        : document(editor, prompts, starter, observer, folder.path(), QStringLiteral("KivoPro32"))
    {
        QObject::connect(&editor, &QPlainTextEdit::textChanged, [this] { document.EditorChanged(); });
    }

    QString Path(const QString& name) const { return folder.filePath(name); }

    void Type(const QString& text)
    {
        editor.SetSelection(editor.TextLength());
        editor.ReplaceSelection(text, UndoMode::Allowed);
    }

    QTemporaryDir folder;
    EditControl editor;
    ScriptedPrompts prompts;
    RecordingStarter starter;
    RecordingObserver observer;
    DocumentFiles document;
};

TEST_F(DocumentFilesTest, NewDocumentUsesTheTemplateAndPutsTheCaretInTheBody)
{
    document.NewDocument();
    EXPECT_EQ(editor.Text(), QString());
    EXPECT_EQ(editor.SelStart(), 0);
    EXPECT_FALSE(document.DocumentModified());
    EXPECT_EQ(observer.caption, QStringLiteral("KivoPro32"));
    EXPECT_EQ(observer.status, QStringLiteral(" "));

    WriteBytes(Path(QStringLiteral("NORMAL.TXT")), "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n\r\n</BODY>\r\n</HTML>\r\n");
    document.NewDocument();
    EXPECT_EQ(editor.LineFromChar(editor.SelStart()), 5);
    EXPECT_EQ(editor.SelStart(), editor.LineIndex(5));
    EXPECT_FALSE(document.DocumentModified());
}

TEST_F(DocumentFilesTest, NewAsksToSaveAModifiedDocument)
{
    document.NewDocument();
    Type(QStringLiteral("draft"));
    ASSERT_TRUE(document.DocumentModified());

    prompts.answers = {Answer::Cancel};
    document.NewCommand();
    EXPECT_EQ(editor.Text(), QStringLiteral("draft"));
    EXPECT_EQ(prompts.Messages().last(), QStringLiteral("Save changes to HTML file?"));
    EXPECT_EQ(prompts.asked.back().buttons, MessageButtons::YesNoCancel);

    // Yes on an unnamed document runs Save As; cancelling it cancels New too.
    prompts.answers = {Answer::Yes};
    prompts.files = {std::nullopt};
    document.NewCommand();
    EXPECT_EQ(editor.Text(), QStringLiteral("draft"));
    EXPECT_EQ(observer.started, 0);

    prompts.answers = {Answer::No};
    document.NewCommand();
    EXPECT_EQ(editor.Text(), QString());
    EXPECT_EQ(observer.started, 1);
    EXPECT_TRUE(prompts.AllAnswered());
}

TEST_F(DocumentFilesTest, YesSavesBeforeStartingAgain)
{
    const QString path = Path(QStringLiteral("page.htm"));
    document.NewDocument();
    Type(QStringLiteral("<P>kept</P>"));
    prompts.answers = {Answer::Yes};
    prompts.files = {path};
    document.NewCommand();
    EXPECT_EQ(ReadBytes(path), QByteArray("<P>kept</P>"));
    EXPECT_EQ(observer.renamed, QStringList{path});
    EXPECT_EQ(observer.started, 1);
}

TEST_F(DocumentFilesTest, OpenLoadsTheFileNamesTheDocumentAndShowsTheEditor)
{
    const QString path = Path(QStringLiteral("open me.htm"));
    WriteBytes(path, "<HTML>\n<BODY>caf\xE9</BODY>\n</HTML>");
    prompts.files = {path};
    document.OpenCommand();
    EXPECT_EQ(prompts.asked[0].file.filter,
              QStringLiteral("HTML files|*.HTM;*.HTML;*.HTX|TXT files|*.TXT|INI files|*.INI|All files|*.*"));
    EXPECT_EQ(editor.Text(), QStringLiteral("<HTML>\r\n<BODY>caf\u00E9</BODY>\r\n</HTML>"));
    EXPECT_EQ(document.DocumentFileName(), path);
    EXPECT_EQ(observer.caption, QStringLiteral("KivoPro32 - ") + path);
    EXPECT_EQ(observer.opened, QStringList{path});
    EXPECT_TRUE(document.PreviewStale());
    EXPECT_FALSE(document.DocumentModified());
    EXPECT_GE(observer.editorPageShown, 1);

    // Saved unchanged, the Latin-1 file with LF line breaks comes back as it was.
    document.SaveDocument();
    EXPECT_EQ(ReadBytes(path), QByteArray("<HTML>\n<BODY>caf\xE9</BODY>\n</HTML>"));
}

// A Windows-1252 file that must become UTF-8 to keep a new character does
// so only when the user agrees; the next saves ask no more.
TEST_F(DocumentFilesTest, AWindows1252FileBecomesUtf8OnlyWhenTheUserAgrees)
{
    const QString path = Path(QStringLiteral("latin.htm"));
    const QByteArray latin("caf\xE9\r\n");
    WriteBytes(path, latin);
    document.LoadHtmlFile(path);
    Type(QStringLiteral("\u03A9"));
    const QString question = QStringLiteral(
        "latin.htm was read as Windows-1252, which cannot hold some characters now in the text. Save it as UTF-8?");

    prompts.answers = {Answer::No};
    document.SaveDocument();
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, question);
    EXPECT_EQ(prompts.asked[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(prompts.asked[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(ReadBytes(path), latin);
    EXPECT_TRUE(document.DocumentModified());

    prompts.answers = {Answer::Yes};
    document.SaveDocument();
    EXPECT_EQ(ReadBytes(path), QByteArray("caf\xC3\xA9\r\n\xCE\xA9"));
    EXPECT_FALSE(document.DocumentModified());
    EXPECT_EQ(document.Format().encoding, TextEncoding::Utf8);

    // From now on UTF-8, also once the text would fit Windows-1252 again.
    editor.SetText(QStringLiteral("caf\u00E9"));
    document.SaveDocument();
    EXPECT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(ReadBytes(path), QByteArray("caf\xC3\xA9"));
}

TEST_F(DocumentFilesTest, AMissingFileLeavesTheDocumentAsItWas)
{
    document.NewDocument();
    Type(QStringLiteral("mine"));
    prompts.answers = {Answer::No};
    const QString missing = Path(QStringLiteral("gone.htm"));
    EXPECT_THROW(document.LoadHtmlFile(missing), FileOpenError);
    EXPECT_EQ(editor.Text(), QStringLiteral("mine"));
    EXPECT_EQ(document.DocumentFileName(), QString());
}

TEST_F(DocumentFilesTest, SaveAsAsksBeforeReplacingAndKeepsLongNamesWhole)
{
    const QString existing = Path(QStringLiteral("there.htm"));
    WriteBytes(existing, "old");
    document.NewDocument();
    Type(QStringLiteral("new"));

    prompts.files = {existing};
    prompts.answers = {Answer::No};
    document.SaveAsCommand();
    EXPECT_EQ(ReadBytes(existing), QByteArray("old"));
    EXPECT_EQ(prompts.Messages().last(),
              existing + QStringLiteral(" - this file already exists, do you want to replace it?"));
    EXPECT_EQ(prompts.asked.back().kind, MessageKind::Warning);
    EXPECT_TRUE(document.DocumentModified());

    prompts.files = {existing};
    prompts.answers = {Answer::Yes};
    document.SaveAsCommand();
    EXPECT_EQ(ReadBytes(existing), QByteArray("new"));
    EXPECT_FALSE(document.DocumentModified());
    EXPECT_EQ(observer.caption, QStringLiteral("KivoPro32 - ") + existing);

    QString deep = folder.path();
    while (deep.size() < 170)
        deep += QStringLiteral("/folder");
    ASSERT_TRUE(QDir().mkpath(deep));
    const QString longPath = deep + QStringLiteral("/page.htm");
    prompts.files = {longPath};
    document.SaveAsCommand();
    EXPECT_EQ(document.DocumentFileName(), longPath);
}

TEST_F(DocumentFilesTest, AFailedSaveKeepsTheDocumentModified)
{
    document.NewDocument();
    Type(QStringLiteral("text"));
    prompts.files = {Path(QStringLiteral("no/such/folder/a.htm"))};
    EXPECT_THROW(document.SaveAsCommand(), FileCreateError);
    EXPECT_TRUE(document.DocumentModified());
    EXPECT_EQ(document.DocumentFileName(), QString());
}

TEST_F(DocumentFilesTest, InsertFileEndsEveryLineWithABreak)
{
    const QString path = Path(QStringLiteral("part.txt"));
    WriteBytes(path, "one\ntwo");
    editor.SetText(QStringLiteral("AB"));
    editor.SetSelection(1);
    prompts.files = {path};
    document.InsertFileCommand();
    EXPECT_EQ(editor.Text(), QStringLiteral("Aone\r\ntwo\r\nB"));
    EXPECT_EQ(editor.SelStart(), 11);
    EXPECT_TRUE(document.DocumentModified());

    WriteBytes(path, "");
    prompts.files = {path};
    document.InsertFileCommand();
    EXPECT_EQ(editor.Text(), QStringLiteral("Aone\r\ntwo\r\nB"));

    prompts.files = {std::nullopt};
    document.InsertFileCommand();
    EXPECT_TRUE(prompts.AllAnswered());
}

TEST_F(DocumentFilesTest, SaveSelectionWritesJustTheSelection)
{
    editor.SetText(QStringLiteral("one\r\ntwo\r\nthree"));
    document.SaveSelectionCommand();
    EXPECT_EQ(prompts.Messages().last(), QStringLiteral("No text is selected"));

    const QString path = Path(QStringLiteral("block.htm"));
    editor.SetSelection(2, 6);
    prompts.files = {path};
    document.SaveSelectionCommand();
    EXPECT_EQ(prompts.asked.back().file.fileName, QStringLiteral("*.htm"));
    EXPECT_EQ(ReadBytes(path), QByteArray("e\r\ntwo"));
    EXPECT_EQ(document.DocumentFileName(), QString());
}

TEST_F(DocumentFilesTest, ExportWithoutTagsWritesTheTextAndOpensIt)
{
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    editor.SetText(QStringLiteral("<B>bold</B> and <A\r\nHREF=\"x.htm\">link</A>"));
    document.ExportWithoutTagsCommand();
    EXPECT_EQ(ReadBytes(Path(QStringLiteral("TMPFILE.TXT"))), QByteArray("bold and \r\nlink\r\n"));
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started[0].program, QStringLiteral("NOTEPAD"));
    EXPECT_EQ(starter.started[0].arguments, QStringList{QStringLiteral("TMPFILE.TXT")});
    QDir::setCurrent(before);
}

TEST_F(DocumentFilesTest, PrintsTheSourceOrTheSelectedLines)
{
    editor.SetText(QStringLiteral("<HTML>\r\n<BODY>\r\nText\r\n</BODY>"));
    QPrinter printer;
    prompts.printers = {std::nullopt};
    document.PrintCommand(printer);

    const QString pdf = Path(QStringLiteral("out.pdf"));
    prompts.printers = {ScriptedPrompts::PrintAnswer{pdf, PrintRangeChoice::Selection}};
    editor.SetSelection(0, 8);  // ends right after the first line break
    document.PrintCommand(printer);
    EXPECT_TRUE(ReadBytes(pdf).startsWith("%PDF"));
}

}  // namespace
