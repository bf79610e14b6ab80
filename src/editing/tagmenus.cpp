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

void Blinking1Click(EditControl& edit, const QString&)
{
    InsertTagPair(edit, QStringLiteral("BLINK"));
}

void MNU_EmphasisClick(EditControl& edit, const QString&)
{
    InsertTagPair(edit, QStringLiteral("EM"));
}

void NumberList1Click(EditControl& edit, const QString&)
{
    InsertList(edit, QStringLiteral("OL"), QStringLiteral("LI"));
}

void UnNumberList1Click(EditControl& edit, const QString&)
{
    InsertList(edit, QStringLiteral("UL"), QStringLiteral("LI"));
}

void PreformatText1Click(EditControl& edit, const QString&)
{
    InsertTagPair(edit, QStringLiteral("PRE"));
}

void Paragraph1Click(EditControl& edit, const QString&)
{
    InsertSingleTag(edit, QStringLiteral("<P>"));
}

void LineBreakClick(EditControl& edit, const QString&)
{
    InsertSingleTag(edit, QStringLiteral("<BR>"));
}

void HorizontalLine1Click(EditControl& edit, const QString&)
{
    InsertSingleTag(edit, QStringLiteral("<HR>"));
}

ItemCommand MNU_FontColorClick(const ColorHexPicker& pickColorHex)
{
    return [pickColorHex](EditControl& edit, const QString&) {
        QString hex;
        if (pickColorHex && pickColorHex(hex))
            InsertFontColor(edit, hex);
    };
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
    AddItem(menu, target, QStringLiteral("Bli&nking"), Blinking1Click);
    AddItem(menu, target, QStringLiteral("&Strong"), BT_TAGClick);
    AddItem(menu, target, QStringLiteral("&Emphasis"), MNU_EmphasisClick);
    menu.addSeparator();
    AddItem(menu, target, QStringLiteral("U&PPER CASE"), MNU_UpperClick);
    AddItem(menu, target, QStringLiteral("&lower case"), MNU_UpperClick);
    menu.addSeparator();
    AddItem(menu, target, QStringLiteral("&Color"), MNU_FontColorClick(target.pickColorHex));
}

void FillFormatMenu(QMenu& menu, const TagMenuTarget& target)
{
    if (menu.actions().isEmpty())
        AddDoneItem(menu);
    AddItem(menu, target, QStringLiteral("&Ordered List"), NumberList1Click);
    AddItem(menu, target, QStringLiteral("&Un-Ordered List"), UnNumberList1Click);
    AddItem(menu, target, QStringLiteral("&Preformatted Text"), PreformatText1Click);
    AddItem(menu, target, QStringLiteral("P&aragraph"), Paragraph1Click,
            QKeySequence(Qt::CTRL | Qt::Key_P));
    menu.addSeparator();
    AddItem(menu, target, QStringLiteral("&Center"), BT_TAGClick);
    AddItem(menu, target, QStringLiteral("&Line Break"), LineBreakClick,
            QKeySequence(Qt::CTRL | Qt::Key_L));
    AddItem(menu, target, QStringLiteral("&Horizontal Line"), HorizontalLine1Click,
            QKeySequence(Qt::CTRL | Qt::Key_H));
}
