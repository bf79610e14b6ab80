#include "app/mainform.h"

#include "app/aboutbox.h"
#include "app/glyphs.h"
#include "app/recoverykeeper.h"
#include "app/settingsfile.h"
#include "app/windowplacement.h"
#include "platform/commandwrapper.h"
#include "platform/editcontrol.h"
#include "platform/programstart.h"
#include "platform/prompts.h"
#include "platform/startfolderprompts.h"
#include "viewer/htmlviewer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace {

constexpr int kMaxAppTitle = 200;
constexpr int kPreviewHistory = 8;

}  // namespace

TFM_MainForm::TFM_MainForm(const PlatformServices& services, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), services_(services), arguments_(arguments)
{
    startFolderPrompts_ = std::make_unique<StartFolderPrompts>(*services_.prompts, [this] { return DocumentFolder(); });
    services_.prompts = startFolderPrompts_.get();
    setObjectName(QStringLiteral("FM_MainForm"));
    setWindowTitle(QStringLiteral("KivoPro32 HTML Editor"));
    setWindowIcon(ProgramIcon());

    BuildToolBar();
    BuildDirectoryBar();
    BuildPages();
    BuildBottomPanel();
    BuildPullDownMenus();
    BuildMainMenu();
    BuildPreview();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(PA_ToolBar);
    layout->addWidget(PA_DIRBTN);
    layout->addWidget(NB_MainWindow, 1);
    layout->addWidget(PA_Tabs);
    setCentralWidget(central);

    document_ = std::make_unique<DocumentFiles>(*HTML_WINDOW, *services_.prompts, *services_.starter, *this,
                                                services_.programFolder,
                                                QApplication::applicationName().left(kMaxAppTitle));
    connect(HTML_WINDOW, &QPlainTextEdit::textChanged, this, [this] { document_->EditorChanged(); });
    WireCommands();
    MarkCommandsNotBuilt();

    FormCreate();
}

TFM_MainForm::~TFM_MainForm() = default;

QString TFM_MainForm::DocumentFolder() const
{
    if (!document_ || !document_->HasName())
        return QDir::currentPath();
    return QFileInfo(document_->DocumentFileName()).absolutePath();
}

void TFM_MainForm::Run(const std::function<void()>& command)
{
    RunCommand(*services_.prompts, command);
}

void TFM_MainForm::WireCommand(CommandControl control, std::function<void()> command)
{
    WireCommand({control}, std::move(command));
}

void TFM_MainForm::WireCommand(std::initializer_list<CommandControl> controls, std::function<void()> command)
{
    for (const CommandControl& control : controls)
        control.Connect(*this, [this, command] { Run(command); });
}

void TFM_MainForm::WireCommands()
{
    WireDocumentCommands();
    WireTagCommands();
    WireSearchCommands();
    WireLinkCommands();
    WireSettingsCommands();
    WirePreviewCommands();
    WireSideBySideCommands();
    WirePrintCommands();
    WireTableCommands();
    WireFormCommands();
    WireToolCommands();
    WireDirectoryBarCommands();
    WireUserTagCommands();
    WireImageCommands();
    WireBodyCommands();
    WireEditorViewCommands();
    WireCheckCommands();
    WireRecoveryCommands();
    WireCompletionCommands();
}

void TFM_MainForm::MarkCommandsNotBuilt()
{
    // A pull-down button is wired to open its menu, but a menu with nothing
    // but "&Done" has no command to offer yet.
    const std::tuple<QPushButton*, QMenu*, QMenu*> pullDowns[] = {
        {BT_Header, PopBT_Header, PopHTMLItems.MNU_Header}, {BT_Font, PopBT_Font, PopHTMLItems.MNU_Font},
        {BT_Format, PopBT_Format, PopHTMLItems.MNU_Format}, {BT_Link, PopBT_Link, PopHTMLItems.MNU_Link},
        {BT_Image, PopBT_Image, PopHTMLItems.MNU_Image},    {BT_FORM, PopBT_FORM, PopHTMLItems.MNU_FORM}};
    for (const auto& [button, menu, mirror] : pullDowns) {
        const QList<QAction*> items = menu->actions();
        const bool hasCommand = std::any_of(items.begin(), items.end(), [](const QAction* item) {
            return !item->isSeparator() && item->text() != QLatin1String("&Done");
        });
        if (!hasCommand) {
            CommandControl(button).MarkNotBuilt();
            CommandControl(mirror->menuAction()).MarkNotBuilt();
        }
    }
    MarkUnwiredCommandsNotBuilt({File1, Edit1, Search1, Options1, Help1, PopBT_Header, PopBT_Font, PopBT_Format,
                                 PopBT_Link, PopBT_Image, PopBT_FORM, PopHTML, POP_HTMLVIEW},
                                {PA_ToolBar, PA_DIRBTN, PA_Tabs});
}

