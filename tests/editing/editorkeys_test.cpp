#include "editing/editorevents.h"
#include "editing/tagcommands.h"
#include "platform/editcontrol.h"

#include "support/qtprinters.h"

#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(EditorKeys, ShiftEnterBreaksTheLineWithCrLf)
{
    EditControl edit;
    edit.show();
    edit.SetText(QStringLiteral("ab"));
    edit.SetSelection(1);
    QTest::keyClick(&edit, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(edit.Text(), QStringLiteral("a\r\nb"));
    EXPECT_EQ(edit.LineCount(), 2);
    EXPECT_TRUE(edit.CanUndo());  // typed
}

TEST(EditorKeys, HandlersSeeKeysBeforeTheEditorAndClicksInTheText)
{
    EditControl edit;
    edit.resize(200, 100);
    edit.show();
    QStringList seen;
    EditorEventHandlers handlers;
    handlers.keyDown = [&](const QKeyEvent& key) { seen << QStringLiteral("down %1").arg(key.key() == Qt::Key_Return); };
    handlers.keyPress = [&](const QKeyEvent& key) {
        if (key.key() == Qt::Key_Return)
            InsertAutoLineBreak(edit);  // goes in before the editor adds the break
    };
    handlers.keyUp = [&] { seen << QStringLiteral("up"); };
    handlers.click = [&] { seen << QStringLiteral("click"); };
    InstallEditorEvents(edit, std::move(handlers));
    edit.SetText(QStringLiteral("a word"));
    edit.SetSelection(2, 4);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.Text(), QStringLiteral("a <BR>\r\n"));
    QTest::mouseClick(edit.viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(edit.viewport(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(seen, (QStringList{"down 1", "up", "click"}));
}

}  // namespace
