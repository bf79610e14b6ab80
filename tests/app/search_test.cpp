#include "mainwindowfixture.h"
#include "editing/replacedialog.h"
#include "editing/timestamp.h"
#include "platform/editcontrol.h"

#include "support/qtprinters.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

namespace {

class SearchWiring : public MainWindowTest {
protected:
    TFM_MainForm& Ready(const QString& text)
    {
        TFM_MainForm& form = Start();
        form.HTML_WINDOW->SetText(text);
        form.HTML_WINDOW->SetSelection(0);
        return form;
    }

    // Clicks a button of the find window as soon as it shows.
    static void ClickWhenShown(TFM_Replace& dialog, QPushButton* button)
    {
        QTimer::singleShot(0, &dialog, [&dialog, button] {
            if (dialog.isVisible())
                button->click();
            else
                ClickWhenShown(dialog, button);
        });
    }
};

TEST_F(SearchWiring, FindThenFindNextAndNotFound)
{
    TFM_MainForm& form = Ready(QStringLiteral("one <B>\r\ntwo <b>"));
    TFM_Replace& dialog = *form.FM_Replace;
    dialog.CB_Find->setEditText(QStringLiteral("<b>"));
    ClickWhenShown(dialog, dialog.BT_OK);
    ASSERT_TRUE(form.MNU_Find->isEnabled());
    form.MNU_Find->trigger();
    EXPECT_EQ(form.HTML_WINDOW->SelStart(), 4);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Find Text"));
    form.MNU_FindAgain->trigger();
    EXPECT_EQ(form.HTML_WINDOW->SelStart(), 13);
    form.MNU_FindAgain->trigger();
    EXPECT_EQ(prompts.Messages(), QStringList{QStringLiteral("Search String \"<b>\" not found")});
    EXPECT_EQ(dialog.CB_Find->itemText(0), QStringLiteral("<b>"));  // in the history
}

TEST_F(SearchWiring, ReplaceAllThroughTheWindow)
{
    TFM_MainForm& form = Ready(QStringLiteral("cat cat\r\ncat"));
    TFM_Replace& dialog = *form.FM_Replace;
    dialog.CB_Find->setEditText(QStringLiteral("cat"));
    dialog.CB_Replace->setEditText(QStringLiteral("dog"));
    ClickWhenShown(dialog, dialog.BT_ReplaceAll);
    form.MNU_Replace->trigger();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Replace Text"));
    EXPECT_EQ(form.HTML_WINDOW->Text(), QStringLiteral("dog dog\r\ndog"));
    EXPECT_EQ(form.HTML_WINDOW->SelText(), QStringLiteral("dog"));
    EXPECT_TRUE(form.Document().DocumentModified());
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(SearchWiring, JumpToLineAndItsConversionError)
{
    TFM_MainForm& form = Ready(QStringLiteral("a\r\nb\r\nc"));
    prompts.values = {QStringLiteral("2"), QStringLiteral("two")};
    form.MNU_JumpLine->trigger();
    EXPECT_EQ(form.HTML_WINDOW->SelStart(), 3);
    form.MNU_JumpLine->trigger();
    EXPECT_EQ(form.HTML_WINDOW->SelStart(), 3);
    ASSERT_EQ(prompts.Messages(), QStringList{QStringLiteral("'two' is not a valid integer value")});
    EXPECT_EQ(prompts.asked.back().kind, MessageKind::Error);
}

TEST_F(SearchWiring, ClipboardCommandsAndSelectAll)
{
    TFM_MainForm& form = Ready(QStringLiteral("alpha beta"));
    EditControl& edit = *form.HTML_WINDOW;
    edit.SetSelection(0, 5);
    form.MNU_Copy->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("alpha"));
    edit.SetSelection(10);
    form.BT_Paste->click();
    EXPECT_EQ(edit.Text(), QStringLiteral("alpha betaalpha"));
    form.Undo1->trigger();  // pasting is undoable
    EXPECT_EQ(edit.Text(), QStringLiteral("alpha beta"));
    form.SelectAll1->trigger();
    EXPECT_EQ(edit.SelLength(), 10);

    // On the preview page select all does nothing, cut still cuts the editor's selection.
    edit.SetSelection(6, 4);
    form.TabSet1->setCurrentIndex(1);
    ASSERT_EQ(form.NB_MainWindow->currentIndex(), 1);
    form.SelectAll1->trigger();
    EXPECT_EQ(edit.SelLength(), 4);
    form.MNU_Cut->trigger();
    EXPECT_EQ(edit.Text(), QStringLiteral("alpha "));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("beta"));
}

TEST_F(SearchWiring, UndoAfterATagCommandKeepsTheTags)
{
    TFM_MainForm& form = Ready(QString());
    EditControl& edit = *form.HTML_WINDOW;
    QTest::keyClicks(&edit, QStringLiteral("word"));
    edit.SetSelection(0, 4);
    for (QAction* action : form.PopBT_Font->actions())
        if (action->text() == QStringLiteral("&Bold"))
            action->trigger();
    form.Undo1->trigger();
    EXPECT_EQ(edit.Text(), QStringLiteral("<B>word</B>"));
}

TEST_F(SearchWiring, TimeStampButtonInsertsAndHintsTheClocksTime)
{
    QDateTime now(QDate(2024, 5, 6), QTime(0, 0));
    services.clock = [&now] { return now; };
    TFM_MainForm& form = Ready(QStringLiteral("[]"));
    form.HTML_WINDOW->SetSelection(1);
    ASSERT_TRUE(form.BT_Clock->isEnabled());
    form.BT_Clock->click();
    const QString midnight = TimeStampText(now);
    EXPECT_EQ(form.HTML_WINDOW->Text(), QStringLiteral("[") + midnight + QStringLiteral("]"));
    EXPECT_EQ(form.HTML_WINDOW->SelStart(), 1 + midnight.size());

    now = QDateTime(QDate(2024, 5, 6), QTime(9, 30, 15));
    QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(3, 3), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form.BT_Clock, &move);
    EXPECT_EQ(form.BT_Clock->toolTip(), TimeStampText(now));
    EXPECT_NE(form.BT_Clock->toolTip(), midnight);
}

}  // namespace
