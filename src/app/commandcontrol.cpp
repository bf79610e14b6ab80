#include "app/commandcontrol.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QShortcut>
#include <QTabBar>

namespace {

const char* const kWired = "kivoWired";
const char* const kNotBuilt = "kivoNotBuilt";
// A button's own hint, shown again once it is built.
const char* const kHint = "kivoHint";

const QString kNotBuiltYet = QStringLiteral("Not built yet");

void ClearNotBuilt(QAction& item)
{
    if (!item.property(kNotBuilt).toBool())
        return;
    item.setProperty(kNotBuilt, false);
    // Back to the tooltip Qt derives from the caption, which menus do not show.
    item.setToolTip(QString());
}

void ClearNotBuilt(QAbstractButton& button)
{
    if (!button.property(kNotBuilt).toBool())
        return;
    button.setProperty(kNotBuilt, false);
    button.setToolTip(button.property(kHint).toString());
}

void ClearNotBuilt(QShortcut&) {}

void MarkMenu(QMenu& menu)
{
    menu.setToolTipsVisible(true);
    for (QAction* item : menu.actions()) {
        if (item->isSeparator())
            continue;
        if (QMenu* submenu = item->menu()) {
            MarkMenu(*submenu);
            continue;
        }
        if (!item->isEnabled() && !CommandControl::IsWired(*item))
            CommandControl(item).MarkNotBuilt();
    }
}

}  // namespace

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
            control->setProperty(kWired, true);
            ClearNotBuilt(*control);
            control->setEnabled(true);
        },
        control_);
}

void CommandControl::MarkNotBuilt() const
{
    if (auto* const* item = std::get_if<QAction*>(&control_)) {
        QAction* action = *item;
        action->setEnabled(false);
        action->setToolTip(kNotBuiltYet);
        if (!action->property(kNotBuilt).isValid())
            QObject::connect(action, &QAction::enabledChanged, action, [action](bool enabled) {
                if (enabled)
                    ClearNotBuilt(*action);
            });
        action->setProperty(kNotBuilt, true);
    } else if (auto* const* button = std::get_if<QAbstractButton*>(&control_)) {
        QAbstractButton* b = *button;
        if (!b->property(kNotBuilt).toBool()) {
            b->setProperty(kHint, b->toolTip());
            b->setToolTip(b->toolTip().isEmpty() ? kNotBuiltYet : b->toolTip() + QStringLiteral(" (not built yet)"));
        }
        b->setEnabled(false);
        b->setProperty(kNotBuilt, true);
    }
}

bool CommandControl::IsWired(const QObject& control)
{
    return control.property(kWired).toBool();
}

void MarkUnwiredCommandsNotBuilt(const QList<QMenu*>& menus, const QList<QWidget*>& bars)
{
    for (QMenu* menu : menus)
        MarkMenu(*menu);
    for (QWidget* bar : bars) {
        for (QAbstractButton* button : bar->findChildren<QAbstractButton*>()) {
            // The scroll arrows of a tab strip are no commands.
            if (qobject_cast<QTabBar*>(button->parentWidget()))
                continue;
            if (!button->isEnabled() && !CommandControl::IsWired(*button))
                CommandControl(button).MarkNotBuilt();
        }
    }
}
