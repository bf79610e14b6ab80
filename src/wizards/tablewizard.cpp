#include "wizards/tablewizard.h"

#include "common/windowrectangle.h"
#include "platform/commandwrapper.h"
#include "platform/profile.h"
#include "platform/prompts.h"
#include "viewer/htmlviewer.h"
#include "wizards/cellgrid.h"
#include "wizards/tablefiles.h"
#include "wizards/tablegenerator.h"
#include "wizards/tablereader.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

namespace {

const QString kSection = QStringLiteral("Table");
constexpr int kColumnWidth = 100;
constexpr int kRowHeight = 20;
constexpr int kSpinWidth = 70;
const QSize kDesignSize(620, 420);

QSpinBox* SpinField(QWidget* parent, const char* name, int minimum, int maximum, int value)
{
    auto* field = new QSpinBox(parent);
    field->setObjectName(QLatin1String(name));
    field->setRange(minimum, maximum);
    field->setValue(value);
    field->setFixedWidth(kSpinWidth);
    return field;
}

QPushButton* Button(QWidget* parent, const QString& caption, const char* name, const QString& hint = QString())
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

// The section that shows at `visual` in a header whose sections the user
// may drag about.
int LogicalAt(const QHeaderView& header, int visual)
{
    return header.logicalIndex(visual);
}

}  // namespace

TFM_SetTable::TFM_SetTable(Prompts& prompts, QString settingsPath, QWidget* parent)
    : QDialog(parent), prompts_(prompts), settingsPath_(std::move(settingsPath))
{
    setObjectName(QStringLiteral("FM_SetTable"));
    setWindowTitle(QStringLiteral("Table Editor"));
    setSizeGripEnabled(true);

    QWidget* fields = BuildFields();
    BuildNotebook();

    auto* middle = new QHBoxLayout;
    middle->addWidget(NB_Grid, 1);
    middle->addLayout(BuildButtons());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fields);
    layout->addLayout(middle, 1);

    FormCreate();
}

TFM_SetTable::~TFM_SetTable() = default;

QWidget* TFM_SetTable::BuildFields()
{
    auto* fields = new QWidget(this);
    auto* grid = new QGridLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);

    auto* captionLabel = new QLabel(QStringLiteral("Caption"), fields);
    ED_CAPTION = new QLineEdit(fields);
    ED_CAPTION->setObjectName(QStringLiteral("ED_CAPTION"));
    captionLabel->setBuddy(ED_CAPTION);
    RB_ATOP = new QRadioButton(QStringLiteral("Align Top"), fields);
    RB_ATOP->setObjectName(QStringLiteral("RB_ATOP"));
    RB_ABOT = new QRadioButton(QStringLiteral("Align Bottom"), fields);
    RB_ABOT->setObjectName(QStringLiteral("RB_ABOT"));
    RB_ADefault = new QRadioButton(QStringLiteral("Default"), fields);
    RB_ADefault->setObjectName(QStringLiteral("RB_ADefault"));
    RB_ADefault->setChecked(true);
    auto* alignment = new QButtonGroup(fields);
    for (QRadioButton* button : {RB_ATOP, RB_ABOT, RB_ADefault}) {
        alignment->addButton(button);
        // Tab stops at the checked button only; the arrow keys choose another.
        connect(button, &QRadioButton::toggled, button, [button](bool checked) {
            button->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
        });
        button->setFocusPolicy(button->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }

    auto* captionRow = new QHBoxLayout;
    captionRow->addWidget(captionLabel);
    captionRow->addWidget(ED_CAPTION, 1);
    captionRow->addWidget(RB_ATOP);
    captionRow->addWidget(RB_ABOT);
    captionRow->addWidget(RB_ADefault);
    grid->addLayout(captionRow, 0, 0, 1, 7);

    constexpr int unlimited = std::numeric_limits<int>::max();
    SCOL = SpinField(fields, "SCOL", 1, kMaxTableColumns, 3);
    SROW = SpinField(fields, "SROW", 1, kMaxTableRows, 3);
    SHCOL = SpinField(fields, "SHCOL", 0, kMaxTableColumns, 0);
    SHROW = SpinField(fields, "SHROW", 0, kMaxTableRows, 0);
    SBS = SpinField(fields, "SBS", 0, unlimited, 1);
    SCP = SpinField(fields, "SCP", 0, unlimited, 0);
    SCS = SpinField(fields, "SCS", 0, unlimited, 0);
    SWidth = SpinField(fields, "SWidth", 0, unlimited, 0);
    SHeight = SpinField(fields, "SHeight", 0, unlimited, 0);

    // Three rows of three: the grid's size, its headings and border, then
    // the table's size and the spacing of its cells.
    const std::pair<QSpinBox*, const char*> labelled[] = {
        {SCOL, "Columns"},      {SROW, "Rows"},          {SBS, "Border Width"},
        {SHCOL, "Heading Cols"}, {SHROW, "Heading Rows"}, {SCP, "Cell Padding"},
        {SWidth, "Width"},      {SHeight, "Height"},     {SCS, "Cell Spacing"}};
    int index = 0;
    // Tab walks the fields row by row, as they stand on the screen.
    QWidget* previous = RB_ADefault;
    for (const auto& [field, caption] : labelled) {
        setTabOrder(previous, field);
        previous = field;
        auto* label = new QLabel(QLatin1String(caption), fields);
        label->setBuddy(field);
        const int row = 1 + index / 3;
        const int column = 2 * (index % 3);
        grid->addWidget(label, row, column, Qt::AlignRight);
        grid->addWidget(field, row, column + 1, Qt::AlignLeft);
        ++index;
    }
    grid->setColumnStretch(6, 1);

    connect(SCOL, &QSpinBox::valueChanged, this, [this] { SCOLChange(); });
    connect(SROW, &QSpinBox::valueChanged, this, [this] { SROWChange(); });
    for (QSpinBox* field : {SHROW, SHCOL, SCS, SCP, SWidth, SHeight, SBS})
        connect(field, &QSpinBox::valueChanged, this, [this, field] { SPINChange(*field); });
    SHROW->installEventFilter(this);
    SHCOL->installEventFilter(this);
    return fields;
}

