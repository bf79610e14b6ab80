#include "editing/usertagwindow.h"

#include "common/delimitedlines.h"
#include "editing/usertaglibrary.h"
#include "platform/profile.h"
#include "support/dialoganswer.h"
#include "support/qtprinters.h"
#include "support/scriptedprompts.h"
#include "support/testfiles.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString CellText(const QTableWidget& grid, int row, int column)
{
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text() : QString();
}

// As the user types into a cell; the cell's editor stays open.
void TypeIntoCell(QTableWidget& grid, int row, int column, const QString& text)
{
    grid.setCurrentCell(row, column);
    grid.edit(grid.model()->index(row, column));
    auto* editor = qobject_cast<QLineEdit*>(grid.indexWidget(grid.currentIndex()));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
}

class UserTagWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        QFile file(libraryPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(twoEntries);
    }

    std::unique_ptr<TFM_UserTag> Window()
    {
        auto window = std::make_unique<TFM_UserTag>(prompts, libraryPath, settingsPath);
        window->LoadLibrary();
        return window;
    }

    std::optional<UserTagPair> Run(std::function<void(TFM_UserTag&)> action)
    {
        const DialogAnswer<TFM_UserTag> answer(std::move(action));
        return RunUserTagDialog(prompts, libraryPath, settingsPath);
    }

    QTemporaryDir folder;
    const QString libraryPath = UserTagLibraryPath(folder.path());
    const QString settingsPath = folder.filePath(QStringLiteral("KIVO.INI"));
    ScriptedPrompts prompts;
    const QByteArray twoEntries = "`<B>`,`</B>`,`bold`\r\n``,``,``\r\n`<I>`,`</I>`,`italic`\r\n";
};

TEST_F(UserTagWindowTest, EditsAreWrittenOnlyBySaveTags)
{
    const auto window = Window();
    window->show();
    QTableWidget& grid = *window->SG1;
    EXPECT_EQ(grid.horizontalHeaderItem(0)->text(), QStringLiteral("Start Tag"));
    EXPECT_EQ(CellText(grid, 2, 2), QStringLiteral("italic"));
    EXPECT_FALSE(window->BT_SaveTag->isEnabled());

    TypeIntoCell(grid, 1, 0, QStringLiteral("<U>"));
    QTest::keyClick(grid.indexWidget(grid.currentIndex()), Qt::Key_Return);
    (void)QTest::qWaitFor([&] { return CellText(grid, 1, 0) == QStringLiteral("<U>"); });
    EXPECT_EQ(CellText(grid, 1, 0), QStringLiteral("<U>"));
    EXPECT_TRUE(window->isVisible());  // Return ends the typing, nothing more
    EXPECT_TRUE(window->BT_SaveTag->isEnabled());
    EXPECT_EQ(ReadFile(libraryPath), twoEntries);

    grid.setItem(1, 2, new QTableWidgetItem(QStringLiteral("it`s")));
    window->BT_SaveTag->click();
    EXPECT_FALSE(window->BT_SaveTag->isEnabled());
    EXPECT_TRUE(ReadFile(libraryPath).startsWith("`<B>`,`</B>`,`bold`\r\n`<U>`,``,`its`\r\n`<I>`"));
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_TRUE(prompts.asked[0].text.contains(QStringLiteral("grave accent")));
}

