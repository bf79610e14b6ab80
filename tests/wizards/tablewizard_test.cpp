#include "wizards/tablewizard.h"

#include "platform/profile.h"
#include "support/dialoganswer.h"
#include "support/scriptedprompts.h"
#include "support/testfiles.h"
#include "viewer/htmlviewer.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString CellText(const QTableWidget& grid, int row, int column)
{
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text() : QString();
}

void SetCell(QTableWidget& grid, int row, int column, const QString& text)
{
    grid.setItem(row, column, new QTableWidgetItem(text));
}

class TableWizardTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }
    QString Path(const QString& name) const { return folder.filePath(name); }
    std::unique_ptr<TFM_SetTable> Wizard()
    {
        return std::make_unique<TFM_SetTable>(prompts, Path(QStringLiteral("KIVO.INI")));
    }

    QTemporaryDir folder;
    ScriptedPrompts prompts;
};

TEST_F(TableWizardTest, ControlsMapToTheDescription)
{
    const auto wizard = Wizard();
    EXPECT_EQ(wizard->Description(), TableDescription{});
    wizard->ED_CAPTION->setText(QStringLiteral("Sales"));
    wizard->RB_ABOT->setChecked(true);
    wizard->SBS->setValue(0);
    wizard->SWidth->setValue(300);
    wizard->SCS->setValue(2);
    wizard->SHROW->setValue(1);
    SetCell(*wizard->SG1, 0, 0, QStringLiteral("A"));
    SetCell(*wizard->SG1, 2, 1, QStringLiteral("z"));
    const TableDescription table = wizard->Description();
    EXPECT_EQ(table.caption, QStringLiteral("Sales"));
    EXPECT_EQ(table.captionAlignment, CaptionAlignment::Bottom);
    EXPECT_EQ(table.border, 0);
    EXPECT_EQ(table.width, 300);
    EXPECT_EQ(table.cellSpacing, 2);
    EXPECT_EQ(table.headingRows, 1);
    EXPECT_EQ(table.cells.Cell(0, 0), QStringLiteral("A"));
    EXPECT_EQ(table.cells.Cell(1, 2), QStringLiteral("z"));

    QStringList lines;
    wizard->MakeTableLines(lines);
    EXPECT_EQ(lines.mid(0, 3), QStringList({"<TABLE Width=300 CELLSPACING=2>", "<CAPTION ALIGN=BOTTOM>Sales</CAPTION>",
                                            "<TR><TH>A</TH><TH></TH><TH></TH></TR>"}));
}

TEST_F(TableWizardTest, SizeFieldsResizeTheGridAndBoundTheHeadings)
{
    const auto wizard = Wizard();
    SetCell(*wizard->SG1, 0, 0, QStringLiteral("kept"));
    SetCell(*wizard->SG1, 2, 2, QStringLiteral("dropped"));
    wizard->SCOL->setValue(2);
    wizard->SROW->setValue(5);
    EXPECT_EQ(wizard->SG1->columnCount(), 2);
    EXPECT_EQ(wizard->SG1->rowCount(), 5);
    wizard->SCOL->setValue(3);
    EXPECT_EQ(CellText(*wizard->SG1, 0, 0), QStringLiteral("kept"));
    EXPECT_EQ(CellText(*wizard->SG1, 2, 2), QString());
    wizard->SCOL->setValue(0);
    EXPECT_EQ(wizard->SG1->columnCount(), 1);

    wizard->SHROW->setValue(9);
    wizard->SHROWEnter();
    EXPECT_EQ(wizard->SHROW->maximum(), 4);
    EXPECT_EQ(wizard->SHROW->value(), 4);
    wizard->SHCOLEnter();
    EXPECT_EQ(wizard->SHCOL->maximum(), 0);
    wizard->SCP->setValue(-4);
    EXPECT_EQ(wizard->SCP->value(), 0);
}

