#include "platform/focusframe.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

// A grid shows by its frame whether it has the keyboard, as the editor does.
TEST(FocusFrame, TakesTheHighlightWhileTheWidgetHasTheKeyboard)
{
    QWidget window;
    auto* grid = new QTableWidget(3, 2, &window);
    grid->setObjectName(QStringLiteral("SG1"));
    auto* other = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(grid);
    layout->addWidget(other);
    ShowFocusFrame(*grid);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto frame = [grid] { return grid->grab().toImage().pixel(0, grid->height() / 2); };
    other->setFocus();
    EXPECT_EQ(frame(), grid->palette().color(QPalette::Mid).rgb());
    grid->setFocus();
    EXPECT_EQ(frame(), grid->palette().color(QPalette::Highlight).rgb());
}
