#pragma once

#include "tools/appslots.h"
#include "tools/programicon.h"

#include <QDialog>

#include <array>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
struct ToolServices;

enum class AppBarMode {
    Launch,     // narrow: a click starts the slot's program
    Configure,  // widened: a click selects the slot for editing
};

// "Application Maintenance": the application launch bar, widened on request
// into the form where its eight programs are set. One use, then destroyed.
class TFM_AppList : public QDialog {
    Q_OBJECT
public:
    // Reads the slots from the settings file and stands in launch mode with
    // slot 1 selected.
    TFM_AppList(QString settingsPath, QString currentFile, ToolServices& services, QWidget* parent = nullptr);
    ~TFM_AppList() override;

    AppBarMode Mode() const { return mode_; }
    const AppSlots& Slots() const { return slots_; }
    // 1 to 8.
    int SelectedSlot() const { return selected_ + 1; }
    QToolButton* SlotButton(int slot) const { return buttons_.at(slot - 1); }

    void CreateBtns(AppBarMode mode);
    void DestoryBtns();
    void BT_ConfigClick();
    void BT_CloseClick();
    // Slot numbers are 1 to 8.
    void AppBtnClick(int slot);
    void RunAppClick(int slot);
    void BT_ApplyClick();
    void BT_OkClick();
    void BT_FileOpenClick();
    void BT_ParamClick();
    void ED_PrgnameChange();

    // --- Controls, named as designed ---------------------------------
    QFrame* PA_APPS = nullptr;
    QToolButton* BT_Config = nullptr;
    QToolButton* BT_Close = nullptr;
    QFrame* PA_AppInfo = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* ED_Prgname = nullptr;
    QToolButton* BT_FileOpen = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* ED_Param = nullptr;
    QToolButton* BT_Param = nullptr;
    QCheckBox* CHK_Pass = nullptr;
    QPushButton* BT_Ok = nullptr;
    QPushButton* BT_Cancel = nullptr;
    QPushButton* BT_Apply = nullptr;

private:
    void BuildSlotPanel();
    void BuildInfoPanel();
    void SlotClicked(int index);
    void LoadFields(int index);
    void RunGuarded(const std::function<void()>& command);

    QString settingsPath_;
    QString currentFile_;
    ToolServices& services_;
    ProgramIcons icons_;
    AppSlots slots_;
    bool slotsRead_ = false;
    AppBarMode mode_ = AppBarMode::Launch;
    int selected_ = 0;
    // Either edit changed since the selected slot was loaded.
    bool edited_ = false;
    std::array<QToolButton*, kAppSlotCount> buttons_{};
    QButtonGroup* group_ = nullptr;
};

// BT_PullDownAppListClick: shows the bar with its top at `top` and its right
// edge at `right` (screen pixels) and returns when it closes.
void ShowAppBar(int top, int right, const QString& settingsPath, const QString& currentFile,
                ToolServices& services, QWidget* parent = nullptr);
