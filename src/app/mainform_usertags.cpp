// The main window's user tag library: the tool button, the editor's context
// menu item and the Edit menu item (Ctrl+G) all run BT_UserTagClick.
#include "app/mainform.h"
#include "editing/usertaginsert.h"
#include "editing/usertaglibrary.h"
#include "editing/usertagwindow.h"
#include "platform/editcontrol.h"

#include <QAction>
#include <QPushButton>

namespace {

void BT_UserTagClick(TFM_MainForm& form)
{
    const QString libraryPath = UserTagLibraryPath(form.Services().programFolder);
    RunUserTagCommand(*form.HTML_WINDOW, [&] {
        return RunUserTagDialog(form.UserPrompts(), libraryPath, form.SettingsPath, &form);
    });
    form.HTML_WINDOW->setFocus();
}

}  // namespace

void TFM_MainForm::WireUserTagCommands()
{
    BT_UserTag->setObjectName(QStringLiteral("BT_UserTag"));
    WireCommand({BT_UserTag, PopHTMLItems.UserTags1, MNU_UsrTag}, [this] { BT_UserTagClick(*this); });
}
