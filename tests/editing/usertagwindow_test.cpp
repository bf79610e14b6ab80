#include "editing/usertagwindow.h"

#include "common/delimitedlines.h"
#include "editing/usertaglibrary.h"
#include "platform/profile.h"
#include "support/qtprinters.h"
#include "support/scriptedprompts.h"
#include "support/whenmodal.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

QString CellText(const QTableWidget& grid, int row, int column)
{
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text() : QString();
}

// As the user types into a cell; the editor stays open.
void TypeIntoCell(QTableWidget& grid, int row, int column, const QString& text)
{
    grid.setCurrentCell(row, column);
    grid.edit(grid.model()->index(row, column));
    auto* editor = qobject_cast<QLineEdit*>(grid.indexWidget(grid.currentIndex()));
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WhenShown(std::function<void(TFM_UserTag&)> action)
{
    WhenModal<TFM_UserTag>(std::move(action));
}

class UserTagWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    std::unique_ptr<TFM_UserTag> Window()
    {
        auto window = std::make_unique<TFM_UserTag>(prompts, libraryPath, settingsPath);
        window->LoadLibrary();
        return window;
    }

    QTemporaryDir folder;
    const QString libraryPath = UserTagLibraryPath(folder.path());
    const QString settingsPath = folder.filePath(QStringLiteral("KIVO.INI"));
    ScriptedPrompts prompts;
    const QByteArray twoEntries = "`<B>`,`</B>`,`bold`\r\n``,``,``\r\n`<I>`,`</I>`,`italic`\r\n";
};

TEST_F(UserTagWindowTest, OpensWithTheLibraryUnderItsHeaderRow)
{
    WriteFile(libraryPath, twoEntries);
    const auto window = Window();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("User Tags"));
    QTableWidget& grid = *window->SG1;
    EXPECT_EQ(grid.rowCount(), 254);
    EXPECT_EQ(grid.columnCount(), 3);
    EXPECT_EQ(grid.horizontalHeaderItem(0)->text(), QStringLiteral("Start Tag"));
    EXPECT_EQ(grid.horizontalHeaderItem(1)->text(), QStringLiteral("End Tag"));
    EXPECT_EQ(grid.horizontalHeaderItem(2)->text(), QStringLiteral("Description"));
    EXPECT_EQ(grid.columnWidth(0), 184);
    EXPECT_EQ(grid.columnWidth(2), 178);
    EXPECT_EQ(CellText(grid, 0, 0), QStringLiteral("<B>"));
    EXPECT_EQ(CellText(grid, 2, 2), QStringLiteral("italic"));
    EXPECT_EQ(grid.currentRow(), 0);
    EXPECT_FALSE(window->BT_SaveTag->isEnabled());
    EXPECT_TRUE(window->BT_Insert->isDefault());
    EXPECT_EQ(window->BT_SaveWin->text(), QStringLiteral("Save Window Size && Position"));
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(UserTagWindowTest, ALibraryTooLongForTheListIsShownInPartWithAWarning)
{
    QByteArray bytes;
    for (int line = 0; line < 300; ++line)
        bytes += "`<P>`,`</P>`,``\r\n";
    WriteFile(libraryPath, bytes);
    const auto window = Window();
    EXPECT_EQ(window->SG1->rowCount(), 254);
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].kind, MessageKind::Warning);
    EXPECT_TRUE(prompts.asked[0].text.contains(QStringLiteral("254")));
}

TEST_F(UserTagWindowTest, EditsAreSavedOnlyBySaveTags)
{
    WriteFile(libraryPath, twoEntries);
    const auto window = Window();
    window->show();
    TypeIntoCell(*window->SG1, 1, 0, QStringLiteral("<U>"));
    QTest::keyClick(window->SG1->indexWidget(window->SG1->currentIndex()), Qt::Key_Return);
    QTRY_COMPARE(CellText(*window->SG1, 1, 0), QStringLiteral("<U>"));
    EXPECT_TRUE(window->isVisible());  // Return ended the typing, nothing else
    EXPECT_TRUE(window->BT_SaveTag->isEnabled());
    EXPECT_EQ(ReadFile(libraryPath), twoEntries);

    window->BT_SaveTag->click();
    EXPECT_FALSE(window->BT_SaveTag->isEnabled());
    EXPECT_TRUE(ReadFile(libraryPath).startsWith("`<B>`,`</B>`,`bold`\r\n`<U>`,``,``\r\n`<I>`"));
}

