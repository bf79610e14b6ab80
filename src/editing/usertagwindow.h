#pragma once

#include "editing/usertaginsert.h"
#include "platform/textcodec.h"

#include <QDialog>
#include <functional>
#include <optional>

class GridCells;
class Prompts;
class QPushButton;
class QTableWidget;

// Which way "Move Row Up" and "Move Row Down" move the current row.
enum class RowMove { Up, Down };

// "User Tags": edit the library of tag pairs and choose one to insert.
// One use, then destroyed.
class TFM_UserTag : public QDialog {
    Q_OBJECT
public:
    // `libraryPath` is "usertags.lst"; `settingsPath` the settings file
    // holding the window's rectangle.
    TFM_UserTag(Prompts& prompts, QString libraryPath, QString settingsPath, QWidget* parent = nullptr);
    ~TFM_UserTag() override;

    // Fills the grid from the library file (raises FileOpenError when it
    // exists but cannot be read) and warns when part of it does not fit.
    void LoadLibrary();
    // The grid's entries, rows and columns as the user sees them.
    GridCells Entries() const;
    // The texts taken by "&Insert Tags".
    const UserTagPair& ChosenTags() const { return chosen_; }

    // --- Commands ----------------------------------------------------
    void SG1SetEditText();
    void BT_AutoInsertClick();
    // Raises FileCreateError when the file cannot be written; the flag stays.
    void BT_SaveTagClick();
    void BT_SaveWinClick();
    void BT_CloseClick();
    void BT_UPClick(RowMove move);

    // --- Controls, named as designed -----------------------------------
    QTableWidget* SG1 = nullptr;
    QPushButton* BT_Insert = nullptr;
    QPushButton* BT_SaveTag = nullptr;
    QPushButton* BT_SaveWin = nullptr;
    QPushButton* BT_Close = nullptr;
    QPushButton* BT_UP = nullptr;
    QPushButton* BT_Down = nullptr;

    // Escape and the window frame close the way "&Close" does.
    void reject() override;

private:
    void BuildGrid();
    QWidget* BuildRowButtons();
    QWidget* BuildBottomButtons();
    void FormCreate();
    void ShowEntries(const GridCells& cells);
    void CommitCellEdit();
    void Run(const std::function<void()>& command);

    Prompts& prompts_;
    QString libraryPath_;
    QString settingsPath_;
    FileFormat libraryFormat_;
    UserTagPair chosen_;
};

// Creates the window, loads the library, runs the window and destroys it.
// The chosen texts on "&Insert Tags"; nothing when the window was closed.
std::optional<UserTagPair> RunUserTagDialog(Prompts& prompts, const QString& libraryPath,
                                            const QString& settingsPath, QWidget* parent = nullptr);