void TFM_SetTable::BuildNotebook()
{
    NB_Grid = new QStackedWidget(this);
    NB_Grid->setObjectName(QStringLiteral("NB_Grid"));

    EditPage = new QWidget(NB_Grid);
    EditPage->setObjectName(QStringLiteral("Edit"));
    SG1 = new CellGrid(3, 3, EditPage);
    SG1->setObjectName(QStringLiteral("SG1"));
    SG1->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    SG1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    SG1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SG1->horizontalHeader()->setSectionsMovable(true);
    SG1->verticalHeader()->setSectionsMovable(true);
    connect(SG1->horizontalHeader(), &QHeaderView::sectionMoved, this,
            [this] { KeepMovedSection(Qt::Horizontal); });
    connect(SG1->verticalHeader(), &QHeaderView::sectionMoved, this, [this] { KeepMovedSection(Qt::Vertical); });
    auto* editLayout = new QVBoxLayout(EditPage);
    editLayout->setContentsMargins(0, 0, 0, 0);
    editLayout->addWidget(SG1);
    NB_Grid->addWidget(EditPage);

    PreviewPage = new QWidget(NB_Grid);
    PreviewPage->setObjectName(QStringLiteral("Preview"));
    PreViewGrid = new THTMLViewer(PreviewPage);
    PreViewGrid->setObjectName(QStringLiteral("PreViewGrid"));
    PreViewGrid->SetViewImages(false);
    PreViewGrid->SetDefFontName(QStringLiteral("Times New Roman"));
    PreViewGrid->SetDefPreFontName(QStringLiteral("Courier New"));
    PreViewGrid->SetHistoryMaxCount(0);
    auto* previewLayout = new QVBoxLayout(PreviewPage);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    previewLayout->addWidget(PreViewGrid);
    NB_Grid->addWidget(PreviewPage);
}

