#include "editing/codecompletion.h"
#include "editing/completionpopup.h"
#include "editing/editorevents.h"
#include "editing/tagcommands.h"
#include "platform/editcontrol.h"

#include "support/qtprinters.h"

#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// An editor with completion, typed into as a user types.
class Completing : public ::testing::Test {
protected:
    void SetUp() override
    {
        edit.resize(400, 200);
        edit.show();
        completion = new CodeCompletion(edit, [] { return QString(); });
    }
    void Type(const char* keys)
    {
        QTest::keyClicks(&edit, QString::fromUtf8(keys));
        QCoreApplication::sendPostedEvents();
    }
    void Key(Qt::Key key)
    {
        QTest::keyClick(&edit, key);
        QCoreApplication::sendPostedEvents();
    }

    EditControl edit;
    CodeCompletion* completion = nullptr;  // owned by edit
};

TEST_F(Completing, OpensAsTypedAndWritesOnlyWhatIsAccepted)
{
    Type("<ta");
    ASSERT_TRUE(completion->ListShown());
    EXPECT_EQ(completion->Popup().count(), 1);
    Key(Qt::Key_Return);
    EXPECT_FALSE(completion->ListShown());
    EXPECT_EQ(edit.Text(), "<table");
    Type(" bo");
    EXPECT_TRUE(completion->ListShown());
    Key(Qt::Key_Tab);
    EXPECT_EQ(edit.Text(), "<table border=\"\"");
    Type("1");
    Key(Qt::Key_End);
    Type(">x</");
    ASSERT_TRUE(completion->ListShown());
    Key(Qt::Key_Return);
    EXPECT_EQ(edit.Text(), "<table border=\"1\">x</table>");
    // Taken back like typing.
    EXPECT_TRUE(edit.CanUndo());
    edit.Undo();
    EXPECT_FALSE(edit.Text().endsWith("</table>"));
}

TEST_F(Completing, EscapeAndOtherKeysGoOnIntoTheText)
{
    Type("<b");
    ASSERT_TRUE(completion->ListShown());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(completion->ListShown());
    Type(">bold");
    EXPECT_FALSE(completion->ListShown());
    Type(" a ");
    EXPECT_EQ(edit.Text(), "<b>bold a ");
    Type("<");
    EXPECT_TRUE(completion->ListShown());
    Type(" b");  // "a < b": no tag
    EXPECT_FALSE(completion->ListShown());
    Key(Qt::Key_Return);
    EXPECT_EQ(edit.Text(), "<b>bold a < b\r\n");
    QTest::keyClick(&edit, Qt::Key_Space, Qt::ControlModifier);
    EXPECT_FALSE(completion->ListShown());  // nothing to offer here
    Type("&eac");
    QTest::keyClick(&edit, Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(completion->ListShown());
    Key(Qt::Key_Return);
    EXPECT_EQ(edit.Text(), "<b>bold a < b\r\n&eacute;");
}

TEST_F(Completing, TheProgramsOwnInsertionsAndTheOptionOffOpenNothing)
{
    edit.SetModified(false);
    edit.ReplaceSelection(QStringLiteral("<"));
    InsertTagPair(edit, QStringLiteral("&Bold"));
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(completion->ListShown());
    EXPECT_FALSE(edit.CanUndo());

    completion->SetEnabled(false);
    edit.SetText(QString());
    Type("<ta");
    EXPECT_FALSE(completion->ListShown());
    Key(Qt::Key_Return);
    EXPECT_EQ(edit.Text(), "<ta\r\n");
}

}  // namespace

TEST_F(Completing, ALongPageIsReadAheadWhileTheEditorIsIdle)
{
    QString page;
    for (int i = 0; i < 3000; ++i)
        page += QStringLiteral("<DIV>line %1\r\n").arg(i);
    edit.SetText(page);
    EXPECT_FALSE(completion->ReadToTheEnd());
    EXPECT_TRUE(QTest::qWaitFor([&] { return completion->ReadToTheEnd(); }, 5000));
    // A change at the top is read past again, and nothing while it is off.
    edit.SetSelection(0);
    Type("x");
    EXPECT_FALSE(completion->ReadToTheEnd());
    EXPECT_TRUE(QTest::qWaitFor([&] { return completion->ReadToTheEnd(); }, 5000));
    completion->SetEnabled(false);
    EXPECT_FALSE(completion->ReadToTheEnd());
}
