#include "app/commandcontrol.h"

#include <QAbstractButton>
#include <QAction>
#include <QShortcut>

void CommandControl::Connect(QObject& receiver, const std::function<void()>& command) const
{
    std::visit(
        [&](auto* control) {
            using Control = std::remove_pointer_t<decltype(control)>;
            if constexpr (std::is_same_v<Control, QAction>)
                QObject::connect(control, &QAction::triggered, &receiver, [command] { command(); });
            else if constexpr (std::is_same_v<Control, QAbstractButton>)
                QObject::connect(control, &QAbstractButton::clicked, &receiver, [command] { command(); });
            else
                QObject::connect(control, &QShortcut::activated, &receiver, [command] { command(); });
            control->setEnabled(true);
        },
        control_);
}
