#include "wizards/imagedialog.h"

#include "common/isset.h"
#include "common/windowrectangle.h"
#include "platform/busycursor.h"
#include "platform/commandwrapper.h"
#include "platform/kivoerror.h"
#include "platform/prompts.h"
#include "viewer/htmlviewer.h"
#include "common/imagesize.h"

#include <QAbstractFileIconProvider>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHelpEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolTip>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

namespace {

struct FileType {
    const char* caption;
    const char* mask;
};

constexpr FileType kFileTypes[] = {{"All Image files", "*.jpg;*.gif;*.png"},
                                   {"GIF files", "*.gif"},
                                   {"JPEG files", "*.jpg"},
                                   {"PNG files", "*.png"},
                                   {"All files (*.*)", "*.*"}};

constexpr PictureAlign kAlignItems[] = {PictureAlign::Left,   PictureAlign::Right,  PictureAlign::Top,
                                      PictureAlign::Bottom, PictureAlign::Middle, PictureAlign::Default};

QStringList NameFilters(const QString& mask)
{
    QStringList filters = mask.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    // "*.*" means every file; here it would miss the names without a dot.
    for (QString& filter : filters) {
        if (filter == QLatin1String("*.*"))
            filter = QStringLiteral("*");
    }
    return filters;
}

// Plain file and folder icons and types from the name alone. The desktop's
// own per-type icons make the model read the start of every file on the
// window's thread to learn its type, which freezes the dialog for seconds in
// a folder of thousands of pictures.
class PlainIconProvider : public QAbstractFileIconProvider {
public:
    using QAbstractFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override { return icon(info.isDir() ? Folder : File); }
    QString type(const QFileInfo& info) const override
    {
        return info.isDir() ? QStringLiteral("Folder") : info.suffix().toUpper();
    }
};

// Stateless and shared: the models' gatherer threads may still hold it while
// a dialog's models are being destroyed.
PlainIconProvider& Icons()
{
    static PlainIconProvider provider;
    return provider;
}

// A name cut short by the width of its list shows whole in a tooltip.
class WholeNameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        if (event->type() != QEvent::ToolTip || !index.isValid())
            return QStyledItemDelegate::helpEvent(event, view, option, index);
        const QString name = index.data(Qt::DisplayRole).toString();
        QStyleOptionViewItem shown = option;
        initStyleOption(&shown, index);
        const int room = view->viewport()->width() - option.rect.left();
        if (sizeHint(shown, index).width() > std::min(option.rect.width(), room)) {
            QToolTip::showText(event->globalPos(), name, view->viewport(), option.rect);
            return true;
        }
        QToolTip::hideText();
        event->ignore();
        return false;
    }
};

QSpinBox* SizeField(QWidget* parent)
{
    auto* field = new QSpinBox(parent);
    field->setRange(0, INT_MAX);
    field->setValue(0);
    return field;
}

}  // namespace

