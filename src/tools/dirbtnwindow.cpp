#include "tools/dirbtnwindow.h"

#include "platform/commandwrapper.h"
#include "platform/prompts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kWidth = 632;
constexpr int kHeight = 156;

}  // namespace

TFM_DirBtn::TFM_DirBtn(DirSlots& dirSlots, Prompts& prompts, QWidget* parent)
    // No close box: the window closes through "&Close" alone.
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      slots_(dirSlots),
      prompts_(prompts)
{
    setObjectName(QStringLiteral("FM_DirBtn"));
    setWindowTitle(QStringLiteral("Directory Buttons Maintenace"));
    setFixedSize(kWidth, kHeight);

    PA_DIRBTN = new QFrame(this);
    PA_DIRBTN->setFrameShape(QFrame::StyledPanel);
    PA_DIRBTN->setGeometry(0, 0, kWidth, 35);

    Label2 = new QLabel(QStringLiteral("&Caption"), this);
    Label2->setGeometry(10, 44, 90, 24);
    ED_Capt = new QLineEdit(this);
    ED_Capt->setGeometry(100, 44, 200, 24);
    Label2->setBuddy(ED_Capt);

    Label1 = new QLabel(QStringLiteral("&HTML File"), this);
    Label1->setGeometry(10, 74, 90, 24);
    ED_HTML = new QLineEdit(this);
    ED_HTML->setGeometry(100, 74, 441, 24);
    Label1->setBuddy(ED_HTML);
    Button1 = new QPushButton(QStringLiteral("&Browse"), this);
    Button1->setGeometry(547, 73, 75, 26);

    CHK_LOCAL = new QCheckBox(QStringLiteral("In &Executable's Directory"), this);
    CHK_LOCAL->setToolTip(QStringLiteral("If checked, always looking for the file in the program's running directory"));
    CHK_LOCAL->setGeometry(100, 104, 300, 22);

    BT_APPLY = new QPushButton(QStringLiteral("&Apply"), this);
    BT_APPLY->setGeometry(466, 122, 75, 26);
    BitBtn1 = new QPushButton(QStringLiteral("&Close"), this);
    BitBtn1->setGeometry(547, 122, 75, 26);
    // Return in a field applies it rather than opening the file dialog.
    Button1->setAutoDefault(false);
    BitBtn1->setAutoDefault(false);
    BT_APPLY->setDefault(true);

    connect(BT_APPLY, &QPushButton::clicked, this, [this] { RunCommand(prompts_, [this] { BT_ApplyClick(); }); });
    connect(Button1, &QPushButton::clicked, this, [this] { RunCommand(prompts_, [this] { Button1Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate();
}

void TFM_DirBtn::FormCreate()
{
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    const int width = (kWidth - 15) / kDirSlotCount;
    for (int i = 0; i < kDirSlotCount; ++i) {
        auto* button = new QPushButton(slots_[i].caption, PA_DIRBTN);
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setGeometry(5 + i * width, 3, width, 25);
        group_->addButton(button, i);
        connect(button, &QPushButton::clicked, this, [this, i] { RunCommand(prompts_, [this, i] { DirBtnClick(i); }); });
        slotButtons_[i] = button;
    }
    selected_ = 0;
    slotButtons_[0]->setChecked(true);
    LoadFields();
}

void TFM_DirBtn::LoadFields()
{
    const DirSlot& slot = slots_[selected_];
    ED_Capt->setText(slot.caption);
    ED_HTML->setText(slot.htmlFile);
    CHK_LOCAL->setChecked(slot.inProgramFolder);
}

void TFM_DirBtn::BT_ApplyClick()
{
    DirSlot& slot = slots_[selected_];
    slot.caption = ED_Capt->text();
    slot.htmlFile = ED_HTML->text();
    slot.inProgramFolder = CHK_LOCAL->isChecked();
    if (slot.inProgramFolder) {
        slot.htmlFile = QFileInfo(slot.htmlFile).fileName();
        // The field shows what the button will open.
        ED_HTML->setText(slot.htmlFile);
    }
    slotButtons_[selected_]->setText(slot.caption);
}

void TFM_DirBtn::DirBtnClick(int slot)
{
    BT_ApplyClick();
    selected_ = slot;
    slotButtons_[selected_]->setChecked(true);
    LoadFields();
}

void TFM_DirBtn::Button1Click()
{
    FileDialogOptions options;
    options.defaultExtension = QStringLiteral("HTM");
    options.filter = QStringLiteral("HTM Files|*.HTM;*.htm|HTML Files|*.HTML;*.html|All Files|*");
    options.fileName = ED_HTML->text();
    if (const std::optional<QString> chosen = prompts_.OpenFileName(options))
        ED_HTML->setText(*chosen);
}
