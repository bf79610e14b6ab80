#include "wizards/bodywizard.h"

#include "common/relativeurl.h"
#include "common/windowrectangle.h"
#include "platform/commandwrapper.h"
#include "platform/kivoerror.h"
#include "platform/prompts.h"
#include "viewer/expandlinkname.h"
#include "viewer/htmlviewer.h"
#include "wizards/colorgrid.h"
#include "wizards/imagedialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kBackgroundName = QStringLiteral("BACKGROUND");

// What the colour dialog starts with when the tag has no usable colour yet.
QColor DefaultColor(BodyColorAttr attr)
{
    switch (attr) {
    case BodyColorAttr::Text:
        return Qt::black;
    case BodyColorAttr::Background:
        return Qt::white;
    case BodyColorAttr::Link:
        return Qt::blue;
    }
    return Qt::white;
}

}  // namespace

TFM_BodyCode::TFM_BodyCode(Prompts& prompts, QWidget* parent) : QDialog(parent), prompts_(prompts)
{
    setObjectName(QStringLiteral("FM_BodyCode"));
    setWindowTitle(QStringLiteral("Body Code Generator"));

    BodyViewer = new THTMLViewer(this);
    BodyViewer->setObjectName(QStringLiteral("BodyViewer"));
    BodyViewer->SetViewImages(true);
    BodyViewer->SetDefFontName(QStringLiteral("Times New Roman"));
    BodyViewer->SetDefPreFontName(QStringLiteral("Courier New"));
    BodyViewer->SetHistoryMaxCount(0);
    BodyViewer->setMinimumSize(420, 200);

    auto* codeLabel = new QLabel(QStringLiteral("Code"), this);
    HTML_Code = new QLineEdit(this);
    HTML_Code->setObjectName(QStringLiteral("HTML_Code"));
    codeLabel->setBuddy(HTML_Code);
    // The sample follows the tag also while it is typed.
    connect(HTML_Code, &QLineEdit::textEdited, this, [this] { LoadSample(); });

    BitBtn1 = new QPushButton(QStringLiteral("&OK"), this);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("&Cancel"), this);
    BitBtn2->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto* code = new QHBoxLayout;
    code->addWidget(codeLabel);
    code->addWidget(HTML_Code, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BodyViewer, 1);
    layout->addWidget(BuildColors());
    layout->addWidget(BuildBackground());
    layout->addLayout(code);
    layout->addLayout(buttons);

    FormCreate();
}

TFM_BodyCode::~TFM_BodyCode() = default;

QWidget* TFM_BodyCode::BuildColors()
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(18);

    struct Column {
        BodyColorAttr attr;
        const char* label;
        const char* gridName;
        TColorGrid*& colorGrid;
        QPushButton*& paletteButton;
    };
    Column columns[] = {
        {BodyColorAttr::Text, "Text", "FntColorGrid", FntColorGrid, SpeedButton2},
        {BodyColorAttr::Background, "Background ", "BGColorGrid", BGColorGrid, SpeedButton3},
        {BodyColorAttr::Link, "Link", "LinkColorGrid", LinkColorGrid, SpeedButton4},
    };
    for (int index = 0; Column& column : columns) {
        const BodyColorAttr attr = column.attr;
        auto* label = new QLabel(QLatin1String(column.label), panel);
        column.colorGrid = new TColorGrid(panel);
        column.colorGrid->setObjectName(QLatin1String(column.gridName));
        column.colorGrid->setToolTip(QStringLiteral("Use left mouse button to pick color"));
        label->setBuddy(column.colorGrid);
        connect(column.colorGrid, &TColorGrid::ColorPicked, this,
                [this, attr](const QColor& colour) { Guard([=, this] { FntColorGridChange(attr, colour); }); });

        column.paletteButton = new QPushButton(QStringLiteral("Color Palette"), panel);
        column.paletteButton->setToolTip(QStringLiteral("Select a color from Windows Color Palette"));
        column.paletteButton->setAutoDefault(false);
        connect(column.paletteButton, &QPushButton::clicked, this,
                [this, attr] { Guard([=, this] { SpeedButton2Click(attr); }); });

        grid->addWidget(label, 0, index);
        grid->addWidget(column.colorGrid, 1, index);
        grid->addWidget(column.paletteButton, 2, index, Qt::AlignLeft);
        ++index;
    }
    grid->setColumnStretch(3, 1);
    return panel;
}

