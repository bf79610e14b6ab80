#include "editing/usertagwindow.h"

#include "common/delimitedlines.h"
#include "common/windowrectangle.h"
#include "editing/usertaglibrary.h"
#include "platform/commandwrapper.h"
#include "platform/focusframe.h"
#include "platform/kivoerror.h"
#include "platform/profile.h"
#include "platform/prompts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QString kSection = QStringLiteral("UserTag");
const QSize kDesignSize(600, 396);
constexpr int kRowHeight = 20;
constexpr int kColumnWidths[kUserTagColumns] = {184, 184, 178};
// Columns a file adds beyond the three.
constexpr int kExtraColumnWidth = 100;
constexpr int kMargin = 6;

// A grid whose cell editor can be closed with its text kept, as when the
// user clicks elsewhere: a button press must see what was typed last.
class UserTagGrid : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

    bool Editing() const { return state() == EditingState; }

    void CommitEdit()
    {
        if (!Editing())
            return;
        if (QWidget* editor = indexWidget(currentIndex())) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
};

UserTagGrid& Grid(QTableWidget* grid)
{
    return static_cast<UserTagGrid&>(*grid);
}

QPushButton* Button(QWidget* parent, const QString& caption, const char* name, const QString& hint)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TFM_UserTag::TFM_UserTag(Prompts& prompts, QString libraryPath, QString settingsPath, QWidget* parent)
    : QDialog(parent), prompts_(prompts), libraryPath_(std::move(libraryPath)), settingsPath_(std::move(settingsPath))
{
    setObjectName(QStringLiteral("FM_UserTag"));
    setWindowTitle(QStringLiteral("User Tags"));
    setSizeGripEnabled(true);

    BuildGrid();
    auto* middle = new QHBoxLayout;
    middle->addWidget(SG1, 1);
    middle->addWidget(BuildRowButtons());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kMargin);
    middle->setSpacing(kMargin);
    layout->addLayout(middle, 1);
    layout->addWidget(BuildBottomButtons());

    FormCreate();
}

TFM_UserTag::~TFM_UserTag() = default;

void TFM_UserTag::BuildGrid()
{
    SG1 = new UserTagGrid(kUserTagRows, kUserTagColumns, this);
    SG1->setObjectName(QStringLiteral("SG1"));
    ShowFocusFrame(*SG1);
    // The header row names the columns; no column of row numbers.
    SG1->verticalHeader()->hide();
    SG1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SG1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    SG1->horizontalHeader()->setDefaultSectionSize(kExtraColumnWidth);
    SG1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // The last column takes what the window has to spare: at the designed
    // size all three columns show without a horizontal scroll bar.
    SG1->horizontalHeader()->setStretchLastSection(true);
    SG1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    SG1->setTabKeyNavigation(true);
    SG1->setWordWrap(false);
    ShowEntries(GridCells(kUserTagColumns, kUserTagRows));
    connect(SG1, &QTableWidget::itemChanged, this, [this] { SG1SetEditText(); });
}

QWidget* TFM_UserTag::BuildRowButtons()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PA_RowButtons"));
    BT_UP = Button(panel, QString(), "BT_UP", QStringLiteral("Move Row Up"));
    BT_UP->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    BT_Down = Button(panel, QString(), "BT_Down", QStringLiteral("Move Row Down"));
    BT_Down->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    connect(BT_UP, &QPushButton::clicked, this, [this] { Run([this] { BT_UPClick(RowMove::Up); }); });
    connect(BT_Down, &QPushButton::clicked, this, [this] { Run([this] { BT_UPClick(RowMove::Down); }); });

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(BT_UP);
    layout->addWidget(BT_Down);
    layout->addStretch(1);
    panel->setFixedWidth(32);
    for (QPushButton* button : {BT_UP, BT_Down})
        button->setFixedSize(28, 28);
    return panel;
}

QWidget* TFM_UserTag::BuildBottomButtons()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PA_Buttons"));
    BT_Insert = Button(panel, QStringLiteral("&Insert Tags"), "BT_Insert", QStringLiteral("Insert Tag / String"));
    BT_Insert->setDefault(true);
    BT_SaveTag = Button(panel, QStringLiteral("&Save Tags"), "BT_SaveTag", QStringLiteral("Save Tag List"));
    BT_SaveTag->setEnabled(false);
    BT_SaveWin = Button(panel, QStringLiteral("Save Window Size && Position"), "BT_SaveWin", QString());
    BT_Close = Button(panel, QStringLiteral("&Close"), "BT_Close", QStringLiteral("Close"));

    connect(BT_Insert, &QPushButton::clicked, this, [this] { Run([this] { BT_AutoInsertClick(); }); });
    connect(BT_SaveTag, &QPushButton::clicked, this, [this] { Run([this] { BT_SaveTagClick(); }); });
    connect(BT_SaveWin, &QPushButton::clicked, this, [this] { Run([this] { BT_SaveWinClick(); }); });
    connect(BT_Close, &QPushButton::clicked, this, [this] { Run([this] { BT_CloseClick(); }); });

    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(BT_Insert);
    layout->addWidget(BT_SaveTag);
    layout->addWidget(BT_SaveWin);
    layout->addStretch(1);
    layout->addWidget(BT_Close);
    return panel;
}