QLayout* TFM_SetTable::BuildButtons()
{
    BT_Edit = Button(this, QStringLiteral("Edit"), "BT_Edit");
    BT_Edit->setEnabled(false);
    BT_Preview = Button(this, QStringLiteral("&Preview"), "BT_Preview", QStringLiteral("Preview/Refresh Table"));
    BT_Import = Button(this, QStringLiteral("&Import"), "BT_Import",
                       QStringLiteral("Import Table Data From A Comma Delimited File"));
    BT_Export = Button(this, QStringLiteral("&Export"), "BT_Export",
                       QStringLiteral("Export Table Data To a Comma Delimited File"));
    BT_SaveWin = Button(this, QStringLiteral("Save Window Size && Position"), "BT_SaveWin");
    BitBtn1 = Button(this, QStringLiteral("OK"), "BitBtn1");
    BitBtn1->setDefault(true);
    BitBtn2 = Button(this, QStringLiteral("Cancel"), "BitBtn2");

    connect(BT_Edit, &QPushButton::clicked, this, [this] { Run([this] { BT_EditClick(); }); });
    connect(BT_Preview, &QPushButton::clicked, this, [this] { Run([this] { BT_PreviewClick(); }); });
    connect(BT_Import, &QPushButton::clicked, this, [this] { Run([this] { BT_ImportClick(); }); });
    connect(BT_Export, &QPushButton::clicked, this, [this] { Run([this] { BT_ExportClick(); }); });
    connect(BT_SaveWin, &QPushButton::clicked, this, [this] { Run([this] { BT_SaveWinClick(); }); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {BT_Edit, BT_Preview, BT_Import, BT_Export, BT_SaveWin})
        buttons->addWidget(button);
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    return buttons;
}

void TFM_SetTable::FormCreate()
{
    NB_Grid->setCurrentWidget(EditPage);
    ED_CAPTION->setFocus();
    resize(kDesignSize);
    RestoreWindowRectangle(*this, Profile(settingsPath_), kSection);
}

void TFM_SetTable::accept()
{
    CommitCellEdit();
    QDialog::accept();
}

void TFM_SetTable::CommitCellEdit()
{
    // A cell still being typed in counts: its editor hands the text over
    // when it loses the focus.
    const QWidget* focus = QApplication::focusWidget();
    if (focus && SG1->isAncestorOf(focus) && focus != SG1)
        SG1->setFocus();
}

void TFM_SetTable::Run(const std::function<void()>& command)
{
    RunCommand(prompts_, command);
}

bool TFM_SetTable::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == SHROW)
            SHROWEnter();
        else if (watched == SHCOL)
            SHCOLEnter();
    }
    return QDialog::eventFilter(watched, event);
}

GridCells TFM_SetTable::GridContents() const
{
    const QHeaderView& columns = *SG1->horizontalHeader();
    const QHeaderView& rows = *SG1->verticalHeader();
    GridCells cells(SG1->columnCount(), SG1->rowCount());
    for (int row = 0; row < cells.Rows(); ++row) {
        for (int column = 0; column < cells.Columns(); ++column) {
            if (const QTableWidgetItem* item = SG1->item(LogicalAt(rows, row), LogicalAt(columns, column)))
                cells.SetCell(column, row, item->text());
        }
    }
    return cells;
}

void TFM_SetTable::SetGridContents(const GridCells& cells)
{
    SG1->clearContents();
    SG1->setColumnCount(cells.Columns());
    SG1->setRowCount(cells.Rows());
    for (int row = 0; row < cells.Rows(); ++row)
        for (int column = 0; column < cells.Columns(); ++column)
            if (!cells.Cell(column, row).isEmpty())
                SG1->setItem(row, column, new QTableWidgetItem(cells.Cell(column, row)));
}

// A dragged row or column keeps its new place for good: the cells move
// with it and the header goes back to counting 1, 2, 3 from the left and
// from the top, so the grid's order is always the order the user sees.
void TFM_SetTable::KeepMovedSection(Qt::Orientation orientation)
{
    if (normalisingSections_)
        return;
    normalisingSections_ = true;
    const GridCells cells = GridContents();
    QHeaderView& header = orientation == Qt::Horizontal ? *SG1->horizontalHeader() : *SG1->verticalHeader();
    QList<int> sizes;
    for (int visual = 0; visual < header.count(); ++visual)
        sizes << header.sectionSize(header.logicalIndex(visual));
    for (int logical = 0; logical < header.count(); ++logical)
        header.moveSection(header.visualIndex(logical), logical);
    SetGridContents(cells);
    for (int logical = 0; logical < header.count(); ++logical)
        header.resizeSection(logical, sizes[logical]);
    normalisingSections_ = false;
}

