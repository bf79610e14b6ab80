#include "editing/replacedialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

// The result of "Replace &All"; QDialog's own codes are 0 and 1.
constexpr int kReplaceAllResult = 2;

QComboBox* EditableCombo(QWidget* parent, const char* name)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    // The history is kept by CB_FindExit, not by Qt on Return.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMinimumWidth(220);
    return combo;
}

QCheckBox* CheckBox(QWidget* parent, const QString& caption, const char* name, bool checked)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    return box;
}

}  // namespace

TFM_Replace::TFM_Replace(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FM_Replace"));
    setWindowTitle(QStringLiteral("Find Text"));
    setModal(true);

    Label1 = new QLabel(QStringLiteral("&Text to Find:"), this);
    CB_Find = EditableCombo(this, "CB_Find");
    Label1->setBuddy(CB_Find);
    LB_Replace = new QLabel(QStringLiteral("&Replace with"), this);
    CB_Replace = EditableCombo(this, "CB_Replace");
    LB_Replace->setBuddy(CB_Replace);
    CHK_Case = CheckBox(this, QStringLiteral("&Case Sensitive"), "CHK_Case", false);
    CHK_FromTop = CheckBox(this, QStringLiteral("Search From &Begining"), "CHK_FromTop", true);
    CHK_Prompt = CheckBox(this, QStringLiteral("&Prompt on Replace"), "CHK_Prompt", false);

    BT_OK = new QPushButton(QStringLiteral("Ok"), this);
    BT_OK->setObjectName(QStringLiteral("BT_OK"));
    BT_OK->setDefault(true);
    BT_Cancel = new QPushButton(QStringLiteral("Cancel"), this);
    BT_Cancel->setObjectName(QStringLiteral("BT_Cancel"));
    BT_ReplaceAll = new QPushButton(QStringLiteral("Replace &All"), this);
    BT_ReplaceAll->setObjectName(QStringLiteral("BT_ReplaceAll"));
    connect(BT_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BT_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(BT_ReplaceAll, &QPushButton::clicked, this, [this] { done(kReplaceAllResult); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(CB_Find, 0, 1);
    grid->addWidget(LB_Replace, 1, 0);
    grid->addWidget(CB_Replace, 1, 1);
    grid->addWidget(CHK_Case, 2, 0, 1, 2);
    grid->addWidget(CHK_FromTop, 3, 0, 1, 2);
    grid->addWidget(CHK_Prompt, 4, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BT_OK);
    buttons->addWidget(BT_Cancel);
    buttons->addWidget(BT_ReplaceAll);
    grid->addLayout(buttons, 5, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    CB_Find->installEventFilter(this);
    if (CB_Find->lineEdit())
        CB_Find->lineEdit()->installEventFilter(this);
    connect(this, &QDialog::finished, this, [this] { CB_FindExit(); });
}

bool TFM_Replace::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut)
        CB_FindExit();
    return QDialog::eventFilter(watched, event);
}

void TFM_Replace::SetMode(FindDialogMode mode)
{
    const bool replace = mode == FindDialogMode::Replace;
    setWindowTitle(replace ? QStringLiteral("Replace Text") : QStringLiteral("Find Text"));
    BT_ReplaceAll->setVisible(replace);
    LB_Replace->setVisible(replace);
    CB_Replace->setVisible(replace);
    CHK_Prompt->setVisible(false);
}

Answer TFM_Replace::ShowFindDialog(FindDialogMode mode)
{
    SetMode(mode);
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    CB_Find->setFocus();
    CB_Find->lineEdit()->selectAll();
    const int result = exec();
    if (result == QDialog::Accepted)
        return Answer::Ok;
    return result == kReplaceAllResult ? Answer::Yes : Answer::Cancel;
}

void TFM_Replace::CB_FindExit()
{
    const QString text = CB_Find->currentText();
    if (text.isEmpty())
        return;
    const int index = CB_Find->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index == 0)
        return;
    CB_Find->insertItem(0, text);
    if (index > 0)
        CB_Find->removeItem(index + 1);
    CB_Find->setCurrentIndex(0);
}
