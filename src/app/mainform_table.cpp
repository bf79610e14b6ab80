// The main window's table command: the tool button and the editor's
// context-menu entry open the table wizard on the selection.
#include "app/mainform.h"
#include "editing/contextmenu.h"
#include "platform/editcontrol.h"
#include "wizards/tableeditor.h"
#include "wizards/tablewizard.h"

#include <QAction>
#include <QPushButton>

namespace {

// The wizard starts with a 3 x 3 grid unless the selected lines hold a table.
void BT_TableClick(TFM_MainForm& form)
{
    const bool inserted = RunTableCommand(*form.HTML_WINDOW, [&form](QStringList& lines) {
        return RunTableWizard(3, 3, lines, form.UserPrompts(), form.SettingsPath, &form);
    });
    if (inserted) {
        form.HTML_WINDOW->setFocus();
        form.UpdateLineStatus();
    }
}

}  // namespace

void TFM_MainForm::WireTableCommands()
{
    BT_Table->setObjectName(QStringLiteral("BT_Table"));
    WireCommand({BT_Table, PopHTMLItems.MNU_Table}, [this] { BT_TableClick(*this); });
}
