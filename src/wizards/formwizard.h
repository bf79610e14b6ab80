#pragma once

#include <QDialog>
#include <QStringList>

class EditControl;
class Prompts;
class QComboBox;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;
class THTMLViewer;

// The FORM's opening tag from the method and action fields: "<FORM " then
// METHOD="..." and ACTION="..." each after a blank, for a field that is set.
QString FormOpeningTag(const QString& method, const QString& action);

// What the form wizard needs from its caller.
struct FormWizardSetup {
    // Failures inside the window (a preview that cannot be read, a default
    // header that cannot be stored) end in the general error box here.
    Prompts& prompts;
    // The settings file the link dialog keeps its default header in.
    QString settingsPath;
};

// "Form Editor": composes a FORM, its opening tag owned by the method and
// action fields. One use, then destroyed.
class TFM_SetForm : public QDialog {
    Q_OBJECT
public:
    TFM_SetForm(const FormWizardSetup& setup, QWidget* parent = nullptr);

    // All lines of the form text.
    QStringList FormLines() const;

    void ED_GetChange();
    void SpeedButton1Click();
    void BT_ElementClick();
    void BT_PREVIEWClick();
    // The page shown: 0 the code, 1 the preview.
    int PreviewTag() const { return previewTag_; }

    // --- Controls, named as designed ---------------------------------
    QComboBox* ED_Get = nullptr;
    QLineEdit* ED_Action = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QStackedWidget* NB_FORM = nullptr;
    EditControl* Memo_FormCode = nullptr;
    THTMLViewer* PreviewForm = nullptr;
    QPushButton* BT_Element = nullptr;
    QPushButton* BT_PREVIEW = nullptr;
    QPushButton* BT_OK = nullptr;
    QPushButton* BT_Cancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormActivate();

    Prompts& prompts_;
    QString settingsPath_;
    int previewTag_ = 0;
    bool activated_ = false;
};

// Runs the form wizard; on OK replaces `lines` with the form's lines and
// returns true.
bool RunFormWizard(QStringList& lines, const FormWizardSetup& setup, QWidget* parent = nullptr);
