// The main window's tag editing: the tool bar's pull-down menus, the editor's
// context menu with its mirrored shortcuts, tag removal, the editor's key and
// click events and the line status.
#include "app/mainform.h"
#include "common/caretlines.h"
#include "common/colorhex.h"
#include "editing/contextmenu.h"
#include "editing/editorevents.h"
#include "editing/tagcommands.h"
#include "editing/tagmenus.h"
#include "editing/tagremoval.h"
#include "platform/editcontrol.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

void TFM_MainForm::WireTagCommands()
{
    const std::pair<QPushButton*, const char*> pullDownButtons[] = {
        {BT_Header, "BT_Header"}, {BT_Font, "BT_Font"},   {BT_Format, "BT_Format"},
        {BT_Link, "BT_Link"},     {BT_Image, "BT_Image"}, {BT_FORM, "BT_FORM"}};
    for (const auto& [button, name] : pullDownButtons) {
        button->setObjectName(QLatin1String(name));
        WireCommand(button, [this, button = button] { BT_PullDownBtnClick(button); });
    }

    const TagMenuTarget target{*HTML_WINDOW, UserPrompts(),
                               [this](QString& hex) { return PickColorHex(UserPrompts(), hex); }};
    FillHeaderMenu(*PopBT_Header, target);
    FillFontMenu(*PopBT_Font, target);
    FillFormatMenu(*PopBT_Format, target);

    PopHTMLItems = BuildEditorContextMenu(*PopHTML);
    connect(PopHTML, &QMenu::aboutToShow, this, [this] { Run([this] { PopHTMLPopup(); }); });
    WireCommand(PopHTMLItems.RemoveTag1, [this] { RemoveTag1Click(); });
    HTML_WINDOW->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(HTML_WINDOW, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopHTML->popup(HTML_WINDOW->viewport()->mapToGlobal(at)); });
    InstallMirroredShortcuts(*HTML_WINDOW, *PopHTML);

    WireCommand(MNU_FmtLine, [this] { MNU_FmtLineClick(); });
    // A check item: Qt toggles the mark, the key press reads it.
    MNU_AutoBR->setEnabled(true);

    EditorEventHandlers events;
    events.keyDown = [this](const QKeyEvent& key) { HTML_WINDOWKeyDown(key.key(), key.modifiers()); };
    events.keyPress = [this](const QKeyEvent& key) { Run([&] { HTML_WINDOWKeyPress(key.key()); }); };
    events.keyUp = [this] { HTML_WINDOWClick(); };
    events.click = [this] { HTML_WINDOWClick(); };
    InstallEditorEvents(*HTML_WINDOW, std::move(events));
}

void TFM_MainForm::CopyTagMenus()
{
    // The window is activated again after every dialog; the items go in once.
    if (!PopHTMLItems.MNU_Header->actions().isEmpty())
        return;
    CopyMenuItems(*PopBT_Header, *PopHTMLItems.MNU_Header);
    CopyMenuItems(*PopBT_Format, *PopHTMLItems.MNU_Format);
    CopyMenuItems(*PopBT_Font, *PopHTMLItems.MNU_Font);
    CopyMenuItems(*PopBT_Link, *PopHTMLItems.MNU_Link);
    CopyMenuItems(*PopBT_Image, *PopHTMLItems.MNU_Image);
    CopyMenuItems(*PopBT_FORM, *PopHTMLItems.MNU_FORM);
}

void TFM_MainForm::BT_PullDownBtnClick(QWidget* button)
{
    if (QMenu* menu = PullDownMenuOf(*this, *button))
        menu->popup(PullDownMenuPosition(*button));
}

void TFM_MainForm::MNU_FmtLineClick()
{
    PopHTML->popup(FormatSelectionMenuPosition(frameGeometry()));
}

void TFM_MainForm::PopHTMLPopup()
{
    PrepareEditorContextMenu(*HTML_WINDOW, ShiftOnlyDown, *PopHTMLItems.RemoveTag1);
}

void TFM_MainForm::RemoveTag1Click()
{
    RemoveTagPair(*HTML_WINDOW);
}

void TFM_MainForm::UpdateLineStatus()
{
    SetStatusText(LineStatusText(*HTML_WINDOW));
}

void TFM_MainForm::HTML_WINDOWKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    ShiftOnlyDown = IsShiftOnly(key, modifiers, QApplication::mouseButtons());
}

void TFM_MainForm::HTML_WINDOWKeyPress(int key)
{
    if (MNU_AutoBR->isChecked() && (key == Qt::Key_Return || key == Qt::Key_Enter))
        InsertAutoLineBreak(*HTML_WINDOW);
}

void TFM_MainForm::HTML_WINDOWClick()
{
    ShiftOnlyDown = false;
    UpdateLineStatus();
}
