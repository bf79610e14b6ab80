#pragma once

#include "platform/prompts.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

enum class FindDialogMode { Find, Replace };

// The one find and replace window, created at start-up and kept for the
// whole run: its texts, check boxes and search history stay between uses.
class TFM_Replace : public QDialog {
    Q_OBJECT
public:
    explicit TFM_Replace(QWidget* parent = nullptr);

    // Shows the window modally in the given mode: Answer::Ok for "Ok",
    // Answer::Yes for "Replace &All", Answer::Cancel otherwise.
    Answer ShowFindDialog(FindDialogMode mode);

    // Keeps the search history: the current text goes to the top (moved
    // there when already listed), without duplicates.
    void CB_FindExit();

    QLabel* Label1 = nullptr;
    QComboBox* CB_Find = nullptr;
    QLabel* LB_Replace = nullptr;
    QComboBox* CB_Replace = nullptr;
    QCheckBox* CHK_Case = nullptr;
    QCheckBox* CHK_FromTop = nullptr;
    QCheckBox* CHK_Prompt = nullptr;
    QPushButton* BT_OK = nullptr;
    QPushButton* BT_Cancel = nullptr;
    QPushButton* BT_ReplaceAll = nullptr;

    // Prepares the controls for a mode without showing the window.
    void SetMode(FindDialogMode mode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
