#include "editing/tagmenus.h"

#include "editing/tagcommands.h"
#include "platform/commandwrapper.h"
#include "platform/editcontrol.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace {

// One item whose command gets the item's own caption, as the classic
// handlers took the tag name from the chosen item.
using ItemCommand = std::function<void(EditControl&, const QString& caption)>;

void AddItem(QMenu& menu, const TagMenuTarget& target, const QString& caption, const ItemCommand& command,
             const QKeySequence& shortcut = QKeySequence())
{
    QAction* action = menu.addAction(caption);
    action->setShortcut(shortcut);
    EditControl* edit = &target.edit;
    QObject::connect(action, &QAction::triggered, &menu,
                     Guarded(target.prompts, [edit, caption, command] { command(*edit, caption); }));
}

void BT_TAGClick(EditControl& edit, const QString& caption)
{
    InsertTagPair(edit, caption);
}

void Bold1Click(EditControl& edit, const QString& caption)
{
    InsertTagPair(edit, StyleTagFromCaption(caption));
}

void MNU_UpperClick(EditControl& edit, const QString& caption)
{
    ChangeLetterCase(edit, LetterCaseFromCaption(caption));
}

ItemCommand WrapIn(const QString& tag)
{
    return [tag](EditControl& edit, const QString&) { InsertTagPair(edit, tag); };
}

ItemCommand ListOf(const QString& listTag)
{
    return [listTag](EditControl& edit, const QString&) { InsertList(edit, listTag, QStringLiteral("LI")); };
}

ItemCommand Single(const QString& tag)
{
    return [tag](EditControl& edit, const QString&) { InsertSingleTag(edit, tag); };
}

}  // namespace

void AddDoneItem(QMenu& menu)
{
    menu.addAction(QStringLiteral("&Done"));
    menu.addSeparator();
}

void FillHeaderMenu(QMenu& menu, const TagMenuTarget& target)
{
    if (menu.actions().isEmpty())
        AddDoneItem(menu);
    for (int level = 1; level <= 6; ++level)
        AddItem(menu, target, QStringLiteral("H&%1").arg(level), BT_TAGClick);
    AddItem(menu, target, QStringLiteral("&Address"), BT_TAGClick, QKeySequence(Qt::CTRL | Qt::Key_A));
}

void FillFontMenu(QMenu& menu, const TagMenuTarget& target)
{
    if (menu.actions().isEmpty())
        AddDoneItem(menu);
    AddItem(menu, target, QStringLiteral("&Bold"), Bold1Click, QKeySequence(Qt::CTRL | Qt::Key_B));
    AddItem(menu, target, QStringLiteral("&Italic"), Bold1Click, QKeySequence(Qt::CTRL | Qt::Key_I));
    AddItem(menu, target, QStringLiteral("&UnderLine"), Bold1Click, QKeySequence(Qt::CTRL | Qt::Key_U));
    AddItem(menu, target, QStringLiteral("BI&G"), BT_TAGClick);
    AddItem(menu, target, QStringLiteral("S&mall"), BT_TAGClick);
    AddItem(menu, target, QStringLiteral("Bli&nking"), WrapIn(QStringLiteral("BLINK")));
    AddItem(menu, target, QStringLiteral("&Strong"), BT_TAGClick);
    AddItem(menu, target, QStringLiteral("&Emphasis"), WrapIn(QStringLiteral("EM")));
    menu.addSeparator();
    AddItem(menu, target, QStringLiteral("U&PPER CASE"), MNU_UpperClick);
    AddItem(menu, target, QStringLiteral("&lower case"), MNU_UpperClick);
    menu.addSeparator();
    const ColorHexPicker pick = target.pickColorHex;
    AddItem(menu, target, QStringLiteral("&Color"), [pick](EditControl& edit, const QString&) {
        QString hex;
        if (pick && pick(hex))
            InsertFontColor(edit, hex);
    });
}

void FillFormatMenu(QMenu& menu, const TagMenuTarget& target)
{
    if (menu.actions().isEmpty())
        AddDoneItem(menu);
    AddItem(menu, target, QStringLiteral("&Ordered List"), ListOf(QStringLiteral("OL")));
    AddItem(menu, target, QStringLiteral("&Un-Ordered List"), ListOf(QStringLiteral("UL")));
    AddItem(menu, target, QStringLiteral("&Preformatted Text"), WrapIn(QStringLiteral("PRE")));
    AddItem(menu, target, QStringLiteral("P&aragraph"), Single(QStringLiteral("<P>")),
            QKeySequence(Qt::CTRL | Qt::Key_P));
    menu.addSeparator();
    AddItem(menu, target, QStringLiteral("&Center"), BT_TAGClick);
    AddItem(menu, target, QStringLiteral("&Line Break"), Single(QStringLiteral("<BR>")),
            QKeySequence(Qt::CTRL | Qt::Key_L));
    AddItem(menu, target, QStringLiteral("&Horizontal Line"), Single(QStringLiteral("<HR>")),
            QKeySequence(Qt::CTRL | Qt::Key_H));
}
