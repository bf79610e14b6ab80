#pragma once

#include "wizards/formelementtext.h"

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// "New Form Element": builds the HTML of one form control. One use, then
// destroyed.
class TFM_Element : public QDialog {
    Q_OBJECT
public:
    explicit TFM_Element(QWidget* parent = nullptr);

    FormElementType ElementType() const;
    void SetElementType(FormElementType type);
    // What the controls hold now, for the element text.
    FormElementRequest Request() const;

    // Refills the name column for the chosen type; values stay in their rows.
    void CB_ElmTypeChange();

    // --- Controls, named as designed ---------------------------------
    QComboBox* CB_ElmType = nullptr;
    QTableWidget* SG1 = nullptr;
    QLabel* LB_Options = nullptr;
    QPlainTextEdit* MOPT_List = nullptr;
    QCheckBox* CHK1 = nullptr;
    QCheckBox* CHK_NewLine = nullptr;
    QPushButton* BT_Add = nullptr;
    QPushButton* BT_Cancel = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    QString Value(int row) const;

    // Values of rows the current type does not show, kept for a type that does.
    QStringList keptValues_;
    bool shown_ = false;
};

// Runs the dialog; on "&Add" appends the element's entries to `lines` and
// returns true.
bool RunElementWizard(QStringList& lines, QWidget* parent = nullptr);
