// The options of the settings file as the main window loads, changes and saves them.
#include "mainwindowfixture.h"
#include "platform/editcontrol.h"
#include "platform/profile.h"
#include "restartchild.h"
#include "support/menuitems.h"
#include "viewer/htmlviewer.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QToolButton>
#include <map>

namespace {

class SettingsWindow : public MainWindowTest {
protected:
    QString IniPath() const { return Path(QStringLiteral("KIVO.INI")); }

    void WriteIni(const QByteArray& bytes) const
    {
        QFile file(IniPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString Stored(const QString& section, const QString& key) const
    {
        return Profile(IniPath()).ReadString(section, key, QStringLiteral("<absent>"));
    }

    static bool Wraps(const TFM_MainForm& form)
    {
        return form.HTML_WINDOW->lineWrapMode() == QPlainTextEdit::WidgetWidth;
    }
};

TEST_F(SettingsWindow, WithoutASettingsFileTheWindowIsCentredAndWraps)
{
    TFM_MainForm& form = Start();
    EXPECT_EQ(form.size(), QSize(600, 388));
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((form.geometry().center() - screen.center()).manhattanLength(), 6);
    EXPECT_TRUE(form.MNU_WordWrap->isChecked());
    EXPECT_TRUE(Wraps(form));
    EXPECT_EQ(form.HTML_WINDOW->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_TRUE(form.MNU_AutoSave->isChecked());
    EXPECT_TRUE(form.MNU_ShowImage->isChecked());
    EXPECT_TRUE(form.MNU_DirBtn->isChecked());
    EXPECT_FALSE(form.MNU_AutoBR->isChecked());
    EXPECT_EQ(form.BrowserPath, QString());
    EXPECT_EQ(form.ViewerFixedFontName, QStringLiteral("Courier New"));
    EXPECT_FALSE(QFile::exists(IniPath()));

    form.MNU_SaveSetting->trigger();
    EXPECT_EQ(Stored("Editor", "WordWrap"), "1");
    EXPECT_EQ(Stored("Windows", "WinState"), "0");
    EXPECT_EQ(Stored("Windows", "Width"), "600");
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(SettingsWindow, StoredOptionsTakeEffect)
{
    WriteIni("[Windows]\r\nWinState=0\r\nTop=40\r\nLeft=30\r\nHeight=300\r\nWidth=0x258\r\nAutoSave=0\r\n"
             "[Editor]\r\nAutoLineBreak=1\r\nShowDir=0\r\nHIDECFGBTN=1\r\n"
             "TEXT Name=Liberation Mono\r\nTEXT Size=14\r\nTEXT Color=clMaroon\r\nTEXT Style=0101\r\n"
             "[PREVIEW]\r\nImage=0\r\nFixFontName=Liberation Mono\r\nBrowser=/usr/bin/my browser\r\n"
             "TEXT Name=Liberation Serif\r\nTEXT Size=11\r\nTEXT Color=$00FF0000\r\nTEXT Style=1000\r\n");
    TFM_MainForm& form = Start();
    EXPECT_EQ(form.pos(), QPoint(30, 40));
    EXPECT_EQ(form.size(), QSize(600, 300));
    EXPECT_FALSE(form.MNU_WordWrap->isChecked());  // no WordWrap key
    EXPECT_FALSE(Wraps(form));
    EXPECT_FALSE(form.MNU_AutoSave->isChecked());
    EXPECT_TRUE(form.MNU_AutoBR->isChecked());
    EXPECT_FALSE(form.MNU_DirBtn->isChecked());
    EXPECT_TRUE(form.PA_DIRBTN->isHidden());
    EXPECT_TRUE(form.BT_CfgDirBtn->isHidden());
    EXPECT_FALSE(form.MNU_ShowImage->isChecked());
    EXPECT_EQ(form.ViewerFixedFontName, QStringLiteral("Liberation Mono"));
    EXPECT_EQ(form.BrowserPath, QStringLiteral("/usr/bin/my browser"));

    const QFont editorFont = form.HTML_WINDOW->font();
    EXPECT_EQ(editorFont.family(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(editorFont.pointSize(), 14);
    EXPECT_TRUE(editorFont.italic() && editorFont.strikeOut());
    EXPECT_FALSE(editorFont.bold() || editorFont.underline());
    EXPECT_EQ(form.HTML_WINDOW->palette().color(QPalette::Text), QColor(0x80, 0, 0));
    EXPECT_EQ(form.LB_VFONT->font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(form.LB_VFONT->font().bold());
    EXPECT_EQ(form.LB_VFONT->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
}

TEST_F(SettingsWindow, MaximisedIgnoresTheRectangleAndMissingFontsKeepTheDesign)
{
    WriteIni("[Windows]\r\nWinState=2\r\nTop=1\r\nLeft=2\r\nHeight=3\r\nWidth=4\r\n[Editor]\r\nWordWrap=1\r\n");
    QFont designViewerFont;
    {
        // The same window without a settings file shows the design fonts.
        TFM_MainForm& plain = Start();
        designViewerFont = plain.LB_VFONT->font();
        window.reset();
    }
    WriteIni("[Windows]\r\nWinState=2\r\nTop=1\r\nLeft=2\r\nHeight=3\r\nWidth=4\r\n[Editor]\r\nWordWrap=1\r\n");
    TFM_MainForm& form = Start();
    EXPECT_TRUE(form.windowState() & Qt::WindowMaximized);
    EXPECT_NE(form.pos(), QPoint(2, 1));
    EXPECT_TRUE(form.MNU_WordWrap->isChecked());
    EXPECT_EQ(form.LB_VFONT->font(), designViewerFont);

    form.MNU_SaveSetting->trigger();
    EXPECT_EQ(Stored("Windows", "WinState"), "2");
}

TEST_F(SettingsWindow, AGarbageFileStartsWithDefaults)
{
    WriteIni("\xEF\xBB\xBFnonsense\r\n[Windows\r\nWinState=maybe\r\nTop=x\r\nWidth=-\r\n[Windows]\r\nHeight=0x\r\n"
             "[Editor]\r\nWordWrap=on\r\nShowDir=\r\nTEXT Name=Liberation Sans\r\nTEXT Size=huge\r\n"
             "TEXT Color=sort of red\r\nTEXT Style=10\r\n[Editor]\r\nAutoLineBreak=1");
    TFM_MainForm& form = Start();
    EXPECT_EQ(form.size(), QSize(600, 388));
    EXPECT_FALSE(form.isMaximized() || form.isMinimized());
    EXPECT_FALSE(form.MNU_WordWrap->isChecked());
    EXPECT_TRUE(form.MNU_DirBtn->isChecked());
    EXPECT_TRUE(form.MNU_AutoBR->isChecked());  // from the second part of [Editor]
    EXPECT_EQ(form.HTML_WINDOW->font().family(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(form.HTML_WINDOW->font().bold());
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(SettingsWindow, WithoutAStoredViewerFontTheViewerTakesTheBottomPanelsFont)
{
    WriteIni("[Editor]\r\nWordWrap=1\r\n");
    TFM_MainForm& form = Start();
    EXPECT_EQ(form.ViewPage->DefFontName(), QStringLiteral("Arial"));
    EXPECT_EQ(form.ViewPage->DefFontSize(), 9);
    EXPECT_EQ(form.ViewPage->DefFontColor(), QColor(Qt::black));

    // A first start stores the same font for the next one.
    window.reset();
    QFile::remove(IniPath());
    Start().MNU_SaveSetting->trigger();
    EXPECT_EQ(Stored("PREVIEW", "TEXT Name"), "Arial");
    EXPECT_EQ(Stored("PREVIEW", "TEXT Size"), "9");
    EXPECT_EQ(Stored("PREVIEW", "TEXT Color"), "clBlack");
}

TEST_F(SettingsWindow, DamagedSizesAndRectanglesAreKeptWhereTheScreenShowsThem)
{
    WriteIni("[Windows]\r\nWinState=0\r\nTop=-40\r\nLeft=300\r\nHeight=20\r\nWidth=99999\r\n"
             "[Editor]\r\nTEXT Name=Liberation Mono\r\nTEXT Size=999\r\n"
             "[PREVIEW]\r\nTEXT Name=Liberation Serif\r\nTEXT Size=1\r\n"
             "[Mine]\r\nSize=999\r\n");
    TFM_MainForm& form = Start();
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(form.HTML_WINDOW->font().pointSize(), 72);
    EXPECT_EQ(form.ViewPage->DefFontSize(), 6);
    EXPECT_EQ(form.width(), screen.width());
    EXPECT_GE(form.height(), 150);
    EXPECT_TRUE(screen.contains(QRect(form.pos(), form.size())));

    form.MNU_SaveSetting->trigger();
    EXPECT_EQ(Stored("Editor", "TEXT Size"), "72");
    EXPECT_EQ(Stored("PREVIEW", "TEXT Size"), "6");
    EXPECT_EQ(Stored("Windows", "Height"), QString::number(form.height()));
    EXPECT_EQ(Stored("Windows", "Width"), QString::number(screen.width()));
    EXPECT_EQ(Stored("Mine", "Size"), "999");

    // A rectangle on no screen at all starts centred at the design size.
    window.reset();
    WriteIni("[Windows]\r\nWinState=0\r\nTop=-9000\r\nLeft=-9000\r\nHeight=300\r\nWidth=400\r\n");
    TFM_MainForm& lost = Start();
    EXPECT_EQ(lost.size(), QSize(600, 388));
    EXPECT_TRUE(screen.contains(QRect(lost.pos(), lost.size())));
}

TEST_F(SettingsWindow, OptionCommands)
{
    TFM_MainForm& form = Start();
    for (QAction* item : {form.MNU_EditorFont, form.MNU_WordWrap, form.MNU_AutoSave, form.MNU_SaveSetting})
        EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();

    form.MNU_WordWrap->trigger();
    EXPECT_FALSE(form.MNU_WordWrap->isChecked());
    EXPECT_FALSE(Wraps(form));
    EXPECT_NE(form.HTML_WINDOW->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    form.MNU_WordWrap->trigger();
    EXPECT_TRUE(Wraps(form));

    QFont chosen(QStringLiteral("Liberation Serif"));
    chosen.setPointSize(16);
    chosen.setUnderline(true);
    prompts.fonts = {std::nullopt, chosen};
    const QFont before = form.HTML_WINDOW->font();
    form.MNU_EditorFont->trigger();  // cancelled
    EXPECT_EQ(form.HTML_WINDOW->font(), before);
    form.MNU_EditorFont->trigger();
    EXPECT_EQ(form.HTML_WINDOW->font().family(), QStringLiteral("Liberation Serif"));
    EXPECT_FALSE(QFile::exists(IniPath()));  // stored only by a save

    form.MNU_AutoSave->trigger();
    EXPECT_FALSE(form.MNU_AutoSave->isChecked());
    form.MNU_SaveSetting->trigger();
    EXPECT_EQ(Stored("Windows", "AutoSave"), "0");
    EXPECT_EQ(Stored("Editor", "TEXT Name"), "Liberation Serif");
    EXPECT_EQ(Stored("Editor", "TEXT Size"), "16");
    EXPECT_EQ(Stored("Editor", "TEXT Style"), "0010");
    EXPECT_TRUE(prompts.AllAnswered());
}

TEST_F(SettingsWindow, ColouringAndLineNumbersAreOptionsKeptInTheFile)
{
    WriteIni("[Editor]\r\nWordWrap=0\r\n");  // an older file: both on
    TFM_MainForm& form = Start();
    form.show();
    QAction* colouring = MenuItem(*form.Options1, QStringLiteral("Syntax &Colouring"));
    QAction* numbers = MenuItem(*form.Options1, QStringLiteral("Line &Numbers"));
    ASSERT_TRUE(colouring && numbers);
    EXPECT_TRUE(colouring->isCheckable() && colouring->isChecked() && colouring->isEnabled());
    EXPECT_TRUE(numbers->isCheckable() && numbers->isChecked() && numbers->isEnabled());
    EXPECT_TRUE(form.HTML_WINDOW->LineNumbers());
    EXPECT_EQ(form.HTML_WINDOW->document()->findChildren<QSyntaxHighlighter*>().size() +
                  form.HTML_WINDOW->findChildren<QSyntaxHighlighter*>().size(),
              1);
    EXPECT_NE(form.HTML_WINDOW->findChild<QSyntaxHighlighter*>()->document(), nullptr);

    {
        QFile page(Path(QStringLiteral("page.htm")));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write("<B>bold</B>\r\n<!-- note -->\r\n");
    }
    form.Document().LoadHtmlFile(Path(QStringLiteral("page.htm")));
    form.HTML_WINDOW->SetModified(false);
    ASSERT_FALSE(form.Document().DocumentModified());
    colouring->trigger();
    numbers->trigger();
    EXPECT_EQ(form.HTML_WINDOW->findChild<QSyntaxHighlighter*>()->document(), nullptr);
    EXPECT_FALSE(form.HTML_WINDOW->LineNumbers());
    // Neither counts as a change of the document.
    EXPECT_FALSE(form.Document().DocumentModified());
    EXPECT_FALSE(form.HTML_WINDOW->Modified());

    form.MNU_SaveSetting->trigger();
    EXPECT_EQ(Stored("Editor", "Highlight"), "0");
    EXPECT_EQ(Stored("Editor", "LineNumbers"), "0");
    window.reset();

    TFM_MainForm& again = Start();
    EXPECT_FALSE(MenuItem(*again.Options1, QStringLiteral("Syntax &Colouring"))->isChecked());
    EXPECT_FALSE(MenuItem(*again.Options1, QStringLiteral("Line &Numbers"))->isChecked());
    EXPECT_FALSE(again.HTML_WINDOW->LineNumbers());
    EXPECT_EQ(again.HTML_WINDOW->findChild<QSyntaxHighlighter*>()->document(), nullptr);
}

TEST_F(SettingsWindow, ClosingSavesOnlyWithAutoSave)
{
    TFM_MainForm& form = Start();
    form.show();
    form.MNU_AutoSave->trigger();  // off
    EXPECT_TRUE(form.close());
    EXPECT_FALSE(QFile::exists(IniPath()));
    window.reset();

    TFM_MainForm& again = Start();
    again.show();
    EXPECT_TRUE(again.MNU_AutoSave->isChecked());
    again.HTML_WINDOW->ReplaceSelection(QStringLiteral("unsaved"), UndoMode::Allowed);
    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(again.close());
    EXPECT_FALSE(QFile::exists(IniPath()));
    prompts.answers = {Answer::No};  // the document is dropped, the options are saved
    EXPECT_TRUE(again.close());
    EXPECT_EQ(Stored("Windows", "AutoSave"), "1");
}

TEST_F(SettingsWindow, OptionsSurviveARestart)
{
    TFM_MainForm& first = Start();
    first.show();
    first.move(50, 60);
    first.resize(640, 420);
    first.MNU_WordWrap->trigger();
    first.MNU_AutoBR->setChecked(true);
    first.MNU_ShowImage->setChecked(false);
    QFont chosen(QStringLiteral("Liberation Mono"));
    chosen.setPointSize(13);
    chosen.setBold(true);
    prompts.fonts = {chosen};
    first.MNU_EditorFont->trigger();
    first.BrowserPath = QStringLiteral("/opt/browser");
    EXPECT_TRUE(first.close());
    window.reset();

    TFM_MainForm& second = Start();
    EXPECT_EQ(second.pos(), QPoint(50, 60));
    EXPECT_EQ(second.size(), QSize(640, 420));
    EXPECT_FALSE(second.MNU_WordWrap->isChecked());
    EXPECT_FALSE(Wraps(second));
    EXPECT_TRUE(second.MNU_AutoBR->isChecked());
    EXPECT_FALSE(second.MNU_ShowImage->isChecked());
    EXPECT_EQ(second.HTML_WINDOW->font().family(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(second.HTML_WINDOW->font().pointSize(), 13);
    EXPECT_TRUE(second.HTML_WINDOW->font().bold());
    EXPECT_EQ(second.BrowserPath, QStringLiteral("/opt/browser"));
}

TEST_F(SettingsWindow, AnUnwritableSettingsFolderDoesNotStopTheProgram)
{
    // The program's folder holds the documents but the settings file is a
    // folder, so it can be neither read nor written.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("KIVO.INI")));
    TFM_MainForm& form = Start();
    form.show();
    EXPECT_TRUE(prompts.asked.empty());

    const QString page = Path(QStringLiteral("page.htm"));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<HTML></HTML>");
    file.close();
    prompts.files = {page};
    form.Open1->trigger();
    const QString failure = QStringLiteral("Unable to write to ") + IniPath();
    EXPECT_EQ(prompts.Messages(), QStringList{failure});
    EXPECT_EQ(form.Document().DocumentFileName(), page);
    EXPECT_FALSE(form.Document().DocumentModified());

    form.HTML_WINDOW->ReplaceSelection(QStringLiteral("edited "), UndoMode::Allowed);
    form.MNU_SaveSetting->trigger();
    EXPECT_EQ(prompts.Messages(), QStringList({failure, failure}));
    EXPECT_EQ(prompts.asked.back().kind, MessageKind::Error);

    // Closing still ends the program after reporting the failed save.
    prompts.answers = {Answer::No};
    EXPECT_TRUE(form.close());
    EXPECT_EQ(prompts.Messages().size(), 4);
}

// Each phase is a run of the program of its own, started by the test
// executable in its child mode; a restart loses everything but the file.
std::map<QString, QString> RunProgramOnce(const char* phase, const QString& folder)
{
    return ChildReport(*StartChild({QLatin1String(kRestartChildArgument), QString::fromLatin1(phase), folder}));
}

TEST_F(SettingsWindow, OptionsSurviveARealRestart)
{
    std::map<QString, QString> changed = RunProgramOnce("change", folder.path());
    EXPECT_EQ(changed[QStringLiteral("closed")], QStringLiteral("yes"));
    EXPECT_EQ(changed[QStringLiteral("messages")], QString());

    std::map<QString, QString> restarted = RunProgramOnce("compare", folder.path());
    EXPECT_EQ(restarted[QStringLiteral("pos")], QStringLiteral("70,80"));
    EXPECT_EQ(restarted[QStringLiteral("size")], QStringLiteral("500x350"));
    EXPECT_EQ(restarted[QStringLiteral("wordWrap")], QStringLiteral("no"));
    EXPECT_EQ(restarted[QStringLiteral("autoSave")], QStringLiteral("no"));
    EXPECT_EQ(restarted[QStringLiteral("font")], QStringLiteral("Liberation Serif,15,italic"));
    EXPECT_EQ(restarted[QStringLiteral("messages")], QString());
}

}  // namespace
