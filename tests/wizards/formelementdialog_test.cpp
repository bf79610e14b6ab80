#include "support/dialoganswer.h"
#include "wizards/formelementdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList Column(const QTableWidget& grid, int column)
{
    QStringList cells;
    for (int row = 0; row < grid.rowCount(); ++row)
        cells << (grid.item(row, column) ? grid.item(row, column)->text() : QString());
    return cells;
}

void Type(TFM_Element& dialog, int row, const QString& value)
{
    dialog.SG1->item(row, 1)->setText(value);
}

TEST(ElementDialog, TypeChangeRenamesRowsAndKeepsTheirValues)
{
    TFM_Element dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "New Form Element");
    EXPECT_EQ(dialog.CB_ElmType->currentText(), "Text");
    EXPECT_EQ(dialog.CB_ElmType->count(), kFormElementTypeCount);
    EXPECT_EQ(Column(*dialog.SG1, 0), (QStringList{"CAPTION", "NAME", "VALUE", "SIZE", "MAXLENGTH"}));
    EXPECT_EQ(dialog.width(), 270);
    EXPECT_FALSE(dialog.MOPT_List->isVisible());
    EXPECT_FALSE(dialog.CHK1->isVisible());

    Type(dialog, 0, "Lines");
    Type(dialog, 2, "7");
    Type(dialog, 4, "30");
    dialog.SetElementType(FormElementType::TextArea);
    EXPECT_EQ(Column(*dialog.SG1, 0), (QStringList{"CAPTION", "NAME", "ROWS", "COLS", "WRAP"}));
    EXPECT_EQ(Column(*dialog.SG1, 1), (QStringList{"Lines", "", "7", "", "30"}));
    EXPECT_EQ(dialog.width(), 480);
    EXPECT_TRUE(dialog.MOPT_List->isVisible());

    // Rows a shorter grid does not show come back with the longer one.
    dialog.SetElementType(FormElementType::Radio);
    EXPECT_EQ(Column(*dialog.SG1, 1), (QStringList{"Lines", "", "7"}));
    EXPECT_TRUE(dialog.CHK1->isVisible());
    EXPECT_EQ(dialog.width(), 270);
    dialog.SetElementType(FormElementType::Text);
    EXPECT_EQ(Column(*dialog.SG1, 1), (QStringList{"Lines", "", "7", "", "30"}));
    EXPECT_FALSE(dialog.CHK1->isVisible());
}

TEST(ElementDialog, AddAppendsTheEntriesCancelLeavesTheList)
{
    QStringList lines{"kept"};
    DialogAnswer<TFM_Element> add([](TFM_Element& dialog) {
        dialog.SetElementType(FormElementType::CheckBox);
        dialog.CHK1->setChecked(true);
        // Switching away leaves the tick without effect.
        dialog.SetElementType(FormElementType::ButtonSubmit);
        Type(dialog, 2, "Send");
        dialog.CHK_NewLine->setChecked(true);
        dialog.BT_Add->click();
    });
    EXPECT_TRUE(RunElementWizard(lines));
    EXPECT_EQ(lines, (QStringList{"kept", "<P><INPUT TYPE=Submit VALUE=\"Send\">\r\n"}));

    DialogAnswer<TFM_Element> cancel([](TFM_Element& dialog) {
        Type(dialog, 1, "lost");
        dialog.BT_Cancel->click();
    });
    EXPECT_FALSE(RunElementWizard(lines));
    EXPECT_EQ(lines.size(), 2);
}

TEST(ElementDialog, ReadsTheOptionsAndAValueStillBeingTyped)
{
    QStringList lines;
    DialogAnswer<TFM_Element> answer([](TFM_Element& dialog) {
        dialog.SetElementType(FormElementType::ListDropDown);
        dialog.MOPT_List->setPlainText("Red\nGreen\n");
        QTableWidgetItem* name = dialog.SG1->item(1, 1);
        dialog.SG1->setCurrentItem(name);
        dialog.SG1->editItem(name);
        auto* editor = dialog.SG1->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->setText("colour");
        // Alt+A presses the button without taking the focus from the edit.
        dialog.BT_Add->click();
    });
    ASSERT_TRUE(RunElementWizard(lines));
    EXPECT_EQ(lines, (QStringList{"<SELECT NAME=\"colour\">\r\n", "<OPTION>Red\r\n", "<OPTION>Green\r\n",
                                  "</SELECT>\r\n"}));
}

TEST(ElementDialog, KeysTypedIntoTheGridGoToTheValues)
{
    QStringList lines;
    DialogAnswer<TFM_Element> answer([](TFM_Element& dialog) {
        dialog.SG1->setFocus();
        // The first key opens the cell's edit, which takes the keys after it.
        const auto type = [&dialog](const QString& text) {
            QTest::keyClicks(dialog.SG1, text.left(1));
            QWidget* editor = dialog.SG1->indexWidget(dialog.SG1->currentIndex());
            ASSERT_NE(editor, nullptr);
            QTest::keyClicks(editor, text.mid(1));
            QTest::keyClick(editor, Qt::Key_Return);
        };
        type("Name:");
        QTest::keyClick(dialog.SG1, Qt::Key_Down);
        type("user");
        dialog.BT_Add->click();
    });
    ASSERT_TRUE(RunElementWizard(lines));
    EXPECT_EQ(lines, QStringList{"Name: <INPUT TYPE=Text NAME=\"user\">\r\n"});
}

}  // namespace
