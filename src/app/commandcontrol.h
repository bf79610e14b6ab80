#pragma once

#include <QList>
#include <functional>
#include <variant>

class QAbstractButton;
class QAction;
class QMenu;
class QObject;
class QShortcut;
class QWidget;

// Something the user starts a command with: a menu item (and the shortcut it
// carries), a button, or a shortcut of its own.
class CommandControl {
public:
    CommandControl(QAction* item) : control_(item) {}
    CommandControl(QAbstractButton* button) : control_(button) {}
    CommandControl(QShortcut* shortcut) : control_(shortcut) {}

    // Runs `command` each time the control fires (for as long as `receiver`
    // lives) and enables the control; a "not built yet" note goes.
    void Connect(QObject& receiver, const std::function<void()>& command) const;

    // The control stands disabled and its tooltip says that its command is
    // not built yet, until Connect wires it (an item also loses the note
    // when it is enabled, as a mirrored copy is with its original).
    void MarkNotBuilt() const;

    // Whether Connect has wired the control.
    static bool IsWired(const QObject& control);

private:
    std::variant<QAction*, QAbstractButton*, QShortcut*> control_;
};

// Marks every item of `menus` (and their submenus) and every button on `bars`
// that is disabled and was never wired: nobody has built its command yet.
// The menus show item tooltips, so the note can be read there.
void MarkUnwiredCommandsNotBuilt(const QList<QMenu*>& menus, const QList<QWidget*>& bars);
