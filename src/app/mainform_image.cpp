// The main window's pictures: the Image pull-down menu (mirrored into the
// editor's context menu at the first activation).
#include "app/mainform.h"
#include "platform/editcontrol.h"
#include "wizards/imagecommand.h"

void TFM_MainForm::WireImageCommands()
{
    // The document's name is taken when the command runs: it changes with every file.
    WireCommand(AddPictureItem(*PopBT_Image),
                [this] { MNU_SelImageClick(*HTML_WINDOW, UserPrompts(), Document().DocumentFileName(), this); });
}
