#include "mainwindowfixture.h"
#include "platform/editcontrol.h"
#include "platform/kivoerror.h"
#include "support/testfiles.h"
#include "app/commandcontrol.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QToolButton>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>

namespace {

using MainForm = MainWindowTest;

TEST_F(MainForm, StartsWithANewDocumentFromTheTemplate)
{
    WriteFile(Path(QStringLiteral("NORMAL.TXT")),
              "<HTML>\r\n<HEAD>\r\n<TITLE></TITLE>\r\n</HEAD>\r\n<BODY>\r\n\r\n</BODY>\r\n</HTML>\r\n");
    TFM_MainForm& form = Start();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("KivoPro32"));
    EXPECT_EQ(form.StatusText(), QStringLiteral(" "));
    EXPECT_EQ(form.HTML_WINDOW->Line(4), QStringLiteral("<BODY>"));
    EXPECT_EQ(form.HTML_WINDOW->LineFromChar(form.HTML_WINDOW->SelStart()), 5);
    EXPECT_FALSE(form.Document().DocumentModified());
    EXPECT_EQ(form.TabSet1->currentIndex(), 0);
    EXPECT_EQ(form.NB_MainWindow->currentIndex(), 0);
    EXPECT_EQ(form.NB_Tools->currentIndex(), 0);
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(MainForm, OpensTheFileNamedOnTheCommandLineOnceShown)
{
    const QString path = Path(QStringLiteral("start page.htm"));
    WriteFile(path, "<HTML><BODY>Hello</BODY></HTML>");
    TFM_MainForm& form = Start({path});
    form.show();
    (void)QTest::qWaitFor([&] { return form.Document().DocumentFileName() == path; });
    EXPECT_EQ(form.Document().DocumentFileName(), path);
    EXPECT_EQ(form.HTML_WINDOW->Text(), QStringLiteral("<HTML><BODY>Hello</BODY></HTML>"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("KivoPro32 - ") + path);
    // Showing it again (after a dialog, say) does not load the file again.
    form.HTML_WINDOW->SetText(QStringLiteral("edited"));
    form.hide();
    form.show();
    QTest::qWait(20);
    EXPECT_EQ(form.HTML_WINDOW->Text(), QStringLiteral("edited"));
}

TEST_F(MainForm, AnUnreadableCommandLineFileEndsInTheErrorBox)
{
    const QString path = Path(QStringLiteral("missing.htm"));
    TFM_MainForm& form = Start({path});
    form.show();
    (void)QTest::qWaitFor([&] { return prompts.Messages() == QStringList{QStringLiteral("Cannot open file ") + path}; });
    EXPECT_EQ(prompts.Messages(), QStringList{QStringLiteral("Cannot open file ") + path});
    EXPECT_EQ(prompts.asked[0].kind, MessageKind::Error);
    EXPECT_EQ(form.Document().DocumentFileName(), QString());
    EXPECT_TRUE(form.isVisible());
}

TEST_F(MainForm, AFailingCommandShowsItsMessageAndTheProgramGoesOn)
{
    TFM_MainForm& form = Start();
    form.HTML_WINDOW->ReplaceSelection(QStringLiteral("text"), UndoMode::Allowed);
    const QString bad = Path(QStringLiteral("no/folder/x.htm"));
    prompts.files = {bad};
    form.Save1->trigger();
    EXPECT_EQ(prompts.Messages(), QStringList{QStringLiteral("Cannot create file ") + bad});
    EXPECT_TRUE(form.Document().DocumentModified());

    const QString good = Path(QStringLiteral("x.htm"));
    prompts.files = {good};
    form.Save1->trigger();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("KivoPro32 - ") + good);
    EXPECT_FALSE(form.Document().DocumentModified());
}

TEST_F(MainForm, CloseIsNewAndCancelKeepsTheProgramRunning)
{
    TFM_MainForm& form = Start();
    form.show();
    form.HTML_WINDOW->ReplaceSelection(QStringLiteral("unsaved"), UndoMode::Allowed);

    prompts.answers = {Answer::Cancel};
    form.Close1->trigger();
    EXPECT_EQ(form.HTML_WINDOW->Text(), QStringLiteral("unsaved"));

    prompts.answers = {Answer::Cancel};
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.HTML_WINDOW->Text(), QStringLiteral("unsaved"));

    prompts.answers = {Answer::No};
    form.Close1->trigger();
    EXPECT_EQ(form.HTML_WINDOW->Text(), QString());

    form.HTML_WINDOW->ReplaceSelection(QStringLiteral("again"), UndoMode::Allowed);
    prompts.answers = {Answer::No};
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(prompts.AllAnswered());
}

