#pragma once

#include "tools/dirslots.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class Prompts;

// "Directory Buttons Maintenace": labels the directory buttons and picks
// their files. It edits the slots it is given directly; "&Close" keeps what
// was applied and drops what was typed since.
class TFM_DirBtn : public QDialog {
    Q_OBJECT
public:
    TFM_DirBtn(DirSlots& dirSlots, Prompts& prompts, QWidget* parent = nullptr);

    int SelectedSlot() const { return selected_; }
    QPushButton* SlotButton(int slot) const { return slotButtons_.at(slot); }

    void DirBtnClick(int slot);
    void BT_ApplyClick();
    void Button1Click();

    // --- Controls, named as designed ---------------------------------
    QFrame* PA_DIRBTN = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* ED_Capt = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* ED_HTML = nullptr;
    QPushButton* Button1 = nullptr;
    QCheckBox* CHK_LOCAL = nullptr;
    QPushButton* BT_APPLY = nullptr;
    QPushButton* BitBtn1 = nullptr;

private:
    void FormCreate();
    void LoadFields();

    DirSlots& slots_;
    Prompts& prompts_;
    int selected_ = 0;
    std::array<QPushButton*, kDirSlotCount> slotButtons_{};
    QButtonGroup* group_ = nullptr;
};
