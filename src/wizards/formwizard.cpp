#include "wizards/formwizard.h"

#include "common/isset.h"
#include "editing/hreflinkdialog.h"
#include "platform/commandwrapper.h"
#include "platform/editcontrol.h"
#include "viewer/htmlviewer.h"
#include "wizards/formelementdialog.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QSize kDesignSize(520, 380);

}  // namespace

QString FormOpeningTag(const QString& method, const QString& action)
{
    QString attributes;
    if (IsSet(method))
        attributes += QStringLiteral(" METHOD=\"%1\"").arg(method);
    if (IsSet(action))
        attributes += QStringLiteral(" ACTION=\"%1\"").arg(action);
    return QStringLiteral("<FORM ") + attributes + QStringLiteral(">");
}

TFM_SetForm::TFM_SetForm(const FormWizardSetup& setup, QWidget* parent)
    : QDialog(parent), prompts_(setup.prompts), settingsPath_(setup.settingsPath)
{
    setObjectName(QStringLiteral("FM_SetForm"));
    setWindowTitle(QStringLiteral("Form Editor"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    ED_Get = new QComboBox(this);
    ED_Get->setObjectName(QStringLiteral("ED_Get"));
    ED_Get->addItems({QStringLiteral("Get"), QStringLiteral("Post")});
    ED_Get->setCurrentIndex(-1);
    auto* methodLabel = new QLabel(QStringLiteral("Method"), this);
    methodLabel->setBuddy(ED_Get);

    ED_Action = new QLineEdit(this);
    ED_Action->setObjectName(QStringLiteral("ED_Action"));
    auto* actionLabel = new QLabel(QStringLiteral("Action"), this);
    actionLabel->setBuddy(ED_Action);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setText(QStringLiteral("..."));

    NB_FORM = new QStackedWidget(this);
    NB_FORM->setObjectName(QStringLiteral("NB_FORM"));
    Memo_FormCode = new EditControl;
    Memo_FormCode->setObjectName(QStringLiteral("Memo_FormCode"));
    // Tab is typed into the text, as indentation, not used to leave it.
    Memo_FormCode->setTabChangesFocus(false);
    Memo_FormCode->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo_FormCode->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Memo_FormCode->setTabStopDistance(8 * Memo_FormCode->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    Memo_FormCode->SetText(QStringLiteral("<FORM>\r\n\r\n</FORM>"));
    NB_FORM->addWidget(Memo_FormCode);
    PreviewForm = new THTMLViewer;
    PreviewForm->setObjectName(QStringLiteral("PreviewForm"));
    PreviewForm->SetViewImages(false);
    PreviewForm->SetDefFontName(QStringLiteral("Times New Roman"));
    PreviewForm->SetDefPreFontName(QStringLiteral("Courier New"));
    PreviewForm->SetHistoryMaxCount(0);
    NB_FORM->addWidget(PreviewForm);
    NB_FORM->setCurrentIndex(0);

    BT_Element = new QPushButton(QStringLiteral("&Add New Element"), this);
    BT_Element->setObjectName(QStringLiteral("BT_Element"));
    BT_PREVIEW = new QPushButton(QStringLiteral("&Preview"), this);
    BT_PREVIEW->setObjectName(QStringLiteral("BT_PREVIEW"));
    BT_OK = new QPushButton(QStringLiteral("&Insert FORM to Document"), this);
    BT_OK->setObjectName(QStringLiteral("BT_OK"));
    BT_Cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    BT_Cancel->setObjectName(QStringLiteral("BT_Cancel"));
    // Return belongs to the form text; no button takes it.
    for (QPushButton* button : {BT_Element, BT_PREVIEW, BT_OK, BT_Cancel})
        button->setAutoDefault(false);

    auto* fields = new QGridLayout;
    fields->addWidget(methodLabel, 0, 0);
    fields->addWidget(ED_Get, 0, 1);
    fields->addWidget(actionLabel, 1, 0);
    fields->addWidget(ED_Action, 1, 1);
    fields->addWidget(SpeedButton1, 1, 2);
    fields->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BT_Element);
    buttons->addWidget(BT_PREVIEW);
    buttons->addStretch(1);
    buttons->addWidget(BT_OK);
    buttons->addWidget(BT_Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(NB_FORM, 1);
    layout->addLayout(buttons);
    resize(kDesignSize);

    // Each handler runs guarded: nothing thrown may cross the event loop.
    const auto wire = [this](auto* sender, auto signal, void (TFM_SetForm::*handler)()) {
        connect(sender, signal, this, Guarded(prompts_, [this, handler] { (this->*handler)(); }));
    };
    wire(ED_Get, &QComboBox::currentTextChanged, &TFM_SetForm::ED_GetChange);
    wire(ED_Action, &QLineEdit::textChanged, &TFM_SetForm::ED_GetChange);
    wire(SpeedButton1, &QToolButton::clicked, &TFM_SetForm::SpeedButton1Click);
    wire(BT_Element, &QPushButton::clicked, &TFM_SetForm::BT_ElementClick);
    wire(BT_PREVIEW, &QPushButton::clicked, &TFM_SetForm::BT_PREVIEWClick);
    connect(BT_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BT_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QStringList TFM_SetForm::FormLines() const
{
    QStringList lines;
    for (int line = 0; line < Memo_FormCode->LineCount(); ++line)
        lines << Memo_FormCode->Line(line);
    return lines;
}

void TFM_SetForm::ED_GetChange()
{
    // Rewritten beside the user's caret, which stays where it was.
    QTextCursor firstLine(Memo_FormCode->document()->firstBlock());
    firstLine.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextDocument* text = Memo_FormCode->document();
    text->setUndoRedoEnabled(false);
    firstLine.insertText(FormOpeningTag(ED_Get->currentText(), ED_Action->text()));
    text->setUndoRedoEnabled(true);
}

void TFM_SetForm::SpeedButton1Click()
{
    LinkDialogSetup setup;
    setup.mode = LinkDialogMode::Remote;
    setup.settingsPath = settingsPath_;
    if (const std::optional<LinkChoice> choice = RunLinkDialog(setup, this))
        ED_Action->setText(choice->link);
}

void TFM_SetForm::BT_ElementClick()
{
    QStringList entries;
    if (!RunElementWizard(entries, this))
        return;
    for (const QString& entry : entries)
        Memo_FormCode->ReplaceSelection(entry);
    Memo_FormCode->setFocus();
}

void TFM_SetForm::BT_PREVIEWClick()
{
    previewTag_ = previewTag_ == 0 ? 1 : 0;
    NB_FORM->setCurrentIndex(previewTag_);
    BT_PREVIEW->setText(previewTag_ == 1 ? QStringLiteral("Edit") : QStringLiteral("Preview"));
    BT_Element->setEnabled(previewTag_ == 0);
    // Loaded both ways, so a failing page is reported the moment it is shown.
    PreviewForm->LoadLines(FormLines());
}

void TFM_SetForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
}

void TFM_SetForm::FormActivate()
{
    // Only the first time: later activations (after the element or link
    // dialog closes) keep the caret where the user's work left it, so
    // elements added one after the other stay in that order.
    Memo_FormCode->SetSelection(Memo_FormCode->LineIndex(1));
    NB_FORM->setCurrentIndex(0);
    Memo_FormCode->setFocus();
}

bool RunFormWizard(QStringList& lines, const FormWizardSetup& setup, QWidget* parent)
{
    TFM_SetForm dialog(setup, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    lines = dialog.FormLines();
    return true;
}
