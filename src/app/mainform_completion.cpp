// Completion while typing in the editor, an Options check item kept in the
// settings file.
#include "app/mainform.h"

#include "editing/codecompletion.h"
#include "platform/editcontrol.h"

#include <QAction>

void TFM_MainForm::WireCompletionCommands()
{
    completion_ = new CodeCompletion(*HTML_WINDOW, [this] { return document_->DocumentFileName(); });
    // The menu has already turned the check mark when this runs.
    WireCommand(MNU_Completion, [this] { completion_->SetEnabled(MNU_Completion->isChecked()); });
    completion_->SetEnabled(MNU_Completion->isChecked());
}