TFM_SelImage::TFM_SelImage(Prompts& prompts, ImageDialogMode mode, QWidget* parent)
    : QDialog(parent), prompts_(prompts), mode_(mode)
{
    setObjectName(QStringLiteral("FM_SelImage"));
    setWindowTitle(QStringLiteral("Select Image"));

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(BuildBrowser());
    HTMLViewer1 = new THTMLViewer(splitter);
    HTMLViewer1->setObjectName(QStringLiteral("HTMLViewer1"));
    HTMLViewer1->SetViewImages(true);
    HTMLViewer1->SetImageCacheCount(0);
    HTMLViewer1->SetDefFontName(QStringLiteral("Times New Roman"));
    HTMLViewer1->SetDefPreFontName(QStringLiteral("Courier New"));
    HTMLViewer1->SetHistoryMaxCount(0);
    HTMLViewer1->setMinimumSize(280, 220);
    splitter->addWidget(HTMLViewer1);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({470, 400});
    connect(HTMLViewer1, &THTMLViewer::OnProcessing, this, &TFM_SelImage::HTMLViewer1Processing);

    PA_Options = BuildOptions();

    SpeedButton1 = new QPushButton(QStringLiteral("&Refresh Image"), this);
    SpeedButton1->setAutoDefault(false);
    BT_Ok = new QPushButton(QStringLiteral("&Done"), this);
    BT_Ok->setDefault(true);
    BT_Select = new QPushButton(QStringLiteral("&Cancel"), this);
    BT_Select->setAutoDefault(false);
    connect(SpeedButton1, &QPushButton::clicked, this, [this] { Guard([this] { SpeedButton1Click(); }); });
    connect(BT_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(BT_Select, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SpeedButton1);
    buttons->addStretch(1);
    buttons->addWidget(BT_Ok);
    buttons->addWidget(BT_Select);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(PA_Options);
    layout->addLayout(buttons);

    if (mode_ == ImageDialogMode::Background)
        PA_Options->hide();
    resize(900, 560);
}

TFM_SelImage::~TFM_SelImage() = default;

QWidget* TFM_SelImage::BuildBrowser()
{
    auto* browser = new QWidget(this);

    DriveComboBox1 = new QComboBox(browser);
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    const QFileInfoList drives = QDir::drives();
    for (const QFileInfo& drive : drives)
        DriveComboBox1->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()), drive.absoluteFilePath());
    // One root, as on Linux, is no choice to offer.
    DriveComboBox1->setVisible(drives.size() > 1);
    connect(DriveComboBox1, &QComboBox::activated, this, [this](int index) { Guard([=, this] { DriveChanged(index); }); });

    folders_ = new QFileSystemModel(this);
    folders_->setIconProvider(&Icons());
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    folders_->setRootPath(QDir::rootPath());
    DirectoryListBox1 = new QTreeView(browser);
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
    DirectoryListBox1->setHeaderHidden(true);
    DirectoryListBox1->setUniformRowHeights(true);
    DirectoryListBox1->setItemDelegate(new WholeNameDelegate(DirectoryListBox1));
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { Guard([=, this] { FolderChosen(current); }); });
    // The tree fills and sorts itself in the background; the chosen folder
    // is kept in view until the user takes the tree in hand.
    connect(folders_, &QFileSystemModel::directoryLoaded, this, &TFM_SelImage::KeepFolderInView);
    connect(folders_, &QAbstractItemModel::layoutChanged, this, &TFM_SelImage::KeepFolderInView);
    connect(folders_, &QAbstractItemModel::rowsInserted, this, &TFM_SelImage::KeepFolderInView);
    DirectoryListBox1->viewport()->installEventFilter(this);
    DirectoryListBox1->installEventFilter(this);

    files_ = new QFileSystemModel(this);
    files_->setIconProvider(&Icons());
    files_->setFilter(QDir::Files | QDir::NoDotAndDotDot);
    files_->setNameFilterDisables(false);
    FileListBox1 = new QListView(browser);
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setModel(files_);
    FileListBox1->setItemDelegate(new WholeNameDelegate(FileListBox1));
    // A folder of thousands of pictures lays out without measuring each name.
    FileListBox1->setUniformItemSizes(true);
    FileListBox1->setLayoutMode(QListView::Batched);
    // A file is chosen when it is selected, by a click or the arrow keys; the
    // list making its first row current when it takes the focus chooses none.
    connect(FileListBox1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList chosen = FileListBox1->selectionModel()->selectedIndexes();
        fileName_ = chosen.isEmpty() ? QString() : files_->filePath(chosen.first());
        if (!chosen.isEmpty())
            Guard([this] { FileListBox1Click(); });
    });

    FilterComboBox1 = new QComboBox(browser);
    FilterComboBox1->setObjectName(QStringLiteral("FilterComboBox1"));
    for (const FileType& type : kFileTypes)
        FilterComboBox1->addItem(QLatin1String(type.caption), QLatin1String(type.mask));
    connect(FilterComboBox1, &QComboBox::currentIndexChanged, this,
            [this](int index) { Guard([=, this] { FilterChanged(index); }); });
    FilterChanged(0);

    auto* folderLabel = new QLabel(QStringLiteral("F&olders"), browser);
    folderLabel->setBuddy(DirectoryListBox1);
    auto* fileLabel = new QLabel(QStringLiteral("&Files"), browser);
    fileLabel->setBuddy(FileListBox1);

    auto* layout = new QGridLayout(browser);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fileLabel, 0, 0);
    layout->addWidget(folderLabel, 0, 1);
    layout->addWidget(FileListBox1, 1, 0, 2, 1);
    layout->addWidget(DriveComboBox1, 1, 1);
    layout->addWidget(DirectoryListBox1, 2, 1);
    layout->addWidget(FilterComboBox1, 3, 0);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    return browser;
}

