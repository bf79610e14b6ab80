#pragma once

#include <functional>

class EditControl;
class QKeyEvent;

// The editor's own events as the main window handles them. Each handler may
// be empty. None of them consumes the event: the editor still handles the
// key or the click as usual, after keyDown and keyPress have run.
struct EditorEventHandlers {
    std::function<void(const QKeyEvent&)> keyDown;   // every key press, auto-repeat included
    std::function<void(const QKeyEvent&)> keyPress;  // after keyDown, before the editor sees the key
    std::function<void()> keyUp;                     // a key released (not auto-repeat)
    std::function<void()> click;                     // a left click in the text
};

void InstallEditorEvents(EditControl& edit, EditorEventHandlers handlers);
