#include "tools/applist.h"

#include "common/isset.h"
#include "platform/commandwrapper.h"
#include "platform/profile.h"
#include "platform/prompts.h"
#include "tools/applaunch.h"
#include "tools/toolservices.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

namespace {

constexpr int kSlotPanelWidth = 113;
constexpr int kInfoPanelWidth = 374;
constexpr int kHeight = 158;
constexpr int kSlotButton = 35;
constexpr int kSmallButton = 25;

QToolButton* SmallButton(QWidget* parent, QStyle::StandardPixmap picture, const QString& hint, int x, int y)
{
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(picture));
    button->setToolTip(hint);
    button->setGeometry(x, y, kSmallButton, kSmallButton);
    return button;
}

// One dialog serves the program and the parameter: a program here rarely
// ends in .EXE, and a default extension would be added to one that does not.
FileDialogOptions ProgramDialog(const QString& folder)
{
    FileDialogOptions options;
    options.filter = QStringLiteral("All Files|*|Executable Files|*.exe;*.EXE");
    options.initialFolder = folder;
    return options;
}

}  // namespace

TFM_AppList::TFM_AppList(QString settingsPath, QString currentFile, ToolServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      settingsPath_(std::move(settingsPath)),
      currentFile_(std::move(currentFile)),
      services_(services)
{
    setObjectName(QStringLiteral("FM_AppList"));
    setWindowTitle(QStringLiteral("Application Maintenance"));
    BuildSlotPanel();
    BuildInfoPanel();

    CreateBtns(AppBarMode::Launch);
    PA_AppInfo->hide();
    setFixedSize(kSlotPanelWidth, kHeight);
    LoadFields(0);
    selected_ = 0;
}

TFM_AppList::~TFM_AppList() = default;

void TFM_AppList::BuildSlotPanel()
{
    PA_APPS = new QFrame(this);
    PA_APPS->setFrameShape(QFrame::StyledPanel);
    PA_APPS->setGeometry(0, 0, kSlotPanelWidth, kHeight);
    BT_Config = SmallButton(PA_APPS, QStyle::SP_ToolBarHorizontalExtensionButton, QStringLiteral("Config"), 80, 101);
    BT_Close = SmallButton(PA_APPS, QStyle::SP_DialogCloseButton, QStringLiteral("Close"), 80, 128);
    connect(BT_Config, &QToolButton::clicked, this, [this] { RunGuarded([this] { BT_ConfigClick(); }); });
    connect(BT_Close, &QToolButton::clicked, this, [this] { BT_CloseClick(); });
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
}

void TFM_AppList::BuildInfoPanel()
{
    PA_AppInfo = new QFrame(this);
    PA_AppInfo->setFrameShape(QFrame::StyledPanel);
    PA_AppInfo->setGeometry(kSlotPanelWidth, 0, kInfoPanelWidth, kHeight);

    Label1 = new QLabel(QStringLiteral("&Exe Name"), PA_AppInfo);
    Label1->setGeometry(10, 6, 200, 16);
    ED_Prgname = new QLineEdit(PA_AppInfo);
    ED_Prgname->setGeometry(10, 22, 320, 24);
    Label1->setBuddy(ED_Prgname);
    BT_FileOpen = SmallButton(PA_AppInfo, QStyle::SP_DirOpenIcon, QStringLiteral("Browse for the program"), 336, 21);

    Label2 = new QLabel(QStringLiteral("&Parameter"), PA_AppInfo);
    Label2->setGeometry(10, 50, 200, 16);
    ED_Param = new QLineEdit(PA_AppInfo);
    ED_Param->setGeometry(10, 66, 320, 24);
    Label2->setBuddy(ED_Param);
    BT_Param = SmallButton(PA_AppInfo, QStyle::SP_DirOpenIcon, QStringLiteral("Browse for a file to pass"), 336, 65);

    CHK_Pass = new QCheckBox(QStringLiteral("Pass HTML FileName"), PA_AppInfo);
    CHK_Pass->setGeometry(10, 96, 300, 22);
    CHK_Pass->setChecked(true);
    CHK_Pass->setToolTip(QStringLiteral("When checked, pass the filename of current editing HTML to the execution program"));

    BT_Ok = new QPushButton(QStringLiteral("Ok"), PA_AppInfo);
    BT_Ok->setToolTip(QStringLiteral("Save changes and exit"));
    BT_Ok->setGeometry(10, 124, 80, 26);
    BT_Ok->setDefault(true);
    BT_Cancel = new QPushButton(QStringLiteral("Cancel"), PA_AppInfo);
    BT_Cancel->setAutoDefault(false);
    BT_Cancel->setToolTip(QStringLiteral("Cancel all changes and exit"));
    BT_Cancel->setGeometry(98, 124, 80, 26);
    BT_Apply = new QPushButton(QStringLiteral("Apply"), PA_AppInfo);
    BT_Apply->setAutoDefault(false);
    BT_Apply->setGeometry(186, 124, 80, 26);

    connect(ED_Prgname, &QLineEdit::textChanged, this, [this] { ED_PrgnameChange(); });
    connect(ED_Param, &QLineEdit::textChanged, this, [this] { ED_PrgnameChange(); });
    connect(BT_FileOpen, &QToolButton::clicked, this, [this] { RunGuarded([this] { BT_FileOpenClick(); }); });
    connect(BT_Param, &QToolButton::clicked, this, [this] { RunGuarded([this] { BT_ParamClick(); }); });
    connect(BT_Ok, &QPushButton::clicked, this, [this] { RunGuarded([this] { BT_OkClick(); }); });
    connect(BT_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BT_Apply, &QPushButton::clicked, this, [this] { RunGuarded([this] { BT_ApplyClick(); }); });
}

void TFM_AppList::RunGuarded(const std::function<void()>& command)
{
    RunCommand(services_.prompts, command);
}

void TFM_AppList::CreateBtns(AppBarMode mode)
{
    mode_ = mode;
    if (!slotsRead_) {
        slots_ = ReadAppSlots(Profile(settingsPath_));
        slotsRead_ = true;
    }
    const bool configure = mode == AppBarMode::Configure;
    for (int i = 0; i < kAppSlotCount; ++i) {
        QToolButton*& button = buttons_[i];
        if (!button) {
            button = new QToolButton(PA_APPS);
            button->setObjectName(QStringLiteral("AppButton%1").arg(i + 1));
            button->setGeometry(i % 2 == 0 ? 5 : 40, 5 + (i / 2) * kSlotButton, kSlotButton, kSlotButton);
            button->setIconSize(QSize(30, 30));
            connect(button, &QToolButton::clicked, this, [this, i] { SlotClicked(i); });
            button->show();
        }
        button->setCheckable(configure);
        if (configure && !group_->buttons().contains(button))
            group_->addButton(button, i);
        button->setIcon(icons_.IconOf(slots_[i].program));
        button->setToolTip(IsSet(slots_[i].program) ? slots_[i].program : QString());
    }
    if (configure)
        buttons_[selected_]->setChecked(true);
}

void TFM_AppList::DestoryBtns()
{
    for (QToolButton*& button : buttons_) {
        delete button;
        button = nullptr;
    }
}

void TFM_AppList::SlotClicked(int index)
{
    if (mode_ == AppBarMode::Configure)
        RunGuarded([this, index] { AppBtnClick(index + 1); });
    else
        RunGuarded([this, index] { RunAppClick(index + 1); });
}

void TFM_AppList::LoadFields(int index)
{
    const AppSlot& slot = slots_[index];
    ED_Prgname->setText(slot.program);
    ED_Param->setText(slot.parameters);
    CHK_Pass->setChecked(slot.passFileName);
    edited_ = false;
}

void TFM_AppList::RunAppClick(int slot)
{
    if (RunAppSlot(services_, slots_.at(slot - 1), currentFile_) == AppLaunch::Launched)
        accept();
}

void TFM_AppList::BT_ConfigClick()
{
    CreateBtns(AppBarMode::Configure);
    setFixedSize(kSlotPanelWidth + kInfoPanelWidth, kHeight);
    if (const QScreen* target = screen() ? screen() : QApplication::primaryScreen())
        move(target->availableGeometry().center() - rect().center());
    PA_AppInfo->show();
    BT_Config->setEnabled(false);
}

void TFM_AppList::BT_CloseClick()
{
    reject();
}

void TFM_AppList::BT_ApplyClick()
{
    AppSlot& slot = slots_[selected_];
    slot.passFileName = CHK_Pass->isChecked();
    if (edited_) {
        slot.program = ED_Prgname->text();
        slot.parameters = ED_Param->text();
        CreateBtns(AppBarMode::Configure);
        edited_ = false;
    }
    buttons_[selected_]->setChecked(true);
}

void TFM_AppList::AppBtnClick(int slot)
{
    BT_ApplyClick();
    selected_ = slot - 1;
    LoadFields(selected_);
    buttons_[selected_]->setChecked(true);
}

void TFM_AppList::BT_OkClick()
{
    BT_ApplyClick();
    WriteAppSlots(Profile(settingsPath_), slots_);
    accept();
}

void TFM_AppList::BT_FileOpenClick()
{
    // The dialog starts in the folder of the program named now; a folder
    // that is gone leaves it at its usual place.
    const QFileInfo current(ED_Prgname->text().trimmed());
    const bool hasFolder = ED_Prgname->text().contains(QLatin1Char('/')) && current.absoluteDir().exists();
    const std::optional<QString> chosen =
        services_.prompts.OpenFileName(ProgramDialog(hasFolder ? current.absolutePath() : QString()));
    if (!chosen)
        return;
    ED_Prgname->setText(*chosen);
    edited_ = true;
    BT_ApplyClick();
}

void TFM_AppList::BT_ParamClick()
{
    const std::optional<QString> chosen = services_.prompts.OpenFileName(ProgramDialog(QString()));
    if (!chosen)
        return;
    // One file is one argument, blanks and all.
    ED_Param->setText(QuotedArgument(*chosen));
    edited_ = true;
}

void TFM_AppList::ED_PrgnameChange()
{
    edited_ = true;
}

void ShowAppBar(int top, int right, const QString& settingsPath, const QString& currentFile,
                ToolServices& services, QWidget* parent)
{
    TFM_AppList bar(settingsPath, currentFile, services, parent);
    // The bar's own frame is known only once it shows; the parent's is a
    // good guess for it.
    const QWidget* window = parent ? parent->window() : nullptr;
    const int frame = window ? window->frameGeometry().width() - window->width() : 0;
    bar.move(right - bar.width() - frame, top);
    bar.exec();
    bar.DestoryBtns();
}
