#pragma once

#include <functional>
#include <variant>

class QAbstractButton;
class QAction;
class QObject;
class QShortcut;

// Something the user starts a command with: a menu item (and the shortcut it
// carries), a button, or a shortcut of its own.
class CommandControl {
public:
    CommandControl(QAction* item) : control_(item) {}
    CommandControl(QAbstractButton* button) : control_(button) {}
    CommandControl(QShortcut* shortcut) : control_(shortcut) {}

    // Runs `command` each time the control fires (for as long as `receiver`
    // lives) and enables the control.
    void Connect(QObject& receiver, const std::function<void()>& command) const;

private:
    std::variant<QAction*, QAbstractButton*, QShortcut*> control_;
};
