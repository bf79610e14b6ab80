#include "wizards/formelementdialog.h"

#include "platform/focusframe.h"

#include <QAbstractItemDelegate>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kDialogHeight = 290;
constexpr int kNameColumnWidth = 80;
constexpr int kValueColumnWidth = 150;
constexpr int kRowHeight = 22;
constexpr int kMostRows = 5;

QTableWidgetItem* NameCell(const QString& text)
{
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled);
    cell->setBackground(QPalette().button());
    return cell;
}

}  // namespace

TFM_Element::TFM_Element(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FM_Element"));
    setWindowTitle(QStringLiteral("New Form Element"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    CB_ElmType = new QComboBox(this);
    CB_ElmType->setObjectName(QStringLiteral("CB_ElmType"));
    for (int index = 0; index < kFormElementTypeCount; ++index)
        CB_ElmType->addItem(FormElementTypeCaption(FormElementType(index)));
    auto* typeLabel = new QLabel(QStringLiteral("&Element Type"), this);
    typeLabel->setBuddy(CB_ElmType);

    SG1 = new QTableWidget(0, 2, this);
    SG1->setObjectName(QStringLiteral("SG1"));
    ShowFocusFrame(*SG1);
    SG1->horizontalHeader()->hide();
    SG1->verticalHeader()->hide();
    // The longest name, MAXLENGTH, shown whole.
    const int longestName = SG1->fontMetrics().horizontalAdvance(QStringLiteral("MAXLENGTH"));
    SG1->setColumnWidth(0, std::max(kNameColumnWidth, longestName + 14));
    SG1->horizontalHeader()->setStretchLastSection(true);
    SG1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    SG1->setMinimumWidth(kNameColumnWidth + kValueColumnWidth);
    // Typing into a value cell edits it, as in a spreadsheet; Tab leaves the
    // grid and the arrow keys move between its rows.
    SG1->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                         QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    SG1->setTabKeyNavigation(false);
    auto* gridLabel = new QLabel(QStringLiteral("&Properties"), this);
    gridLabel->setBuddy(SG1);

    MOPT_List = new QPlainTextEdit(this);
    MOPT_List->setObjectName(QStringLiteral("MOPT_List"));
    MOPT_List->setPlainText(QStringLiteral("Option 1\nOption 2\nOption 3"));
    MOPT_List->setLineWrapMode(QPlainTextEdit::NoWrap);
    LB_Options = new QLabel(QStringLiteral("&List of Options / Strings"), this);
    LB_Options->setBuddy(MOPT_List);

    CHK1 = new QCheckBox(QStringLiteral("Checked"), this);
    CHK1->setObjectName(QStringLiteral("CHK1"));
    CHK_NewLine = new QCheckBox(QStringLiteral("&Start at New line"), this);
    CHK_NewLine->setObjectName(QStringLiteral("CHK_NewLine"));
    CHK_NewLine->setToolTip(QStringLiteral("Auto append <P> to form element"));

    BT_Add = new QPushButton(QStringLiteral("&Add"), this);
    BT_Add->setObjectName(QStringLiteral("BT_Add"));
    BT_Add->setDefault(true);
    BT_Cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BT_Cancel->setObjectName(QStringLiteral("BT_Cancel"));
    connect(BT_Add, &QPushButton::clicked, this, [this] {
        // A value still being typed into the grid counts (Alt+A leaves the edit open).
        if (QWidget* editor = SG1->indexWidget(SG1->currentIndex()))
            emit SG1->itemDelegate()->commitData(editor);
        accept();
    });
    connect(BT_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* left = new QVBoxLayout;
    left->addWidget(typeLabel);
    left->addWidget(CB_ElmType);
    left->addWidget(gridLabel);
    left->addWidget(SG1, 1);
    left->addWidget(CHK1);
    left->addWidget(CHK_NewLine);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BT_Add);
    buttons->addWidget(BT_Cancel);
    left->addLayout(buttons);

    auto* right = new QVBoxLayout;
    right->addWidget(LB_Options);
    right->addWidget(MOPT_List, 1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    connect(CB_ElmType, &QComboBox::currentIndexChanged, this, [this] { CB_ElmTypeChange(); });
    CB_ElmTypeChange();
}

FormElementType TFM_Element::ElementType() const
{
    return FormElementType(std::clamp(CB_ElmType->currentIndex(), 0, kFormElementTypeCount - 1));
}

void TFM_Element::SetElementType(FormElementType type)
{
    CB_ElmType->setCurrentIndex(int(type));
}

QString TFM_Element::Value(int row) const
{
    const QTableWidgetItem* cell = SG1->item(row, 1);
    return cell ? cell->text() : QString();
}

void TFM_Element::CB_ElmTypeChange()
{
    const FormElementType type = ElementType();
    const QStringList names = FormElementPropertyNames(type);

    // A row keeps its value whatever name it carries next.
    keptValues_.resize(std::max<qsizetype>(keptValues_.size(), kMostRows));
    for (int row = 0; row < SG1->rowCount(); ++row)
        keptValues_[row] = Value(row);
    SG1->setRowCount(int(names.size()));
    for (int row = 0; row < int(names.size()); ++row) {
        SG1->setItem(row, 0, NameCell(names[row]));
        SG1->setItem(row, 1, new QTableWidgetItem(keptValues_[row]));
    }

    // Keys typed into the grid go to a value, never to a name.
    if (SG1->currentRow() < 0 || SG1->currentColumn() != 1)
        SG1->setCurrentCell(0, 1);

    CHK1->setVisible(FormElementTakesChecked(type));
    const bool options = FormElementTakesOptions(type);
    LB_Options->setVisible(options);
    MOPT_List->setVisible(options);
    setFixedSize(FormElementWindowWidth(type), kDialogHeight);
}

FormElementRequest TFM_Element::Request() const
{
    FormElementRequest request;
    request.type = ElementType();
    for (int row = 0; row < SG1->rowCount(); ++row) {
        const QTableWidgetItem* name = SG1->item(row, 0);
        request.rows.push_back({name ? name->text() : QString(), Value(row)});
    }
    // The lines as the list shows them: a final line break opens no line.
    const QString options = MOPT_List->toPlainText();
    if (!options.isEmpty()) {
        request.options = options.split(QLatin1Char('\n'));
        if (request.options.back().isEmpty())
            request.options.removeLast();
    }
    request.checked = CHK1->isChecked();
    request.startAtNewLine = CHK_NewLine->isChecked();
    return request;
}

void TFM_Element::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TFM_Element::FormShow()
{
    SetElementType(FormElementType::Text);
    CB_ElmTypeChange();
    CB_ElmType->setFocus();
}

bool RunElementWizard(QStringList& lines, QWidget* parent)
{
    TFM_Element dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    lines << FormElementEntries(dialog.Request());
    return true;
}