void TFM_UserTag::FormCreate()
{
    resize(kDesignSize);
    RestoreWindowRectangle(*this, Profile(settingsPath_), kSection);
    SG1->setCurrentCell(0, 0);
    SG1->setFocus();
}

void TFM_UserTag::LoadLibrary()
{
    const UserTagLibrary library = LoadUserTagLibrary(libraryPath_);
    libraryFormat_ = library.format;
    ShowEntries(library.cells);
    SG1->setCurrentCell(0, 0);
    if (library.cut) {
        prompts_.Message(QStringLiteral("%1 holds more than the list has room for (%2 rows of at most %3 "
                                        "fields). Only what fits is shown, and saving the list keeps only that.")
                             .arg(libraryPath_)
                             .arg(kUserTagRows)
                             .arg(kMaxUserTagColumns),
                         MessageKind::Warning, MessageButtons::Ok);
    }
}

void TFM_UserTag::ShowEntries(const GridCells& cells)
{
    const QSignalBlocker quiet(SG1);
    SG1->clearContents();
    SG1->setColumnCount(cells.Columns());
    SG1->setRowCount(cells.Rows());
    for (int row = 0; row < cells.Rows(); ++row)
        for (int column = 0; column < cells.Columns(); ++column)
            if (!cells.Cell(column, row).isEmpty())
                SG1->setItem(row, column, new QTableWidgetItem(cells.Cell(column, row)));
    // The header row is the window's own, written afresh on every opening.
    SG1->setHorizontalHeaderLabels(
        {QStringLiteral("Start Tag"), QStringLiteral("End Tag"), QStringLiteral("Description")});
    // The last column stretches (see BuildGrid) rather than take a width.
    for (int column = 0; column < std::min(kUserTagColumns, cells.Columns() - 1); ++column)
        SG1->setColumnWidth(column, kColumnWidths[column]);
}

GridCells TFM_UserTag::Entries() const
{
    GridCells cells(SG1->columnCount(), SG1->rowCount());
    for (int row = 0; row < cells.Rows(); ++row)
        for (int column = 0; column < cells.Columns(); ++column)
            if (const QTableWidgetItem* item = SG1->item(row, column))
                cells.SetCell(column, row, item->text());
    return cells;
}

void TFM_UserTag::CommitCellEdit()
{
    Grid(SG1).CommitEdit();
}

void TFM_UserTag::Run(const std::function<void()>& command)
{
    RunCommand(prompts_, command);
}

void TFM_UserTag::SG1SetEditText()
{
    BT_SaveTag->setEnabled(true);
}

void TFM_UserTag::BT_AutoInsertClick()
{
    CommitCellEdit();
    const int row = SG1->currentRow();
    const auto text = [&](int column) {
        const QTableWidgetItem* item = row >= 0 ? SG1->item(row, column) : nullptr;
        return item ? item->text() : QString();
    };
    chosen_ = {text(0), text(1)};
    QDialog::accept();
}

void TFM_UserTag::BT_SaveTagClick()
{
    CommitCellEdit();
    bool gravesLeftOut = false;
    try {
        gravesLeftOut = SaveUserTagLibrary(libraryPath_, Entries(), libraryFormat_);
    } catch (const FileCreateError& error) {
        throw KivoError(error.Message() +
                        QStringLiteral("\n\nThe tag list was not saved; the file keeps what it held before."));
    }
    BT_SaveTag->setEnabled(false);
    if (gravesLeftOut) {
        prompts_.Message(QStringLiteral("The tag list cannot hold the grave accent (`); it was left out of the "
                                        "saved list."),
                         MessageKind::Information, MessageButtons::Ok);
    }
}

void TFM_UserTag::BT_SaveWinClick()
{
    StoreWindowRectangle(*this, Profile(settingsPath_), kSection);
}

void TFM_UserTag::BT_CloseClick()
{
    CommitCellEdit();
    if (BT_SaveTag->isEnabled() &&
        prompts_.Message(QStringLiteral("Save changes before exit?"), MessageKind::Confirmation,
                         MessageButtons::YesNo) == Answer::Yes) {
        // A failed save raises its error here and keeps the window open,
        // so the edits are not lost with it.
        BT_SaveTagClick();
    }
    QDialog::reject();
}

void TFM_UserTag::reject()
{
    Run([this] { BT_CloseClick(); });
}

void TFM_UserTag::BT_UPClick(RowMove move)
{
    CommitCellEdit();
    const int row = SG1->currentRow();
    const int neighbour = move == RowMove::Up ? row - 1 : row + 1;
    // The first row cannot go up nor the last down: nothing moves then,
    // and nothing has changed that would need saving.
    if (row < 0 || neighbour < 0 || neighbour >= SG1->rowCount())
        return;
    for (int column = 0; column < SG1->columnCount(); ++column) {
        QTableWidgetItem* moving = SG1->takeItem(row, column);
        QTableWidgetItem* displaced = SG1->takeItem(neighbour, column);
        SG1->setItem(row, column, displaced);
        SG1->setItem(neighbour, column, moving);
    }
    SG1->setCurrentCell(neighbour, SG1->currentColumn());
    BT_SaveTag->setEnabled(true);
}

std::optional<UserTagPair> RunUserTagDialog(Prompts& prompts, const QString& libraryPath,
                                            const QString& settingsPath, QWidget* parent)
{
    TFM_UserTag window(prompts, libraryPath, settingsPath, parent);
    window.LoadLibrary();
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return window.ChosenTags();
}
