#pragma once

#include <QPoint>
#include <QRect>

class EditControl;
class QAction;
class QMenu;
class QWidget;

// The editor's context menu: the tool bar's tag menus gathered in one place,
// plus removing the tag pair around the selection.
struct EditorContextMenu {
    QMenu* PopHTML = nullptr;
    QAction* Done4 = nullptr;
    QAction* POP_Toggle = nullptr;
    QMenu* MNU_Edit = nullptr;
    QAction* SUB_CUT = nullptr;
    QAction* Sub_Copy = nullptr;
    QAction* Sub_Paste = nullptr;
    QAction* RemoveTag1 = nullptr;
    QMenu* MNU_Header = nullptr;
    QAction* UserTags1 = nullptr;
    QMenu* MNU_Font = nullptr;
    QMenu* MNU_Format = nullptr;
    QMenu* MNU_Link = nullptr;
    QMenu* MNU_Image = nullptr;
    QAction* MNU_Table = nullptr;
    QMenu* MNU_FORM = nullptr;
};

// Adds every item to the (empty) menu. Commands that other windows carry out
// (preview, clipboard, user tags, table) start disabled until they are connected.
EditorContextMenu BuildEditorContextMenu(QMenu& popHTML);

// Appends a copy of each item of `pullDown` (caption, shortcut, command;
// separators and "&Done" too) to `target`.
void CopyMenuItems(QMenu& pullDown, QMenu& target);

// Run as the context menu opens. With Shift as the only key held and at most
// one character selected, first selects the caret's line and clears the flag.
// Then offers removing the tag pair that frames the selection, if there is one.
void PrepareEditorContextMenu(EditControl& edit, bool& shiftOnlyDown, QAction& removeTag1);

// Whether a key-down counts as Shift alone: no Ctrl, no Alt, no mouse button.
bool IsShiftOnly(int key, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

// The pull-down menu of a tool button: "Pop" followed by the button's name.
QMenu* PullDownMenuOf(const QWidget& window, const QWidget& button);

// Where a pull-down menu opens: under the button's lower left corner.
QPoint PullDownMenuPosition(const QWidget& button);

// Where "Format Selection" opens the context menu: half of (left + width)
// and half of (top + height) of the main window, rounded toward zero.
QPoint FormatSelectionMenuPosition(const QRect& windowFrame);

// Lets the shortcuts of the context menu's items act while the editor has the
// focus, ahead of the editor's own keys (Ctrl+A selects a tag, not all text).
void InstallMirroredShortcuts(EditControl& edit, QMenu& contextMenu);