TEST_F(TableWizardTest, DraggedColumnsAndRowsKeepTheirNewPlace)
{
    const auto wizard = Wizard();
    for (int column = 0; column < 3; ++column)
        SetCell(*wizard->SG1, 0, column, QString(QChar(u'a' + column)));
    SetCell(*wizard->SG1, 1, 0, QStringLiteral("second"));
    wizard->SG1->horizontalHeader()->moveSection(0, 2);
    wizard->SG1->verticalHeader()->moveSection(1, 0);
    QStringList lines;
    wizard->MakeTableLines(lines);
    EXPECT_EQ(lines[1], QStringLiteral("<TR><TD></TD><TD></TD><TD>second</TD></TR>"));
    EXPECT_EQ(lines[2], QStringLiteral("<TR><TD>b</TD><TD>c</TD><TD>a</TD></TR>"));
    EXPECT_EQ(CellText(*wizard->SG1, 1, 0), QStringLiteral("b"));
    EXPECT_EQ(wizard->SG1->horizontalHeader()->logicalIndex(0), 0);
}

TEST_F(TableWizardTest, PreviewShowsTheTableAndEditGoesBack)
{
    const auto wizard = Wizard();
    SetCell(*wizard->SG1, 0, 0, QStringLiteral("Hello"));
    wizard->BT_PreviewClick();
    EXPECT_EQ(wizard->NB_Grid->currentWidget(), wizard->PreviewPage);
    EXPECT_TRUE(wizard->BT_Edit->isEnabled());
    EXPECT_GT(wizard->PreViewGrid->Document().Count(), 0);
    EXPECT_GT(wizard->PreViewGrid->DocumentHeight(), 0);
    wizard->BT_EditClick();
    EXPECT_EQ(wizard->NB_Grid->currentWidget(), wizard->EditPage);
    EXPECT_FALSE(wizard->BT_Edit->isEnabled());
}

TEST_F(TableWizardTest, EditModeShowsTheLoadedSize)
{
    const auto wizard = Wizard();
    wizard->ReadTableLines({"<TABLE Border=1 CELLPADDING=3>", "<CAPTION ALIGN=TOP>Sales</CAPTION>",
                            "<TR><TH>a</TH><TH>b</TH><TH>c</TH><TH>d</TH></TR>",
                            "<TR><TD>1</TD><TD>2</TD><TD>3</TD><TD>4</TD></TR>", "</TABLE>"});
    EXPECT_EQ(wizard->SG1->columnCount(), 4);
    EXPECT_EQ(wizard->SG1->rowCount(), 2);
    EXPECT_EQ(wizard->SCOL->value(), 4);
    EXPECT_EQ(wizard->SROW->value(), 2);
    EXPECT_EQ(CellText(*wizard->SG1, 1, 3), QStringLiteral("4"));
    EXPECT_TRUE(wizard->RB_ATOP->isChecked());
    EXPECT_EQ(wizard->ED_CAPTION->text(), QStringLiteral("Sales"));
    EXPECT_EQ(wizard->SHROW->value(), 1);
    EXPECT_EQ(wizard->SCP->value(), 3);
    EXPECT_TRUE(prompts.Messages().isEmpty());
}

TEST_F(TableWizardTest, ExportThenImportKeepsCommasAndDropsQuotes)
{
    auto wizard = Wizard();
    SetCell(*wizard->SG1, 0, 0, QStringLiteral("a,b"));
    SetCell(*wizard->SG1, 0, 1, QStringLiteral("say \"hi\""));
    SetCell(*wizard->SG1, 2, 2, QStringLiteral("last"));
    const QString file = Path(QStringLiteral("table.txt"));
    prompts.files.push_back(file);
    wizard->BT_ExportClick();
    EXPECT_EQ(ReadFile(file), QByteArray("\"a,b\",\"say \"hi\"\",\"\"\r\n\"\",\"\",\"\"\r\n\"\",\"\",\"last\"\r\n"));
    EXPECT_EQ(prompts.asked.back().file.filter, QStringLiteral("Text Files|*.TXT|All Files|*.*"));
    EXPECT_EQ(prompts.asked.back().file.defaultExtension, QStringLiteral("TXT"));

    wizard = Wizard();
    wizard->SCOL->setValue(1);
    prompts.files.push_back(file);
    wizard->BT_ImportClick();
    EXPECT_EQ(prompts.asked.back().file.fileName, QStringLiteral("*.TXT"));
    EXPECT_EQ(wizard->SCOL->value(), 3);
    EXPECT_EQ(wizard->SROW->value(), 3);
    EXPECT_EQ(CellText(*wizard->SG1, 0, 0), QStringLiteral("a,b"));
    EXPECT_EQ(CellText(*wizard->SG1, 0, 1), QStringLiteral("say hi"));
    EXPECT_EQ(CellText(*wizard->SG1, 2, 2), QStringLiteral("last"));
}