void TFM_MainForm::FormCreate()
{
    ShowAboutBox(this);
    SettingsPath = ::SettingsPath(services_.programFolder);
    appTitle_ = document_->AppTitle();
    PlaceAtDesignSize(*this);
    Run([this] { LoadSettings(); });
    ApplyPreviewSettings();
    Run([this] { document_->NewDocument(); });
    ViewPage->SetHistoryMaxCount(kPreviewHistory);
    SetStatusText(QStringLiteral(" "));
    RecentFiles.clear();
    FileMenuBaseCount = int(File1->actions().size());
    Run([this] { RebuildHistoryMenu(); });
    Run([this] { ReadDirectoryBar(); });
}

void TFM_MainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!activated_) {
        activated_ = true;
        // Once the window is on the screen, as its first activation would.
        QTimer::singleShot(0, this, [this] { FormActivate(); });
    }
}

void TFM_MainForm::KeepKeysOffTheBars()
{
    // Like the classic speed buttons, no button or tab of the bars takes the
    // keyboard: after a click the keys still go to the editor or the viewer,
    // and Tab in the editor inserts a tab rather than walking the buttons.
    for (QWidget* bar : {static_cast<QWidget*>(PA_ToolBar), static_cast<QWidget*>(PA_DIRBTN),
                         static_cast<QWidget*>(PA_Tabs)}) {
        for (QWidget* control : bar->findChildren<QWidget*>()) {
            if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QTabBar*>(control))
                control->setFocusPolicy(Qt::NoFocus);
        }
    }
}

void TFM_MainForm::FormActivate()
{
    // Here rather than where the bars are built, so buttons others add to
    // them before the window first shows are covered too.
    KeepKeysOffTheBars();
    CopyTagMenus();
    // The mirrored copies say what their originals say.
    MarkUnwiredCommandsNotBuilt({PopHTML}, {});
    // Before the window takes the keyboard, which the question would keep.
    OfferRecoveryAtStart();
    // Typing goes to the editor from the start; a start file shown rendered
    // gives the keys to the viewer below. The About box had the keyboard
    // before; without a window manager to hand it over, the window asks.
    activateWindow();
    HTML_WINDOW->setFocus();
    if (arguments_.isEmpty())
        return;
    bool loaded = false;
    Run([this, &loaded] {
        document_->LoadHtmlFile(arguments_.front());
        loaded = true;
    });
    // The opened file is shown rendered.
    if (loaded)
        TabSet1->setCurrentIndex(1);
}

bool TFM_MainForm::FormCloseQuery()
{
    return document_->ConfirmSaveChanges();
}

void TFM_MainForm::FormClose()
{
    if (MNU_AutoSave->isChecked())
        SaveSettings();
}

void TFM_MainForm::closeEvent(QCloseEvent* event)
{
    bool canClose = false;
    Run([&] { canClose = FormCloseQuery(); });
    if (!canClose) {
        event->ignore();
        return;
    }
    Run([this] { FormClose(); });
    // A clean exit: nothing is left to recover.
    recovery_->ChangesSettled();
    event->accept();
}

void TFM_MainForm::NewKivoWindow1Click()
{
    // A second copy that cannot start is not worth a message.
    services_.starter->WinExec(services_.programFile, {});
}

void TFM_MainForm::BT_EXITClick()
{
    close();
}

void TFM_MainForm::AboutKivo1Click()
{
    ShowAboutBox(this);
}

QString TFM_MainForm::StatusText() const
{
    return statusLabel_->text();
}

void TFM_MainForm::SetStatusText(const QString& text)
{
    statusLabel_->setText(text);
}

void TFM_MainForm::ShowPage(int index)
{
    NB_MainWindow->setCurrentIndex(index);
    NB_Tools->setCurrentIndex(index);
}

void TFM_MainForm::ShowEditorPage()
{
    TabSet1->setCurrentIndex(0);
}

void TFM_MainForm::CaptionChanged(const QString& caption)
{
    // The task bar shows the window's own caption, so the application's title
    // follows it without being set: a display name set here would be appended
    // by Qt to this and every other window's caption.
    setWindowTitle(caption);
}

void TFM_MainForm::StatusTextChanged(const QString& text)
{
    SetStatusText(text);
}

void TFM_MainForm::DocumentStarted()
{
    RebuildHistoryMenu();
}

void TFM_MainForm::DocumentOpened(const QString& path)
{
    ViewPage->SetPosition(0);
    RecordRecentFile(path, HistoryMenuUpdate::Rebuild);
}

void TFM_MainForm::DocumentRenamed(const QString& path)
{
    RecordRecentFile(path, HistoryMenuUpdate::Keep);
}
