#pragma once

#include <QString>
#include <functional>

class EditControl;
class Prompts;
class QAction;
class QMenu;
class QWidget;

// What the Link menu's commands act on; the settings file and the document's
// name are asked for when a command runs, as both change during a run.
struct LinkMenuTarget {
    EditControl& edit;
    Prompts& prompts;
    std::function<QString()> settingsPath;
    std::function<QString()> documentFileName;
    QWidget* dialogParent = nullptr;
};

struct LinkMenuItems {
    QAction* BT_GoBookMark = nullptr;
    QAction* BT_URL = nullptr;
    QAction* LocalDocument1 = nullptr;
    QAction* BT_BookMark = nullptr;
};

// Fills `PopBT_Link` after the "&Done" item and separator it begins with
// (added here when the menu is still empty). Every command runs through the
// command wrapper, so a failure ends in the general error box.
LinkMenuItems FillLinkMenu(QMenu& popBtLink, const LinkMenuTarget& target);
