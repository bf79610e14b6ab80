// The main window's BODY tag wizard and colour code, items of the Image
// pull-down menu (mirrored into the editor's context menu at the first
// activation).
#include "app/mainform.h"
#include "platform/editcontrol.h"
#include "wizards/bodycommands.h"

void TFM_MainForm::WireBodyCommands()
{
    // The document's name is taken when the command runs: it changes with every file.
    WireCommand(AddTextAndBackgroundItem(*PopBT_Image),
                [this] { BodyEditor1Click(*HTML_WINDOW, UserPrompts(), Document().DocumentFileName(), this); });
    WireCommand(AddColorCodeItem(*PopBT_Image), [this] { ColorCode1Click(*HTML_WINDOW, UserPrompts()); });
}
