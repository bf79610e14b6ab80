#include "wizards/tableeditor.h"

#include "platform/editcontrol.h"

#include <gtest/gtest.h>

namespace {

const QStringList kNewTable = {QStringLiteral("<TABLE>"), QStringLiteral("<TR><TD>x</TD></TR>"),
                               QStringLiteral("</TABLE>")};

class TableCommandTest : public ::testing::Test {
protected:
    EditControl edit;
    QStringList handed;

    bool Run(bool ok)
    {
        return RunTableCommand(edit, [this, ok](QStringList& lines) {
            handed = lines;
            if (ok)
                lines = kNewTable;
            return ok;
        });
    }
};

TEST_F(TableCommandTest, WizardSeesTheWholeLinesUnderTheSelection)
{
    edit.SetText(QStringLiteral("before\r\n<TABLE>\r\n<TR><TD>a</TD></TR>\r\n</TABLE>\r\nafter"));
    edit.SetSelection(edit.LineIndex(1) + 2, edit.LineIndex(3) + 3 - edit.LineIndex(1) - 2);
    EXPECT_FALSE(Run(false));
    EXPECT_EQ(handed, QStringList({"<TABLE>", "<TR><TD>a</TD></TR>", "</TABLE>"}));
    EXPECT_EQ(edit.Text(), QStringLiteral("before\r\n<TABLE>\r\n<TR><TD>a</TD></TR>\r\n</TABLE>\r\nafter"));

    edit.SetSelection(edit.LineIndex(4) + 2);
    Run(false);
    EXPECT_EQ(handed, QStringList({"after"}));
}

TEST_F(TableCommandTest, OkReplacesOnlyTheSelectedCharacters)
{
    edit.SetText(QStringLiteral("one two three"));
    edit.SetSelection(4, 3);
    EXPECT_TRUE(Run(true));
    EXPECT_EQ(handed, QStringList({"one two three"}));
    EXPECT_EQ(edit.Text(), QStringLiteral("one <TABLE>\r\n<TR><TD>x</TD></TR>\r\n</TABLE>\r\n three"));
    EXPECT_EQ(edit.SelLength(), 0);
    EXPECT_EQ(edit.SelStart(), edit.LineIndex(3));
}

TEST_F(TableCommandTest, InsertsAtTheCaretOfAnEmptyDocument)
{
    EXPECT_TRUE(Run(true));
    EXPECT_EQ(handed, QStringList({""}));
    EXPECT_EQ(edit.Text(), kNewTable.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

}  // namespace