TEST_F(TableWizardTest, ImportOfAwkwardFiles)
{
    const auto wizard = Wizard();
    SetCell(*wizard->SG1, 1, 1, QStringLiteral("kept"));
    // An empty line gives a row without new text; an unbalanced quote
    // quotes the rest of its line.
    WriteFile(Path(QStringLiteral("odd.txt")), "\"x\",\"y\r\n\r\n\"1\",\"2\",\"3\",\"4\"\r\n");
    prompts.files.push_back(Path(QStringLiteral("odd.txt")));
    wizard->BT_ImportClick();
    EXPECT_EQ(wizard->SG1->columnCount(), 4);
    EXPECT_EQ(CellText(*wizard->SG1, 0, 1), QStringLiteral("y"));
    EXPECT_EQ(CellText(*wizard->SG1, 1, 1), QStringLiteral("kept"));
    EXPECT_EQ(CellText(*wizard->SG1, 2, 3), QStringLiteral("4"));

    const GridCells before = wizard->Description().cells;
    WriteFile(Path(QStringLiteral("empty.txt")), "");
    static const char picture[] = "GIF89a\x01\x00\x01\x00\x00\x00,\x00\x00\x00";
    WriteFile(Path(QStringLiteral("picture.gif")), QByteArray(picture, sizeof picture - 1));
    for (const char* name : {"empty.txt", "picture.gif"}) {
        prompts.files.push_back(Path(QLatin1String(name)));
        wizard->BT_ImportClick();
        EXPECT_EQ(wizard->Description().cells, before) << name;
    }
    EXPECT_EQ(prompts.Messages().size(), 2);

    // A file that is not there: the error box, the grid unchanged.
    prompts.files.push_back(Path(QStringLiteral("missing.txt")));
    wizard->BT_Import->click();
    EXPECT_EQ(prompts.asked.back().kind, MessageKind::Error);
    EXPECT_TRUE(prompts.asked.back().text.contains(QStringLiteral("missing.txt")));
    EXPECT_EQ(wizard->Description().cells, before);

    prompts.files.push_back(std::nullopt);
    wizard->BT_ImportClick();
    EXPECT_EQ(wizard->Description().cells, before);
}

TEST_F(TableWizardTest, ImportOfTooManyRowsIsCutWithAWarning)
{
    const auto wizard = Wizard();
    QByteArray bytes;
    for (int row = 0; row < kMaxTableRows + 10; ++row)
        bytes += "a,b\r\n";
    WriteFile(Path(QStringLiteral("long.txt")), bytes);
    prompts.files.push_back(Path(QStringLiteral("long.txt")));
    wizard->BT_ImportClick();
    EXPECT_EQ(wizard->SROW->value(), kMaxTableRows);
    ASSERT_EQ(prompts.Messages().size(), 1);
    EXPECT_EQ(prompts.asked.back().kind, MessageKind::Warning);
}

TEST_F(TableWizardTest, WindowRectangleIsKeptInTheSettingsFile)
{
    auto wizard = Wizard();
    wizard->move(40, 30);
    wizard->resize(900, 600);
    wizard->BT_SaveWinClick();
    const Profile profile(Path(QStringLiteral("KIVO.INI")));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Table"), QStringLiteral("Top"), {}), QStringLiteral("30"));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Table"), QStringLiteral("Left"), {}), QStringLiteral("40"));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Table"), QStringLiteral("Width"), {}), QStringLiteral("900"));
    EXPECT_EQ(profile.ReadString(QStringLiteral("Table"), QStringLiteral("Height"), {}), QStringLiteral("600"));

    wizard = Wizard();
    EXPECT_EQ(wizard->pos(), QPoint(40, 30));
    EXPECT_EQ(wizard->size(), QSize(900, 600));
}

