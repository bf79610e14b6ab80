// The main window's directory bar: seven buttons that open chosen HTML files.
#include "app/mainform.h"

#include "tools/dirbarlayout.h"
#include "tools/dirbtnwindow.h"

#include <QAction>
#include <QFrame>
#include <QPushButton>
#include <QToolButton>

void TFM_MainForm::ReadDirectoryBar()
{
    DirBarSlots = ReadDirBar(SettingsPath);
    LayoutDirBar();
}

void TFM_MainForm::LayoutDirBar()
{
    ::LayoutDirBar(DirBarSlots, std::vector<QAbstractButton*>(DirButtons.begin(), DirButtons.end()), *BT_CfgDirBtn);
}

void TFM_MainForm::OpenDirSlot(int slot)
{
    ::OpenDirSlot(DirBarSlots.at(slot), services_.programFolder,
                  [this](const QString& path) { document_->LoadHtmlFile(path); });
}

void TFM_MainForm::BT_CfgDirBtnClick()
{
    {
        TFM_DirBtn window(DirBarSlots, UserPrompts(), this);
        window.exec();
    }
    // The bar shows what was applied even when the file cannot be written.
    LayoutDirBar();
    WriteDirBar(SettingsPath, DirBarSlots);
}

void TFM_MainForm::MNU_DirBtnClick()
{
    PA_DIRBTN->setVisible(MNU_DirBtn->isChecked());
}

void TFM_MainForm::WireDirectoryBarCommands()
{
    for (QPushButton* button : DirButtons) {
        const int slot = button->property("tag").toInt();
        WireCommand(button, [this, slot] { OpenDirSlot(slot); });
    }
    WireCommand({BT_CfgDirBtn, MNU_SetDir}, [this] { BT_CfgDirBtnClick(); });
    // The menu has already turned the check mark when this runs.
    WireCommand(MNU_DirBtn, [this] { MNU_DirBtnClick(); });
}