TEST_F(UserTagWindowTest, InsertTakesTheEditedRowWithoutSavingIt)
{
    const std::optional<UserTagPair> chosen = Run([](TFM_UserTag& window) {
        TypeIntoCell(*window.SG1, 2, 1, QStringLiteral("</I><!-- end -->"));
        window.BT_Insert->click();  // while the cell is still being typed in
    });
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->startText, QStringLiteral("<I>"));
    EXPECT_EQ(chosen->endText, QStringLiteral("</I><!-- end -->"));
    EXPECT_EQ(ReadFile(libraryPath), twoEntries);
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(UserTagWindowTest, ClosingAsksAboutUnsavedEditsOnly)
{
    EXPECT_FALSE(Run([](TFM_UserTag& window) { window.BT_Close->click(); }));
    EXPECT_TRUE(prompts.asked.empty());

    const auto editAnd = [](std::function<void(TFM_UserTag&)> close) {
        return [close](TFM_UserTag& window) {
            window.SG1->setItem(0, 0, new QTableWidgetItem(QStringLiteral("<S>")));
            close(window);
        };
    };
    prompts.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(Run(editAnd([](TFM_UserTag& window) { window.BT_Close->click(); })));
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, QStringLiteral("Save changes before exit?"));
    EXPECT_EQ(prompts.asked[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(ReadFile(libraryPath), twoEntries);

    // Escape is the "&Close" button.
    EXPECT_FALSE(Run(editAnd([](TFM_UserTag& window) { QTest::keyClick(window.SG1, Qt::Key_Escape); })));
    EXPECT_TRUE(ReadFile(libraryPath).startsWith("`<S>`,`</B>`,`bold`\r\n"));
    EXPECT_TRUE(prompts.AllAnswered());
}

TEST_F(UserTagWindowTest, AFailedSaveKeepsTheEditsAndTheWindow)
{
    TFM_UserTag window(prompts, UserTagLibraryPath(folder.filePath(QStringLiteral("gone"))), settingsPath);
    window.LoadLibrary();
    window.show();
    window.SG1->setItem(3, 2, new QTableWidgetItem(QStringLiteral("mine")));
    prompts.answers = {Answer::Yes};
    window.BT_Close->click();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.BT_SaveTag->isEnabled());
    ASSERT_EQ(prompts.asked.size(), 2u);
    EXPECT_EQ(prompts.asked[1].kind, MessageKind::Error);
    EXPECT_TRUE(prompts.asked[1].text.startsWith(QStringLiteral("Cannot create file ")));

    // Closed by its frame, the window asks too.
    prompts.answers = {Answer::No};
    window.close();
    EXPECT_EQ(prompts.asked.size(), 3u);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(UserTagWindowTest, RowsMoveUpAndDownButNotPastTheEnds)
{
    const auto window = Window();
    QTableWidget& grid = *window->SG1;
    grid.setCurrentCell(0, 2);
    window->BT_UP->click();
    EXPECT_EQ(grid.currentRow(), 0);
    EXPECT_FALSE(window->BT_SaveTag->isEnabled());

    grid.setCurrentCell(2, 1);
    window->BT_UP->click();
    window->BT_Down->click();
    window->BT_Down->click();
    EXPECT_EQ(CellText(grid, 3, 0), QStringLiteral("<I>"));
    EXPECT_EQ(CellText(grid, 3, 2), QStringLiteral("italic"));
    EXPECT_EQ(CellText(grid, 2, 0), QString());
    EXPECT_EQ(grid.currentRow(), 3);
    EXPECT_EQ(grid.currentColumn(), 1);
    EXPECT_TRUE(window->BT_SaveTag->isEnabled());

    grid.setItem(253, 0, new QTableWidgetItem(QStringLiteral("last")));
    grid.setCurrentCell(253, 0);
    window->BT_Down->click();
    EXPECT_EQ(CellText(grid, 253, 0), QStringLiteral("last"));
    EXPECT_EQ(grid.rowCount(), 254);
}

TEST_F(UserTagWindowTest, OpensCentredUntilARectangleIsStored)
{
    const QRect screen = QApplication::primaryScreen()->availableGeometry();
    {
        const auto window = Window();
        EXPECT_EQ(window->size(), QSize(600, 396));
        EXPECT_LE((window->geometry().center() - screen.center()).manhattanLength(), 2);
        window->move(screen.left() + 20, screen.top() + 30);
        window->resize(640, 420);
        window->BT_SaveWin->click();
    }
    EXPECT_EQ(Profile(settingsPath).ReadString(QStringLiteral("UserTag"), QStringLiteral("Width"), {}),
              QStringLiteral("640"));
    EXPECT_EQ(Window()->geometry(), QRect(screen.left() + 20, screen.top() + 30, 640, 420));
}

}  // namespace
