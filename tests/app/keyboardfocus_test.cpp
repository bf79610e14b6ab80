// Where the keys go: after start, after a tool-bar button and after a menu command.
#include "mainwindowfixture.h"
#include "platform/editcontrol.h"
#include "support/menuitems.h"
#include "support/testfiles.h"
#include "viewer/htmlviewer.h"

#include <QAbstractButton>
#include <QFrame>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QToolButton>

namespace {

class KeyboardFocus : public MainWindowTest {
protected:
    TFM_MainForm& StartShown(const QStringList& arguments = {})
    {
        TFM_MainForm& form = Start(arguments);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        return form;
    }

    // Typed as the user types: to whatever has the keyboard focus.
    void Type(const QString& text)
    {
        for (const QChar c : text)
            QTest::keyClick(window->windowHandle(), c.toLatin1());
    }

    // Waits a little for the keys to reach `widget`; QTRY_ macros would
    // return silently here, outside a QTest run.
    static bool KeysReach(const QWidget* widget)
    {
        return QTest::qWaitFor([widget] { return QApplication::focusWidget() == widget; }, 2000);
    }

    bool ViewerHasTheKeys() const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus && (focus == window->ViewPage || window->ViewPage->isAncestorOf(focus));
    }
};

TEST_F(KeyboardFocus, AfterStartTheEditorTakesTheKeys)
{
    TFM_MainForm& form = StartShown();
    EXPECT_TRUE(KeysReach(form.HTML_WINDOW));
    form.HTML_WINDOW->SetText(QString());
    Type(QStringLiteral("abc"));
    EXPECT_EQ(form.HTML_WINDOW->Text(), QStringLiteral("abc"));
}

TEST_F(KeyboardFocus, AStartFileShownRenderedGivesTheViewerTheKeysAndAFailedOneTheEditor)
{
    const QString page = Path(QStringLiteral("page.htm"));
    WriteFile(page, "<P>Shown</P>");
    StartShown({page});
    EXPECT_TRUE(QTest::qWaitFor([this] { return ViewerHasTheKeys(); }, 2000));

    window.reset();
    TFM_MainForm& failed = StartShown({Path(QStringLiteral("missing.htm"))});
    EXPECT_TRUE(QTest::qWaitFor([this] { return prompts.Messages().size() == 1; }, 2000));
    EXPECT_TRUE(KeysReach(failed.HTML_WINDOW));
}

TEST_F(KeyboardFocus, APullDownCommandLeavesTheKeysWithTheEditor)
{
    TFM_MainForm& form = StartShown();
    form.HTML_WINDOW->SetText(QStringLiteral("word"));
    form.HTML_WINDOW->SetSelection(0, 4);
    form.HTML_WINDOW->setFocus();
    QTest::mouseClick(form.BT_Font, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&form] { return form.PopBT_Font->isVisible(); }, 2000));
    MenuItem(*form.PopBT_Font, QStringLiteral("&Bold"))->trigger();
    form.PopBT_Font->hide();
    EXPECT_TRUE(KeysReach(form.HTML_WINDOW));
    QTest::keyClick(form.windowHandle(), Qt::Key_End);
    Type(QStringLiteral("!"));
    EXPECT_EQ(form.HTML_WINDOW->Text(), QStringLiteral("<B>word</B>!"));
}

TEST_F(KeyboardFocus, ToolButtonsKeepTheKeysOnTheShownPage)
{
    TFM_MainForm& form = StartShown();
    EXPECT_TRUE(KeysReach(form.HTML_WINDOW));
    QTest::mouseClick(form.BT_Toggle, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([this] { return ViewerHasTheKeys(); }, 2000));
    QTest::mouseClick(form.BT_Refresh, Qt::LeftButton);
    EXPECT_TRUE(ViewerHasTheKeys());
    QTest::mouseClick(form.BT_Toggle, Qt::LeftButton);
    EXPECT_TRUE(KeysReach(form.HTML_WINDOW));
    form.MNU_Toggle->trigger();
    form.MNU_Toggle->trigger();
    EXPECT_TRUE(KeysReach(form.HTML_WINDOW));

    // No button or tab of the bars takes the keys, whoever added it.
    for (QWidget* bar : {static_cast<QWidget*>(form.PA_ToolBar), static_cast<QWidget*>(form.PA_DIRBTN),
                         static_cast<QWidget*>(form.PA_Tabs)}) {
        for (QWidget* control : bar->findChildren<QWidget*>()) {
            if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QTabBar*>(control)) {
                EXPECT_EQ(control->focusPolicy(), Qt::NoFocus) << control->objectName().toStdString();
            }
        }
    }
}

}  // namespace
