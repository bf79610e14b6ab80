#pragma once

#include "wizards/tabledescription.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class Prompts;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;
class THTMLViewer;

// "Table Editor": fill a grid of cells, set the table's attributes and
// caption, preview the table and insert it. One use, then destroyed.
class TFM_SetTable : public QDialog {
    Q_OBJECT
public:
    // `settingsPath` is the settings file holding the window's rectangle.
    TFM_SetTable(Prompts& prompts, QString settingsPath, QWidget* parent = nullptr);
    ~TFM_SetTable() override;

    // What the controls say, the grid in the order the user sees it.
    TableDescription Description() const;
    // Sets every control from `table`; the size fields follow the grid.
    void ShowDescription(const TableDescription& table);
    // Reads an existing table into the controls; warns when it is larger
    // than the grid holds.
    void ReadTableLines(const QStringList& lines);
    void MakeTableLines(QStringList& lines) const;

    // --- Field rules -----------------------------------------------------
    void SCOLChange();
    void SROWChange();
    void SPINChange(QSpinBox& field);
    void SHROWEnter();
    void SHCOLEnter();

    // --- Commands --------------------------------------------------------
    void BT_PreviewClick();
    void BT_EditClick();
    void BT_SaveWinClick();
    void BT_ImportClick();
    void BT_ExportClick();

    // --- Controls, named as designed -------------------------------------
    QLineEdit* ED_CAPTION = nullptr;
    QRadioButton* RB_ATOP = nullptr;
    QRadioButton* RB_ABOT = nullptr;
    QRadioButton* RB_ADefault = nullptr;
    QSpinBox* SCOL = nullptr;
    QSpinBox* SROW = nullptr;
    QSpinBox* SHCOL = nullptr;
    QSpinBox* SHROW = nullptr;
    QSpinBox* SCP = nullptr;
    QSpinBox* SCS = nullptr;
    QSpinBox* SWidth = nullptr;
    QSpinBox* SHeight = nullptr;
    QSpinBox* SBS = nullptr;
    QStackedWidget* NB_Grid = nullptr;
    QWidget* EditPage = nullptr;
    QWidget* PreviewPage = nullptr;
    QTableWidget* SG1 = nullptr;
    THTMLViewer* PreViewGrid = nullptr;
    QPushButton* BT_Edit = nullptr;
    QPushButton* BT_Preview = nullptr;
    QPushButton* BT_Import = nullptr;
    QPushButton* BT_Export = nullptr;
    QPushButton* BT_SaveWin = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

    // Takes the text of a cell still being edited; then closes with OK.
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildFields();
    void BuildNotebook();
    QLayout* BuildButtons();
    void FormCreate();
    GridCells GridContents() const;
    void SetGridContents(const GridCells& cells);
    void KeepMovedSection(Qt::Orientation orientation);
    void CommitCellEdit();
    // Runs a button's command; a failure ends in the error box, not here.
    void Run(const std::function<void()>& command);

    Prompts& prompts_;
    QString settingsPath_;
    bool normalisingSections_ = false;
};

// Creates the wizard with a grid of `columns` x `rows` data cells, loads the
// table `lines` begin with, if they begin with one, and shows the window
// modally. On OK `lines` is replaced by the generated table and the result
// is true; on Cancel `lines` is left alone.
bool RunTableWizard(int columns, int rows, QStringList& lines, Prompts& prompts, const QString& settingsPath,
                    QWidget* parent = nullptr);
