#include "app/mainform.h"

#include "app/aboutbox.h"
#include "app/glyphs.h"
#include "app/settingsfile.h"
#include "app/windowplacement.h"
#include "platform/commandwrapper.h"
#include "platform/editcontrol.h"
#include "platform/programstart.h"
#include "platform/prompts.h"
#include "viewer/htmlviewer.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kMaxAppTitle = 200;
constexpr int kPreviewHistory = 8;

}  // namespace

TFM_MainForm::TFM_MainForm(const PlatformServices& services, const QStringList& arguments, QWidget* parent)
    : QMainWindow(parent), services_(services), arguments_(arguments)
{
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
                                                QApplication::applicationDisplayName().left(kMaxAppTitle));
    connect(HTML_WINDOW, &QPlainTextEdit::textChanged, this, [this] { document_->EditorChanged(); });
    WireCommands();

    FormCreate();
}

TFM_MainForm::~TFM_MainForm() = default;

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
    WirePrintCommands();
    WireTableCommands();
    WireFormCommands();
    WireToolCommands();
    WireDirectoryBarCommands();
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

void TFM_MainForm::FormActivate()
{
    CopyTagMenus();
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
    setWindowTitle(caption);
    // The task bar shows the application's title, which follows the caption.
    QGuiApplication::setApplicationDisplayName(caption);
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