TEST_F(UserTagWindowTest, InsertTakesTheEditedRowWithoutSavingIt)
{
    WriteFile(libraryPath, twoEntries);
    WhenShown([](TFM_UserTag& window) {
        TypeIntoCell(*window.SG1, 2, 1, QStringLiteral("</I><!-- end -->"));
        // Still typing when the button is pressed: the text counts.
        window.BT_Insert->click();
    });
    const std::optional<UserTagPair> chosen = RunUserTagDialog(prompts, libraryPath, settingsPath);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->startText, QStringLiteral("<I>"));
    EXPECT_EQ(chosen->endText, QStringLiteral("</I><!-- end -->"));
    EXPECT_EQ(ReadFile(libraryPath), twoEntries);
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(UserTagWindowTest, CloseAsksAboutUnsavedEditsOnly)
{
    // Untouched: no question, and nothing is written.
    WhenShown([](TFM_UserTag& window) { window.BT_Close->click(); });
    EXPECT_FALSE(RunUserTagDialog(prompts, libraryPath, settingsPath).has_value());
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_FALSE(QFile::exists(libraryPath));

    // No: the edits are dropped.
    prompts.answers = {Answer::No};
    WhenShown([](TFM_UserTag& window) {
        window.SG1->setItem(0, 0, new QTableWidgetItem(QStringLiteral("<S>")));
        window.BT_Close->click();
    });
    EXPECT_FALSE(RunUserTagDialog(prompts, libraryPath, settingsPath).has_value());
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].text, QStringLiteral("Save changes before exit?"));
    EXPECT_EQ(prompts.asked[0].kind, MessageKind::Confirmation);
    EXPECT_EQ(prompts.asked[0].buttons, MessageButtons::YesNo);
    EXPECT_FALSE(QFile::exists(libraryPath));

    // Yes, here by Escape: saved, and still closed with Cancel.
    prompts.answers = {Answer::Yes};
    WhenShown([](TFM_UserTag& window) {
        window.SG1->setItem(0, 0, new QTableWidgetItem(QStringLiteral("<S>")));
        QTest::keyClick(window.SG1, Qt::Key_Escape);
    });
    EXPECT_FALSE(RunUserTagDialog(prompts, libraryPath, settingsPath).has_value());
    EXPECT_TRUE(ReadFile(libraryPath).startsWith("`<S>`,``,``\r\n``,``,``\r\n"));
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
    EXPECT_EQ(CellText(*window.SG1, 3, 2), QStringLiteral("mine"));
}

TEST_F(UserTagWindowTest, RowsMoveUpAndDownButNotPastTheEnds)
{
    WriteFile(libraryPath, twoEntries);
    const auto window = Window();
    QTableWidget& grid = *window->SG1;

    grid.setCurrentCell(0, 2);
    window->BT_UP->click();
    EXPECT_EQ(grid.currentRow(), 0);
    EXPECT_FALSE(window->BT_SaveTag->isEnabled());

    grid.setCurrentCell(2, 1);
    window->BT_UP->click();
    EXPECT_EQ(CellText(grid, 1, 0), QStringLiteral("<I>"));
    EXPECT_EQ(CellText(grid, 1, 2), QStringLiteral("italic"));
    EXPECT_EQ(CellText(grid, 2, 0), QString());
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(grid.currentColumn(), 1);
    EXPECT_TRUE(window->BT_SaveTag->isEnabled());

    window->BT_Down->click();
    window->BT_Down->click();
    EXPECT_EQ(CellText(grid, 3, 0), QStringLiteral("<I>"));
    EXPECT_EQ(CellText(grid, 1, 0), QString());
    EXPECT_EQ(grid.currentRow(), 3);

    grid.setItem(253, 0, new QTableWidgetItem(QStringLiteral("last")));
    grid.setCurrentCell(253, 0);
    window->BT_Down->click();
    EXPECT_EQ(grid.currentRow(), 253);
    EXPECT_EQ(CellText(grid, 253, 0), QStringLiteral("last"));
    EXPECT_EQ(window->Entries().Rows(), 254);
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
    const Profile profile(settingsPath);
    EXPECT_EQ(profile.ReadString(QStringLiteral("UserTag"), QStringLiteral("Top"), {}),
              QString::number(screen.top() + 30));
    EXPECT_EQ(profile.ReadString(QStringLiteral("UserTag"), QStringLiteral("Width"), {}), QStringLiteral("640"));
    const auto reopened = Window();
    EXPECT_EQ(reopened->geometry(), QRect(screen.left() + 20, screen.top() + 30, 640, 420));

    // A rectangle on no screen any more is not where the window goes.
    profile.WriteString(QStringLiteral("UserTag"), QStringLiteral("Left"), QStringLiteral("-30000"));
    const auto lost = Window();
    EXPECT_TRUE(screen.intersects(lost->geometry()));
}

}  // namespace
