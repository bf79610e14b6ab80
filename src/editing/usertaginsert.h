#pragma once

#include <QString>
#include <functional>
#include <optional>

class EditControl;

// The two texts of a library entry put around the selection.
struct UserTagPair {
    QString startText;
    QString endText;
};

// Puts the start text before and the end text after the selection (both at
// the caret when nothing is selected), exactly as they are, and leaves the
// caret right after the start text with nothing selected. Two empty texts
// leave the editor as it was.
void InsertUserTag(EditControl& edit, const UserTagPair& tags);

// Asks `chooseTags` for an entry; a choice is inserted, nothing else
// changes anything. Whether an entry was chosen.
bool RunUserTagCommand(EditControl& edit, const std::function<std::optional<UserTagPair>()>& chooseTags);
