#include "editing/linkmenu.h"

#include "editing/linkcommands.h"
#include "editing/tagmenus.h"
#include "platform/commandwrapper.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

namespace {

QAction* AddItem(QMenu& menu, Prompts& prompts, const QString& caption, const char* name, std::function<void()> command)
{
    QAction* action = menu.addAction(caption);
    action->setObjectName(QLatin1String(name));
    QObject::connect(action, &QAction::triggered, &menu, Guarded(prompts, std::move(command)));
    return action;
}

}  // namespace

LinkMenuItems FillLinkMenu(QMenu& menu, const LinkMenuTarget& target)
{
    if (menu.actions().isEmpty())
        AddDoneItem(menu);
    EditControl* edit = &target.edit;
    Prompts* prompts = &target.prompts;
    // The dialog's parent may go before the menu; a dialog then has none.
    QPointer<QWidget> parent = target.dialogParent;
    const auto settingsPath = target.settingsPath;
    const auto documentFileName = target.documentFileName;

    LinkMenuItems items;
    items.BT_GoBookMark = AddItem(menu, *prompts, QStringLiteral("&BookMark"), "BT_GoBookMark",
                                  [edit, parent] { LinkToBookmark(*edit, parent); });
    items.BT_URL = AddItem(menu, *prompts, QStringLiteral("&Remote Sites"), "BT_URL", [edit, parent, settingsPath] {
        LinkToRemoteSite(*edit, settingsPath ? settingsPath() : QString(), parent);
    });
    items.LocalDocument1 =
        AddItem(menu, *prompts, QStringLiteral("&File on Local Drive"), "LocalDocument1",
                [edit, prompts, documentFileName] {
                    LinkToLocalFile(*edit, *prompts, documentFileName ? documentFileName() : QString());
                });
    menu.addSeparator();
    items.BT_BookMark = AddItem(menu, *prompts, QStringLiteral("&Define BookMark"), "BT_BookMark",
                                [edit, prompts] { DefineBookmark(*edit, *prompts); });
    return items;
}