QWidget* TFM_BodyCode::BuildBackground()
{
    auto* panel = new QWidget(this);
    auto* label = new QLabel(QStringLiteral("Image Background"), panel);
    ED_FileName = new QLineEdit(panel);
    ED_FileName->setObjectName(QStringLiteral("ED_FileName"));
    // Only the picture button and the check box change the picture.
    ED_FileName->setReadOnly(true);
    label->setBuddy(ED_FileName);

    SpeedButton1 = new QToolButton(panel);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    SpeedButton1->setToolTip(QStringLiteral("Choose the background picture"));
    SpeedButton1->setAccessibleName(QStringLiteral("Choose the background picture"));
    connect(SpeedButton1, &QToolButton::clicked, this, [this] { Guard([this] { SpeedButton1Click(); }); });

    CHK_ExcludePath = new QCheckBox(QStringLiteral("&Return File Name Only (do not show Path)"), panel);
    connect(CHK_ExcludePath, &QCheckBox::clicked, this, [this] { Guard([this] { CHK_ExcludePathClick(); }); });

    LB_BGFN = new QLabel(panel);
    LB_BGFN->setObjectName(QStringLiteral("LB_BGFN"));
    LB_BGFN->hide();

    auto* layout = new QGridLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label, 0, 0);
    layout->addWidget(ED_FileName, 0, 1);
    layout->addWidget(SpeedButton1, 0, 2);
    layout->addWidget(CHK_ExcludePath, 1, 1, 1, 2);
    layout->setColumnStretch(1, 1);
    return panel;
}

void TFM_BodyCode::Guard(const std::function<void()>& handler)
{
    RunCommand(prompts_, handler);
}

void TFM_BodyCode::FormCreate()
{
    BodyViewer->LoadLines({BodySamplePage()});
}

QString TFM_BodyCode::Code() const
{
    return HTML_Code->text();
}

QString TFM_BodyCode::BackgroundFullPath() const
{
    return LB_BGFN->text();
}

QString TFM_BodyCode::FullPicturePath(const QString& address) const
{
    // Relative to the document's folder; a document without a name has
    // none, and its pictures are found from the current folder.
    const QString path = ExpandLinkName(address, QString(), documentName_, ViewerPathStyle::Native);
    return QFileInfo(path).isRelative() ? QDir::current().absoluteFilePath(path) : path;
}

void TFM_BodyCode::Open(const QString& tag, const QString& documentName)
{
    documentName_ = documentName;
    documentFolder_ = documentName.isEmpty() ? QString() : QFileInfo(documentName).absolutePath();
    HTML_Code->setText(tag);
    const QString background = GetAttrValue(kBackgroundName, tag);
    const QString fullPath = background.isEmpty() ? QString() : FullPicturePath(background);
    ED_FileName->setText(fullPath);
    LB_BGFN->setText(fullPath);
    ShowPreview(tag);
}

void TFM_BodyCode::ShowPreview(const QString& tag)
{
    if (HTML_Code->text() != tag)
        HTML_Code->setText(tag);
    // Relative picture addresses in the tag are found from the document's folder.
    if (!documentFolder_.isEmpty() && !QDir::setCurrent(documentFolder_))
        throw KivoError(QStringLiteral("Cannot change to folder %1").arg(documentFolder_));
    BodyViewer->LoadLines({tag + BodySamplePage()});
}

void TFM_BodyCode::LoadSample()
{
    try {
        BodyViewer->LoadLines({HTML_Code->text() + BodySamplePage()});
    } catch (const KivoError&) {
        // Half-typed markup is no error worth a box at every key; the
        // sample shows what could be read of it.
    }
}

void TFM_BodyCode::FntColorGridChange(BodyColorAttr attr, const QColor& colour)
{
    ShowPreview(SetAttr(Code(), BodyColorAttrName(attr), BodyColorAttrText(attr, colour)));
}

void TFM_BodyCode::SpeedButton2Click(BodyColorAttr attr)
{
    // The dialog starts on the colour the tag has, as far as it names one.
    QColor initial = QColor::fromString(GetAttrValue(BodyColorAttrName(attr), Code()));
    if (!initial.isValid())
        initial = DefaultColor(attr);
    if (const std::optional<QColor> colour = prompts_.ChooseColor(initial))
        FntColorGridChange(attr, *colour);
}

void TFM_BodyCode::SetBackground(const QString& fullPath)
{
    LB_BGFN->setText(fullPath);
    ED_FileName->setText(CHK_ExcludePath->isChecked() ? QFileInfo(fullPath).fileName() : fullPath);
    const QString address = MakeRelativeUrl(ED_FileName->text(), documentName_);
    ShowPreview(SetAttr(Code(), kBackgroundName, BackgroundAttrText(address)));
}

void TFM_BodyCode::SpeedButton1Click()
{
    const std::optional<QString> path =
        RunImageDialog(prompts_, documentName_, ImageDialogMode::Background, this);
    // "&Done" without a chosen file leaves the tag as it was.
    if (path && !path->isEmpty())
        SetBackground(*path);
}

void TFM_BodyCode::CHK_ExcludePathClick()
{
    // Without a picture there is no address to shorten or restore.
    if (!BackgroundFullPath().isEmpty())
        SetBackground(BackgroundFullPath());
}

void TFM_BodyCode::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    CentreOnPrimaryScreen(*this);
}

std::optional<QString> RunBodyWizard(Prompts& prompts, const QString& tag, const QString& documentName,
                                     QWidget* parent)
{
    TFM_BodyCode wizard(prompts, parent);
    wizard.Open(tag, documentName);
    if (wizard.exec() != QDialog::Accepted)
        return std::nullopt;
    return wizard.Code();
}
