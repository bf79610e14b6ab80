#include "editing/contextmenu.h"

#include "editing/tagremoval.h"
#include "platform/editcontrol.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>

namespace {

QMenu* AddSubmenu(QMenu& menu, const QString& caption, const char* name)
{
    QMenu* submenu = menu.addMenu(caption);
    submenu->setObjectName(QLatin1String(name));
    submenu->menuAction()->setObjectName(QLatin1String(name));
    return submenu;
}

QAction* AddAction(QMenu& menu, const QString& caption, const char* name, bool enabled = true)
{
    QAction* action = menu.addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setEnabled(enabled);
    return action;
}

QAction* AddSeparator(QMenu& menu, const char* name)
{
    QAction* separator = menu.addSeparator();
    separator->setObjectName(QLatin1String(name));
    return separator;
}

// An enabled item of `menu` or its submenus whose shortcut is `keys`.
QAction* FindShortcut(const QMenu& menu, const QKeySequence& keys)
{
    for (QAction* action : menu.actions()) {
        if (QMenu* submenu = action->menu()) {
            if (QAction* found = FindShortcut(*submenu, keys))
                return found;
        } else if (!action->isSeparator() && action->isEnabled() && action->shortcut() == keys) {
            return action;
        }
    }
    return nullptr;
}

class MirroredShortcutFilter : public QObject {
public:
    MirroredShortcutFilter(EditControl& edit, QMenu& menu) : QObject(&edit), menu_(&menu) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (menu_ && (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
            auto* key = static_cast<QKeyEvent*>(event);
            const QKeySequence keys(QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
            if (QAction* action = FindShortcut(*menu_, keys)) {
                // Claim the key, so neither the editor nor another shortcut takes it.
                if (event->type() == QEvent::ShortcutOverride) {
                    event->accept();
                    return true;
                }
                action->trigger();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QMenu> menu_;
};

}  // namespace

EditorContextMenu BuildEditorContextMenu(QMenu& menu)
{
    EditorContextMenu items;
    items.PopHTML = &menu;
    menu.setObjectName(QStringLiteral("PopHTML"));
    items.Done4 = AddAction(menu, QStringLiteral("&Done"), "Done4");
    AddSeparator(menu, "N12");
    items.POP_Toggle = AddAction(menu, QStringLiteral("&Preview Page"), "POP_Toggle", false);
    items.MNU_Edit = AddSubmenu(menu, QStringLiteral("&Edit"), "MNU_Edit");
    items.SUB_CUT = AddAction(*items.MNU_Edit, QStringLiteral("&Cut"), "SUB_CUT", false);
    items.Sub_Copy = AddAction(*items.MNU_Edit, QStringLiteral("Co&py"), "Sub_Copy", false);
    items.Sub_Paste = AddAction(*items.MNU_Edit, QStringLiteral("&Paste"), "Sub_Paste", false);
    items.RemoveTag1 = AddAction(menu, QStringLiteral("&Remove Tag"), "RemoveTag1");
    AddSeparator(menu, "N10");
    items.MNU_Header = AddSubmenu(menu, QStringLiteral("&Header"), "MNU_Header");
    items.UserTags1 = AddAction(menu, QStringLiteral("&User Tags"), "UserTags1", false);
    items.MNU_Font = AddSubmenu(menu, QStringLiteral("Fo&nt"), "MNU_Font");
    items.MNU_Format = AddSubmenu(menu, QStringLiteral("For&mat"), "MNU_Format");
    items.MNU_Link = AddSubmenu(menu, QStringLiteral("&Link"), "MNU_Link");
    items.MNU_Image = AddSubmenu(menu, QStringLiteral("&Image"), "MNU_Image");
    AddSeparator(menu, "N11");
    items.MNU_Table = AddAction(menu, QStringLiteral("&Table"), "MNU_Table", false);
    items.MNU_FORM = AddSubmenu(menu, QStringLiteral("Fo&rm"), "MNU_FORM");
    return items;
}

void CopyMenuItems(QMenu& pullDown, QMenu& target)
{
    for (QAction* item : pullDown.actions()) {
        if (item->isSeparator()) {
            target.addSeparator();
            continue;
        }
        QAction* copy = target.addAction(item->text());
        copy->setShortcut(item->shortcut());
        copy->setEnabled(item->isEnabled());
        QObject::connect(copy, &QAction::triggered, item, [item] { item->trigger(); });
        // A command enabled later in the pull-down menu is enabled here as well.
        QObject::connect(item, &QAction::enabledChanged, copy, &QAction::setEnabled);
    }
}

void PrepareEditorContextMenu(EditControl& edit, bool& shiftOnlyDown, QAction& removeTag1)
{
    if (shiftOnlyDown && edit.SelLength() <= 1) {
        SelectCaretLine(edit);
        shiftOnlyDown = false;
    }
    removeTag1.setText(QStringLiteral("Remove"));
    removeTag1.setEnabled(false);
    if (const std::optional<TagPairAtSelection> tags = FindTagPairAtSelection(edit)) {
        removeTag1.setText(RemoveTagCaption(*tags));
        removeTag1.setEnabled(true);
    }
}

bool IsShiftOnly(int key, Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    if (buttons != Qt::NoButton)
        return false;
    modifiers &= ~Qt::KeypadModifier;
    // The Shift key's own press may or may not report Shift as held yet.
    if (key == Qt::Key_Shift)
        return modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier;
    return modifiers == Qt::ShiftModifier;
}

QMenu* PullDownMenuOf(const QWidget& window, const QWidget& button)
{
    return window.findChild<QMenu*>(QStringLiteral("Pop") + button.objectName());
}

QPoint PullDownMenuPosition(const QWidget& button)
{
    return button.mapToGlobal(QPoint(0, button.height()));
}

QPoint FormatSelectionMenuPosition(const QRect& frame)
{
    return QPoint((frame.left() + frame.width()) / 2, (frame.top() + frame.height()) / 2);
}

void InstallMirroredShortcuts(EditControl& edit, QMenu& contextMenu)
{
    edit.installEventFilter(new MirroredShortcutFilter(edit, contextMenu));
}
