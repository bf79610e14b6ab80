// The main window's links: the Link pull-down menu (mirrored into the
// editor's context menu at the first activation) and the "Kivo!" button.
#include "app/mainform.h"
#include "editing/linkcommands.h"
#include "editing/linkmenu.h"
#include "platform/editcontrol.h"

#include <QMenu>
#include <QToolButton>

void TFM_MainForm::WireLinkCommands()
{
    // The settings file and the document's name are taken when a command
    // runs: the one is set at start-up, the other changes with every file.
    FillLinkMenu(*PopBT_Link, {*HTML_WINDOW, UserPrompts(), [this] { return SettingsPath; },
                               [this] { return Document().DocumentFileName(); }, this});
    WireCommand(BT_KivoLink, [this] { BT_KivoLinkClick(); });
}

void TFM_MainForm::BT_KivoLinkClick()
{
    InsertKivoLink(*HTML_WINDOW);
}
