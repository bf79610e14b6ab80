#include "editing/hreflinkdialog.h"

#include "platform/focusframe.h"
#include "platform/profile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kColumnWidth = 175;
constexpr int kRowHeight = 20;
constexpr int kHeaderColumns = 3;

QTableWidgetItem* ReadOnlyCell(const QString& text)
{
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return cell;
}

QString CellText(const QTableWidget& grid, int row, int column)
{
    const QTableWidgetItem* cell = grid.item(row, column);
    return cell ? cell->text() : QString();
}

}  // namespace

TFM_HREFLINK::TFM_HREFLINK(LinkDialogMode mode, QString settingsPath, QWidget* parent)
    : QDialog(parent), mode_(mode), settingsPath_(std::move(settingsPath))
{
    setObjectName(QStringLiteral("TFM_HREFLINK"));
    setWindowTitle(QStringLiteral("Link to other documents"));

    NB_HREF = new QStackedWidget(this);
    NB_HREF->setObjectName(QStringLiteral("NB_HREF"));
    BuildRemotePage();
    BuildLocalPage();
    NB_HREF->setCurrentWidget(mode == LinkDialogMode::Remote ? Remote : Local);
    // Only the page in use counts for the dialog's size.
    (mode == LinkDialogMode::Remote ? Local : Remote)->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

    BitBtn1 = new QPushButton(QStringLiteral("Ok"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("Cancel"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BT_Desc = new QPushButton(QStringLiteral("Insert with Description"), this);
    BT_Desc->setObjectName(QStringLiteral("BT_Desc"));
    BT_Desc->setVisible(mode == LinkDialogMode::Bookmark);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(BT_Desc, &QPushButton::clicked, this, [this] { done(WithDescription); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    buttons->addWidget(BT_Desc);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NB_HREF);
    layout->addLayout(buttons);
    // A fixed dialog border: the window keeps the size of its controls.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TFM_HREFLINK::BuildRemotePage()
{
    Remote = new QWidget(NB_HREF);
    Remote->setObjectName(QStringLiteral("Remote"));
    ED_LINK = new QLineEdit(QStringLiteral("http://"), Remote);
    ED_LINK->setObjectName(QStringLiteral("ED_LINK"));
    ED_LINK->setMinimumWidth(2 * kColumnWidth);

    RG1 = new QGroupBox(QStringLiteral("Header"), Remote);
    RG1->setObjectName(QStringLiteral("RG1"));
    headers_ = new QButtonGroup(RG1);
    auto* grid = new QGridLayout(RG1);
    for (int index = 0; index < kRemoteHeaderCount; ++index) {
        auto* item = new QRadioButton(RemoteHeaderCaption(static_cast<RemoteHeader>(index)), RG1);
        headers_->addButton(item, index);
        grid->addWidget(item, index / kHeaderColumns, index % kHeaderColumns);
    }
    headers_->button(static_cast<int>(RemoteHeader::Http))->setChecked(true);
    // As the classic radio group: a header newly chosen, by a click or by the
    // program, rewrites the address; clicking the chosen one does nothing.
    connect(headers_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            RG1Click();
    });

    CHK_Default = new QCheckBox(QStringLiteral("Save as Default Header"), Remote);
    CHK_Default->setObjectName(QStringLiteral("CHK_Default"));

    auto* layout = new QVBoxLayout(Remote);
    layout->addWidget(ED_LINK);
    layout->addWidget(RG1);
    layout->addWidget(CHK_Default);
    NB_HREF->addWidget(Remote);
}

void TFM_HREFLINK::BuildLocalPage()
{
    Local = new QWidget(NB_HREF);
    Local->setObjectName(QStringLiteral("Local"));
    SG1 = new QTableWidget(0, 2, Local);
    SG1->setObjectName(QStringLiteral("SG1"));
    ShowFocusFrame(*SG1);
    SG1->setHorizontalHeaderLabels({QStringLiteral("Bookmark"), QStringLiteral("Description")});
    SG1->verticalHeader()->hide();
    SG1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    SG1->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    SG1->horizontalHeader()->setSectionsClickable(false);
    SG1->setSelectionBehavior(QAbstractItemView::SelectRows);
    SG1->setSelectionMode(QAbstractItemView::SingleSelection);
    SG1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SG1->setShowGrid(true);
    SG1->setMinimumSize(2 * kColumnWidth + 2 * SG1->frameWidth() + 20, 8 * kRowHeight);

    // In the list's place when there is nothing to list: plain text, not a
    // box over an empty row that could be chosen.
    PA_Empty = new QLabel(QStringLiteral("No BookMark Defined"), Local);
    PA_Empty->setObjectName(QStringLiteral("PA_Empty"));
    PA_Empty->setAlignment(Qt::AlignCenter);
    PA_Empty->setMinimumSize(SG1->minimumSize());
    PA_Empty->hide();

    auto* layout = new QGridLayout(Local);
    layout->addWidget(SG1, 0, 0);
    layout->addWidget(PA_Empty, 0, 0);
    NB_HREF->addWidget(Local);
}

void TFM_HREFLINK::SetBookmarks(const std::vector<Bookmark>& bookmarks)
{
    SG1->setRowCount(static_cast<int>(bookmarks.size()));
    int row = 0;
    for (const Bookmark& bookmark : bookmarks) {
        SG1->setItem(row, 0, ReadOnlyCell(bookmark.name));
        SG1->setItem(row, 1, ReadOnlyCell(bookmark.description));
        ++row;
    }
    if (!bookmarks.empty())
        SG1->setCurrentCell(0, 0);
    SG1->setVisible(!bookmarks.empty());
    PA_Empty->setVisible(bookmarks.empty());
}

Bookmark TFM_HREFLINK::ChosenBookmark() const
{
    const int row = SG1->currentRow();
    if (row < 0)
        return {};
    return {CellText(*SG1, row, 0), CellText(*SG1, row, 1)};
}

RemoteHeader TFM_HREFLINK::ChosenHeader() const
{
    return RemoteHeaderFromIndex(headers_->checkedId());
}

void TFM_HREFLINK::SelectHeader(RemoteHeader header)
{
    QAbstractButton* item = headers_->button(static_cast<int>(header));
    if (item->isChecked())
        RG1Click();
    else
        item->setChecked(true);
}

void TFM_HREFLINK::RG1Click()
{
    const HeadedLink headed = ChangeLinkHeader(ED_LINK->text(), ChosenHeader());
    ED_LINK->setText(headed.text);
    if (isVisible()) {
        ED_LINK->setFocus();
        ED_LINK->setSelection(headed.addressStart, static_cast<int>(headed.text.size()) - headed.addressStart);
    }
}

void TFM_HREFLINK::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        // After the dialog has put the focus on its first control, which
        // would select the whole address, header included.
        QTimer::singleShot(0, this, [this] { FormActivate(); });
    }
}

void TFM_HREFLINK::FormActivate()
{
    // Once per dialog: coming back to it from another window keeps the
    // header the user chose meanwhile.
    if (mode_ == LinkDialogMode::Remote)
        SelectHeader(ReadDefaultHeader(Profile(settingsPath_)));
    else
        SG1->setFocus();
}

std::optional<LinkChoice> RunLinkDialog(const LinkDialogSetup& setup, QWidget* parent)
{
    TFM_HREFLINK dialog(setup.mode, setup.settingsPath, parent);
    if (setup.mode == LinkDialogMode::Bookmark)
        dialog.SetBookmarks(setup.bookmarks);
    const int result = dialog.exec();
    if (result == TFM_HREFLINK::Cancelled)
        return std::nullopt;

    LinkChoice choice{QString(), setup.description};
    if (setup.mode == LinkDialogMode::Remote) {
        choice.link = dialog.ED_LINK->text();
        if (dialog.CHK_Default->isChecked())
            WriteDefaultHeader(Profile(setup.settingsPath), dialog.ChosenHeader());
    } else {
        const Bookmark chosen = dialog.ChosenBookmark();
        choice.link = chosen.name;
        if (result == TFM_HREFLINK::WithDescription)
            choice.description = chosen.description;
    }
    return choice;
}
