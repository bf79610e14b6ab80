#pragma once

#include <QAction>
#include <QMenu>
#include <QStringList>
#include <gtest/gtest.h>

// The items of a menu as it shows them, "-" for a separator.
inline QStringList MenuCaptions(const QMenu& menu)
{
    QStringList captions;
    for (const QAction* action : menu.actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

// The item with this caption; a missing one fails the test.
inline QAction* MenuItem(const QMenu& menu, const QString& caption)
{
    for (QAction* action : menu.actions())
        if (action->text() == caption)
            return action;
    ADD_FAILURE() << "no item " << caption.toStdString();
    return nullptr;
}