QWidget* TFM_SelImage::BuildOptions()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PA_Options"));

    LB_Filename = new QLabel(QStringLiteral("No File"), panel);
    LB_Filename->setObjectName(QStringLiteral("LB_Filename"));
    LB_Filename->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ED_Width = SizeField(panel);
    ED_Width->setObjectName(QStringLiteral("ED_Width"));
    ED_Height = SizeField(panel);
    ED_Height->setObjectName(QStringLiteral("ED_Height"));
    ED_ALT = new QLineEdit(panel);
    ED_ALT->setObjectName(QStringLiteral("ED_ALT"));
    CHK_ISMAP = new QCheckBox(QStringLiteral("IS&MAP"), panel);
    CHK_ExcludePath = new QCheckBox(QStringLiteral("&Return File Name Only (do not show Path)"), panel);

    RG_Align = new QGroupBox(QStringLiteral("&Image Align"), panel);
    alignItems_ = new QButtonGroup(RG_Align);
    auto* alignLayout = new QHBoxLayout(RG_Align);
    for (PictureAlign align : kAlignItems) {
        auto* item = new QRadioButton(PictureAlignCaption(align), RG_Align);
        alignItems_->addButton(item, int(align));
        alignLayout->addWidget(item);
    }
    alignItems_->button(int(PictureAlign::Default))->setChecked(true);
    connect(alignItems_, &QButtonGroup::idClicked, this, [this] { Guard([this] { RefreshView(); }); });

    auto* widthLabel = new QLabel(QStringLiteral("Width"), panel);
    widthLabel->setBuddy(ED_Width);
    auto* heightLabel = new QLabel(QStringLiteral("Height"), panel);
    heightLabel->setBuddy(ED_Height);
    auto* altLabel = new QLabel(QStringLiteral("ALT"), panel);
    altLabel->setBuddy(ED_ALT);

    auto* fields = new QHBoxLayout;
    fields->addWidget(widthLabel);
    fields->addWidget(ED_Width);
    fields->addSpacing(8);
    fields->addWidget(heightLabel);
    fields->addWidget(ED_Height);
    fields->addSpacing(8);
    fields->addWidget(altLabel);
    fields->addWidget(ED_ALT, 1);
    fields->addWidget(CHK_ISMAP);

    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(LB_Filename);
    layout->addLayout(fields);
    layout->addWidget(RG_Align);
    layout->addWidget(CHK_ExcludePath);
    return panel;
}

void TFM_SelImage::Guard(const std::function<void()>& handler)
{
    RunCommand(prompts_, handler);
}

QString TFM_SelImage::Folder() const
{
    return folder_;
}

void TFM_SelImage::SetFolder(const QString& folder)
{
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    if (path == folder_)
        return;
    folder_ = path;
    FileListBox1->selectionModel()->clear();
    fileName_.clear();
    FileListBox1->setRootIndex(files_->setRootPath(folder_));
    ShowFolderInTree(folder_);
}

