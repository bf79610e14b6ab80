#pragma once

#include "editing/replacedialog.h"

#include <QString>
#include <functional>

class EditControl;
class Prompts;

enum class FindRequest { Find, FindNext };

// What the find commands work with. `showDialog` runs the dialog (the real
// window's ShowFindDialog, or a script in tests); `viewerFind` searches the
// preview and is used when the editor is not the active control.
struct FindContext {
    TFM_Replace& dialog;
    EditControl& edit;
    Prompts& prompts;
    bool editorActive = true;
    std::function<Answer(FindDialogMode)> showDialog;
    std::function<bool(const QString& text, Qt::CaseSensitivity)> viewerFind;
    std::function<void()> progress;
};

// "&Find" asks for the text first; "Find &Next" repeats the last search from
// the end of the selection. An unset text (empty, a blank, a control
// character first) does nothing.
void FindInEditorOrPreview(const FindContext& context, FindRequest request);

// Asks for the texts, then replaces the first match ("Ok") or every match
// ("Replace &All") from the top or from the selection.
void ReplaceFromDialog(const FindContext& context);
