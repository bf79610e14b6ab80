#include "editing/findcommands.h"

#include "common/caretlines.h"
#include "common/isset.h"
#include "editing/search.h"
#include "platform/editcontrol.h"
#include "platform/prompts.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

Qt::CaseSensitivity CaseOf(const TFM_Replace& dialog)
{
    return dialog.CHK_Case->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

void ReportNotFound(Prompts& prompts, const QString& text)
{
    prompts.Message(NotFoundMessage(text), MessageKind::Information, MessageButtons::Ok);
}

}  // namespace

void FindInEditorOrPreview(const FindContext& context, FindRequest request)
{
    TFM_Replace& dialog = context.dialog;
    EditControl& edit = context.edit;
    int start = edit.SelStart() + edit.SelLength();
    if (request == FindRequest::Find) {
        // Searching from the top means nothing in the preview.
        dialog.CHK_FromTop->setVisible(context.editorActive);
        if (context.showDialog(FindDialogMode::Find) == Answer::Cancel)
            return;
        if (dialog.CHK_FromTop->isChecked())
            start = 1;
    }
    const QString text = dialog.CB_Find->currentText();
    if (!IsSet(text))
        return;
    bool found = false;
    if (context.editorActive || !context.viewerFind)
        found = SearchEditor(edit, text, start, CaseOf(dialog));
    else
        found = context.viewerFind(text, CaseOf(dialog));
    if (found)
        ScrollCaretLineToTop(edit);
    else
        ReportNotFound(context.prompts, text);
}

void ReplaceFromDialog(const FindContext& context)
{
    TFM_Replace& dialog = context.dialog;
    EditControl& edit = context.edit;
    const Answer answer = context.showDialog(FindDialogMode::Replace);
    if (answer != Answer::Ok && answer != Answer::Yes)
        return;
    const QString text = dialog.CB_Find->currentText();
    const QString replacement = dialog.CB_Replace->currentText();
    int start = edit.SelStart();
    if (dialog.CHK_FromTop->isChecked()) {
        edit.SetSelection(edit.SelStart());
        start = 1;
    }
    const int replaced = ReplaceInEditor(edit, text, replacement, start, CaseOf(dialog),
                                         answer == Answer::Yes ? ReplaceCount::All : ReplaceCount::Once,
                                         context.progress);
    if (replaced > 0)
        ScrollCaretLineToTop(edit);
    else
        ReportNotFound(context.prompts, text);
}