void TFM_SelImage::ShowFolderInTree(const QString& folder)
{
    const QModelIndex index = folders_->index(folder);
    if (!index.isValid() || DirectoryListBox1->currentIndex() == index)
        return;
    treeFollowsFolder_ = true;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        DirectoryListBox1->expand(parent);
    // Opened, as a folder list shows the folder it is in: its sub-folders below it.
    DirectoryListBox1->expand(index);
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TFM_SelImage::KeepFolderInView()
{
    if (treeFollowsFolder_)
        DirectoryListBox1->scrollTo(DirectoryListBox1->currentIndex(), QAbstractItemView::PositionAtCenter);
}

bool TFM_SelImage::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        treeFollowsFolder_ = false;
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TFM_SelImage::FolderChosen(const QModelIndex& index)
{
    if (index.isValid())
        SetFolder(folders_->filePath(index));
}

void TFM_SelImage::DriveChanged(int index)
{
    SetFolder(DriveComboBox1->itemData(index).toString());
}

void TFM_SelImage::FilterChanged(int index)
{
    files_->setNameFilters(NameFilters(FilterComboBox1->itemData(index).toString()));
}

QString TFM_SelImage::Mask() const
{
    return FilterComboBox1->currentData().toString();
}

bool TFM_SelImage::ChooseFile(const QString& name)
{
    const QModelIndex index = files_->index(QDir(folder_).absoluteFilePath(name));
    if (!index.isValid() || index.parent() != FileListBox1->rootIndex())
        return false;
    if (FileListBox1->selectionModel()->isSelected(index))
        Guard([this] { FileListBox1Click(); });
    else
        FileListBox1->setCurrentIndex(index);
    return true;
}

void TFM_SelImage::FileListBox1Click()
{
    QString failure;
    {
        BusyCursor busy;
        LB_Filename->setText(fileName_);
        std::optional<ImageSize> size;
        try {
            size = ReadImageSize(fileName_);
        } catch (const KivoError& error) {
            failure = error.Message();
        }
        if (size) {
            ED_Height->setValue(size->height);
            ED_Width->setValue(size->width);
        }
        // The preview follows the chosen file also when its size could not
        // be read; the viewer shows what it can of it.
        RefreshView();
    }
    if (!failure.isEmpty())
        prompts_.ShowError(failure);
}

ImageTagOptions TFM_SelImage::Options() const
{
    ImageTagOptions options;
    options.align = PictureAlign(alignItems_->checkedId());
    options.isMap = CHK_ISMAP->isChecked();
    options.width = ED_Width->value();
    options.height = ED_Height->value();
    options.alt = ED_ALT->text();
    return options;
}

void TFM_SelImage::RefreshView()
{
    HTMLViewer1->LoadLines({MakeImageTag(fileName_, Options(), mode_), QStringLiteral("Kivo HTML Editor")});
}

void TFM_SelImage::HTMLViewer1Processing(bool processingOn)
{
    // Disabling the focused list would move the focus away from it, and the
    // arrow keys would stop walking the files.
    if (processingOn) {
        listHadFocus_ = FileListBox1->hasFocus();
        FileListBox1->setEnabled(false);
    } else {
        FileListBox1->setEnabled(true);
        if (listHadFocus_)
            FileListBox1->setFocus();
    }
}

QString TFM_SelImage::Result(const QString& documentFileName) const
{
    const bool fileNameOnly = mode_ == ImageDialogMode::Picture && CHK_ExcludePath->isChecked();
    return ImageDialogResult(fileName_, fileNameOnly, documentFileName, Options(), mode_);
}

void TFM_SelImage::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    CentreOnPrimaryScreen(*this);
    // The tree has its size only now; the current folder goes in its middle.
    QTimer::singleShot(0, this, [this] {
        DirectoryListBox1->scrollTo(DirectoryListBox1->currentIndex(), QAbstractItemView::PositionAtCenter);
        FileListBox1->setFocus();
    });
}

std::optional<QString> RunImageDialog(Prompts& prompts, const QString& documentFileName, ImageDialogMode mode,
                                      QWidget* parent)
{
    TFM_SelImage dialog(prompts, mode, parent);
    // The pictures of a page are mostly beside it; a new page has only the current folder.
    dialog.SetFolder(IsSet(documentFileName) ? QFileInfo(documentFileName).absolutePath() : QDir::currentPath());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Result(documentFileName);
}