TEST_F(TableWizardTest, RunTableWizardReplacesTheLinesOnlyOnOk)
{
    QStringList lines{QStringLiteral("<table border=0>"), QStringLiteral("<TR><TD>a</TD><TD>b</TD></TR>"),
                      QStringLiteral("</TABLE>")};
    const QStringList original = lines;
    const DialogAnswer<TFM_SetTable> cancel([](TFM_SetTable& wizard) { wizard.BitBtn2->click(); });
    EXPECT_FALSE(RunTableWizard(3, 3, lines, prompts, Path(QStringLiteral("KIVO.INI"))));
    EXPECT_EQ(lines, original);

    const DialogAnswer<TFM_SetTable> ok([](TFM_SetTable& wizard) {
        EXPECT_EQ(wizard.SG1->columnCount(), 2);
        wizard.SG1->item(0, 1)->setText(QStringLiteral("B"));
        wizard.BitBtn1->click();
    });
    EXPECT_TRUE(RunTableWizard(3, 3, lines, prompts, Path(QStringLiteral("KIVO.INI"))));
    EXPECT_EQ(lines, QStringList({"<TABLE>", "<TR><TD>a</TD><TD>B</TD></TR>", "</TABLE>"}));

    QStringList text{QStringLiteral("  <TABLE>")};
    const DialogAnswer<TFM_SetTable> defaults([](TFM_SetTable& wizard) {
        EXPECT_EQ(wizard.SG1->rowCount(), 3);
        wizard.BitBtn1->click();
    });
    EXPECT_TRUE(RunTableWizard(3, 3, text, prompts, Path(QStringLiteral("KIVO.INI"))));
    EXPECT_EQ(text.front(), QStringLiteral("<TABLE Border=1>"));
    EXPECT_EQ(text.size(), 5);
}

}  // namespace

// The keyboard walks the fields as they stand, enters the caption alignment
// at its checked button, and leaves the grid by Tab in its last cell (also
// while typing in it) or by Ctrl+Tab anywhere.
TEST_F(TableWizardTest, TabWalksTheFieldsAndLeavesTheGrid)
{
    const auto wizard = Wizard();
    wizard->show();
    QApplication::setActiveWindow(wizard.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(wizard.get()));
    const auto tab = [&](Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        return QApplication::focusWidget();
    };
    wizard->ED_CAPTION->setFocus();
    EXPECT_EQ(tab(), wizard->RB_ADefault);
    QStringList walked;
    for (int field = 0; field < 9; ++field) {
        QWidget* focus = tab();
        walked << (qobject_cast<QSpinBox*>(focus) ? focus : focus->parentWidget())->objectName();
    }
    EXPECT_EQ(walked, QStringList({"SCOL", "SROW", "SBS", "SHCOL", "SHROW", "SCP", "SWidth", "SHeight", "SCS"}));

    QTableWidget& grid = *wizard->SG1;
    EXPECT_EQ(tab(), &grid);
    grid.setCurrentCell(2, 1);
    EXPECT_EQ(tab(), &grid);
    EXPECT_NE(tab(), &grid);  // from the last cell on to the buttons

    grid.setFocus();
    grid.setCurrentCell(0, 0);
    EXPECT_NE(tab(Qt::ControlModifier), &grid);

    // Typing in the last cell: Tab keeps the text and leaves.
    grid.setFocus();
    grid.setCurrentCell(2, 2);
    SetCell(grid, 2, 2, QString());
    grid.editItem(grid.item(2, 2));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("end"));
    const QWidget* after = tab();
    EXPECT_FALSE(grid.isAncestorOf(after) || after == &grid);
    EXPECT_EQ(CellText(grid, 2, 2), QStringLiteral("end"));
}
