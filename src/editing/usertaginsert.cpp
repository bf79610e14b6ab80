#include "editing/usertaginsert.h"

#include "platform/editcontrol.h"

void InsertUserTag(EditControl& edit, const UserTagPair& tags)
{
    // An empty row chosen: touching the text would only mark the document changed.
    if (tags.startText.isEmpty() && tags.endText.isEmpty())
        return;
    const QString selected = edit.SelText();
    edit.ReplaceSelection(tags.startText, UndoMode::NotAllowed);
    const int afterStart = edit.SelStart();
    edit.ReplaceSelection(selected + tags.endText, UndoMode::NotAllowed);
    edit.SetSelection(afterStart);
}

bool RunUserTagCommand(EditControl& edit, const std::function<std::optional<UserTagPair>()>& chooseTags)
{
    const std::optional<UserTagPair> tags = chooseTags();
    if (!tags)
        return false;
    InsertUserTag(edit, *tags);
    return true;
}