TEST_F(MainForm, NewKivoWindowStartsTheProgramAgainWithoutArguments)
{
    TFM_MainForm& form = Start();
    starter.result = ExecResult::FileNotFound;
    form.NewKivoWindow1->trigger();
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started[0].program, services.programFile);
    EXPECT_TRUE(starter.started[0].arguments.isEmpty());
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(MainForm, MenusCarryTheirShortcutsAndLaterCommandsWaitDisabled)
{
    TFM_MainForm& form = Start();
    EXPECT_EQ(form.SelectAll1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Slash));
    EXPECT_EQ(form.Undo1->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Backspace));
    EXPECT_EQ(form.MNU_FindAgain->shortcut(), QKeySequence(Qt::Key_F3));
    for (QAction* wired : {form.New1, form.Open1, form.Close1, form.Save1, form.SaveAs, form.MNU_Insert,
                           form.MNU_Print, form.SaveBlock1, form.Exportwithouttags1, form.Exit2, form.AboutKivo1})
        EXPECT_TRUE(wired->isEnabled()) << wired->text().toStdString();
    EXPECT_TRUE(form.MNU_ShowImage->isChecked());
    EXPECT_TRUE(form.MNU_DirBtn->isChecked());
    EXPECT_TRUE(form.MNU_AutoSave->isChecked());
}

TEST_F(MainForm, OneVerbWiresButtonsItemsAndShortcutsThroughTheErrorBox)
{
    TFM_MainForm& form = Start();
    auto* button = new QPushButton(&form);
    auto* item = new QAction(&form);
    auto* shortcut = new QShortcut(&form);
    for (QObject* control : std::initializer_list<QObject*>{button, item, shortcut})
        control->setProperty("enabled", false);
    int runs = 0;
    form.WireCommand({button, item, shortcut}, [&runs] {
        ++runs;
        throw KivoError(QStringLiteral("Broken"));
    });
    EXPECT_TRUE(button->isEnabled());
    EXPECT_TRUE(item->isEnabled());
    EXPECT_TRUE(shortcut->isEnabled());

    button->click();
    item->trigger();
    emit shortcut->activated();
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(prompts.Messages(), QStringList(3, QStringLiteral("Broken")));
}

TEST_F(MainForm, TheCaptionIsTheTitleAndTheDocumentsNameAndNothingElse)
{
    const QString a = Path(QStringLiteral("a.htm"));
    const QString b = Path(QStringLiteral("b.htm"));
    WriteFile(a, "A");
    WriteFile(b, "B");
    TFM_MainForm& form = Start();
    form.Document().LoadHtmlFile(a);
    form.Document().LoadHtmlFile(b);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("KivoPro32 - ") + b);
    form.New1->trigger();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("KivoPro32"));

    // No name of the program's own is set for the platform to append to
    // every window's caption ("About - KivoPro32"): the name shown with
    // windows still follows the plain application name.
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("Probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Probe"));
    QCoreApplication::setApplicationName(name);
}

TEST_F(MainForm, CommandsNotBuiltYetSaySoUntilTheyAreWired)
{
    TFM_MainForm& form = Start();
    auto* item = form.Options1->addAction(QStringLiteral("&Later"));
    auto* button = new QToolButton(form.PA_ToolBar);
    button->setToolTip(QStringLiteral("Does it later"));
    // Designed disabled until its command is wired.
    item->setEnabled(false);
    button->setEnabled(false);
    MarkUnwiredCommandsNotBuilt({form.Options1}, {form.PA_ToolBar});
    EXPECT_FALSE(item->isEnabled());
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(item->toolTip(), QStringLiteral("Not built yet"));
    EXPECT_EQ(button->toolTip(), QStringLiteral("Does it later (not built yet)"));
    EXPECT_TRUE(form.Options1->toolTipsVisible());

    form.WireCommand({item, button}, [] {});
    EXPECT_TRUE(item->isEnabled());
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(item->toolTip(), QStringLiteral("Later"));
    EXPECT_EQ(button->toolTip(), QStringLiteral("Does it later"));

    // Built commands carry their plain hints, also while disabled for now.
    EXPECT_EQ(form.BT_NEW->toolTip(), QStringLiteral("Start a new HTML file"));
    EXPECT_EQ(form.BT_Prev->toolTip(), QStringLiteral("Previous Document"));
    EXPECT_EQ(form.New1->toolTip(), QStringLiteral("New"));
    // A pull-down button says so exactly while its menu has no command.
    for (QPushButton* pullDown : {form.BT_Header, form.BT_Font, form.BT_Format, form.BT_Link, form.BT_Image,
                                  form.BT_FORM}) {
        const QMenu* menu = form.findChild<QMenu*>(QStringLiteral("Pop") + pullDown->objectName());
        ASSERT_NE(menu, nullptr);
        const bool empty = menu->actions().size() <= 2;
        EXPECT_EQ(pullDown->toolTip().endsWith(QStringLiteral("(not built yet)")), empty)
            << pullDown->objectName().toStdString();
        EXPECT_EQ(pullDown->isEnabled(), !empty);
    }
}

}  // namespace
