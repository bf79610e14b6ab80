#pragma once

class EditControl;

// Remembers the caret, the selection (and which end the caret is at) and the
// scroll position of an editor, and puts them back when it goes out of scope,
// unless the command went through. A command that selects what it will
// replace before asking the user must leave nothing selected behind when the
// user cancels: the next insertion would silently replace it.
class KeptSelection {
public:
    explicit KeptSelection(EditControl& edit);
    ~KeptSelection();
    KeptSelection(const KeptSelection&) = delete;
    KeptSelection& operator=(const KeptSelection&) = delete;

    // The command changed the text: its own caret stands.
    void Release() { restore_ = false; }

private:
    EditControl& edit_;
    int anchor_;
    int position_;
    int vertical_;
    int horizontal_;
    bool restore_ = true;
};
