#include "platform/editcontrol.h"
#include "platform/linenumbergutter.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

std::vector<int> Numbers(const LineNumberGutter& gutter)
{
    std::vector<int> numbers;
    for (const LineNumberGutter::ShownNumber& shown : gutter.ShownNumbers())
        numbers.push_back(shown.number);
    return numbers;
}

struct ShownEditor {
    ShownEditor()
    {
        edit.resize(320, 240);
        edit.SetLineNumbers(true);
        edit.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&edit));
    }
    EditControl edit;
};

TEST(LineNumberGutter, NumbersLogicalLinesUnderWordWrap)
{
    ShownEditor shown;
    EditControl& edit = shown.edit;
    edit.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QString wrapped;
    for (int i = 0; i < 40; ++i)
        wrapped += QStringLiteral("word ");
    edit.SetText(QStringLiteral("one\r\n") + wrapped + QStringLiteral("\r\nthree\r\nfour"));
    const LineNumberGutter& gutter = *edit.Gutter();
    const std::vector<LineNumberGutter::ShownNumber> lines = gutter.ShownNumbers();
    ASSERT_EQ(Numbers(gutter), (std::vector<int>{1, 2, 3, 4}));
    const int row = lines[1].top - lines[0].top;
    EXPECT_GT(row, 0);
    // The wrapped line takes several rows and one number.
    EXPECT_GE(lines[2].top - lines[1].top, 3 * row);
    EXPECT_EQ(lines[3].top - lines[2].top, row);
    // The commands' view of the text is the same as without numbers.
    EXPECT_EQ(edit.LineCount(), 4);
    EXPECT_EQ(edit.LineIndex(2), 5 + int(wrapped.size()) + 2);
}

TEST(LineNumberGutter, FollowsScrollingAndMakesRoomForLargerNumbers)
{
    ShownEditor shown;
    EditControl& edit = shown.edit;
    edit.SetText(QStringLiteral("a\r\nb\r\nc"));
    const LineNumberGutter& gutter = *edit.Gutter();
    const int narrow = gutter.width();
    EXPECT_GE(edit.viewport()->x(), narrow);

    // Up to 9,999 lines the room stays as it is.
    QString text;
    for (int i = 0; i < 2000; ++i)
        text += QStringLiteral("line\r\n");
    edit.SetText(text);
    EXPECT_EQ(gutter.width(), narrow);
    edit.ScrollLines(1500);
    ASSERT_FALSE(gutter.ShownNumbers().empty());
    EXPECT_EQ(gutter.ShownNumbers().front().number, edit.FirstVisibleLine() + 1);
    EXPECT_EQ(gutter.ShownNumbers().front().number, 1501);
    EXPECT_EQ(edit.LastVisibleLine() + 1, gutter.ShownNumbers().back().number);

    edit.SetText(text.repeated(6));
    EXPECT_GT(gutter.width(), narrow);
    EXPECT_GE(edit.viewport()->x(), gutter.width());

    // The editor's font is the gutter's.
    QFont larger = edit.font();
    larger.setPointSize(larger.pointSize() + 6);
    edit.setFont(larger);
    EXPECT_EQ(gutter.font(), edit.font());

    edit.SetLineNumbers(false);
    EXPECT_FALSE(gutter.isVisible());
    EXPECT_EQ(edit.viewport()->x(), edit.contentsRect().x());
}

}  // namespace