TableDescription TFM_SetTable::Description() const
{
    TableDescription table;
    table.cells = GridContents();
    table.caption = ED_CAPTION->text();
    table.captionAlignment = RB_ATOP->isChecked()   ? CaptionAlignment::Top
                           : RB_ABOT->isChecked()   ? CaptionAlignment::Bottom
                                                    : CaptionAlignment::Default;
    table.headingRows = SHROW->value();
    table.headingColumns = SHCOL->value();
    table.border = SBS->value();
    table.width = SWidth->value();
    table.height = SHeight->value();
    table.cellPadding = SCP->value();
    table.cellSpacing = SCS->value();
    return table;
}

void TFM_SetTable::ShowDescription(const TableDescription& table)
{
    SetGridContents(table.cells);
    // The size fields show the grid's size, so that changing them starts
    // from what is there rather than cutting the table.
    SCOL->setValue(table.cells.Columns());
    SROW->setValue(table.cells.Rows());
    ED_CAPTION->setText(table.caption);
    switch (table.captionAlignment) {
    case CaptionAlignment::Top: RB_ATOP->setChecked(true); break;
    case CaptionAlignment::Bottom: RB_ABOT->setChecked(true); break;
    case CaptionAlignment::Default: RB_ADefault->setChecked(true); break;
    }
    SHROW->setValue(table.headingRows);
    SHCOL->setValue(table.headingColumns);
    SBS->setValue(table.border);
    SWidth->setValue(table.width);
    SHeight->setValue(table.height);
    SCP->setValue(table.cellPadding);
    SCS->setValue(table.cellSpacing);
}

void TFM_SetTable::ReadTableLines(const QStringList& lines)
{
    TableDescription table = Description();
    const TableFit fit = ::ReadTableLines(lines, table);
    ShowDescription(table);
    if (fit == TableFit::Cut) {
        prompts_.Message(QStringLiteral("The table has more than %1 rows or more than %2 columns. Only the first "
                                        "%1 rows and %2 columns are shown, and OK replaces the selected table "
                                        "with what is shown.")
                             .arg(kMaxTableRows)
                             .arg(kMaxTableColumns),
                         MessageKind::Warning, MessageButtons::Ok);
    }
}

void TFM_SetTable::MakeTableLines(QStringList& lines) const
{
    ::MakeTableLines(Description(), lines);
}

void TFM_SetTable::SCOLChange()
{
    SCOL->setValue(std::max(1, SCOL->value()));
    SG1->setColumnCount(SCOL->value());
}

void TFM_SetTable::SROWChange()
{
    SROW->setValue(std::max(1, SROW->value()));
    SG1->setRowCount(SROW->value());
}

void TFM_SetTable::SPINChange(QSpinBox& field)
{
    if (field.value() < 0)
        field.setValue(0);
}

void TFM_SetTable::SHROWEnter()
{
    SHROW->setMaximum(SROW->value() - 1);
}

void TFM_SetTable::SHCOLEnter()
{
    SHCOL->setMaximum(SCOL->value() - 1);
}

void TFM_SetTable::BT_PreviewClick()
{
    CommitCellEdit();
    NB_Grid->setCurrentWidget(PreviewPage);
    QStringList lines;
    MakeTableLines(lines);
    PreViewGrid->LoadLines(lines);
    BT_Edit->setEnabled(true);
}

void TFM_SetTable::BT_EditClick()
{
    NB_Grid->setCurrentWidget(EditPage);
    BT_Edit->setEnabled(false);
}

void TFM_SetTable::BT_SaveWinClick()
{
    StoreWindowRectangle(*this, Profile(settingsPath_), kSection);
}

void TFM_SetTable::BT_ImportClick()
{
    GridCells cells = GridContents();
    if (!ImportTableFile(prompts_, cells))
        return;
    SetGridContents(cells);
    SCOL->setValue(cells.Columns());
    SROW->setValue(cells.Rows());
}

void TFM_SetTable::BT_ExportClick()
{
    CommitCellEdit();
    ExportTableFile(prompts_, GridContents());
}

bool RunTableWizard(int columns, int rows, QStringList& lines, Prompts& prompts, const QString& settingsPath,
                    QWidget* parent)
{
    TFM_SetTable wizard(prompts, settingsPath, parent);
    wizard.SCOL->setValue(columns);
    wizard.SROW->setValue(rows);
    if (StartsWithTable(lines))
        wizard.ReadTableLines(lines);
    if (wizard.exec() != QDialog::Accepted)
        return false;
    wizard.MakeTableLines(lines);
    return true;
}
