#include "imagefiles.h"
#include "platform/editcontrol.h"
#include "platform/kivoerror.h"
#include "support/dialoganswer.h"
#include "support/scriptedprompts.h"
#include "viewer/htmlviewer.h"
#include "wizards/bodycommands.h"
#include "wizards/bodywizard.h"
#include "wizards/colorgrid.h"
#include "wizards/imagedialog.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace imagefiles;

namespace {

class BodyWizardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("pics")));
        ASSERT_TRUE(Write(Path("pics/Sky.gif"), Gif("GIF89a", 30, 20)));
        previousFolder_ = QDir::currentPath();
    }
    void TearDown() override { QDir::setCurrent(previousFolder_); }

    QString Path(const QString& name) const { return folder.filePath(name); }
    QString DocumentName() const { return Path("page.htm"); }

    // Chooses pics/Sky.gif in the image dialog the wizard opens.
    void ChooseSky(TFM_BodyCode& wizard)
    {
        DialogAnswer<TFM_SelImage> answer([&](TFM_SelImage& dialog) {
            EXPECT_EQ(dialog.Mode(), ImageDialogMode::Background);
            dialog.SetFolder(Path("pics"));
            EXPECT_TRUE(WaitFor([&] { return dialog.ChooseFile("Sky.gif"); }));
            dialog.BT_Ok->click();
        });
        wizard.SpeedButton1->click();
        EXPECT_TRUE(answer.Answered());
    }

    QTemporaryDir folder;
    ScriptedPrompts prompts;

private:
    QString previousFolder_;
};

}  // namespace

TEST_F(BodyWizardTest, ColourGridsAndPaletteButtonsBuildTheTagAndTheSampleFollows)
{
    TFM_BodyCode wizard(prompts);
    wizard.Open(QStringLiteral("<BODY>"), DocumentName());
    EXPECT_EQ(wizard.windowTitle(), "Body Code Generator");
    EXPECT_EQ(wizard.Code(), "<BODY>");
    EXPECT_EQ(QDir::currentPath(), QDir(folder.path()).canonicalPath());

    wizard.BGColorGrid->Pick(wizard.BGColorGrid->IndexOf(QColor(0, 0, 0x80)));
    wizard.FntColorGrid->Pick(wizard.FntColorGrid->IndexOf(Qt::yellow));
    EXPECT_EQ(wizard.Code(), R"(<BODY BGCOLOR="#000080"  TEXT="#FFFF00" >)");
    EXPECT_EQ(wizard.HTML_Code->text(), wizard.Code());
    EXPECT_EQ(wizard.BodyViewer->Document().Background, QColor(0, 0, 0x80));
    EXPECT_EQ(wizard.BodyViewer->Document().FontColor, QColor(Qt::yellow));

    // The palette: Cancel changes nothing, OK sets the link colour.
    prompts.colors = {std::nullopt, QColor(0, 0xFF, 0)};
    wizard.SpeedButton4->click();
    EXPECT_EQ(wizard.Code(), R"(<BODY BGCOLOR="#000080"  TEXT="#FFFF00" >)");
    wizard.SpeedButton4->click();
    EXPECT_EQ(wizard.Code(), R"(<BODY BGCOLOR="#000080"  TEXT="#FFFF00"  LINK="#00FF00" >)");
    EXPECT_EQ(wizard.BodyViewer->Document().HotSpotColor, QColor(0, 0xFF, 0));
    prompts.colors = {Qt::white};
    wizard.SpeedButton2->click();
    EXPECT_EQ(wizard.Code(), R"(<BODY BGCOLOR="#000080"  TEXT="#FFFFFF"  LINK="#00FF00" >)");
    EXPECT_TRUE(prompts.AllAnswered());

    // Typed straight into the code field: the sample follows, and it is what OK returns.
    wizard.HTML_Code->selectAll();
    QTest::keyClicks(wizard.HTML_Code, R"(<BODY BGCOLOR="#800000">)");
    EXPECT_EQ(wizard.Code(), R"(<BODY BGCOLOR="#800000">)");
    EXPECT_EQ(wizard.BodyViewer->Document().Background, QColor(0x80, 0, 0));
    EXPECT_TRUE(prompts.Messages().isEmpty());
}

TEST_F(BodyWizardTest, BackgroundPictureWithAndWithoutItsPath)
{
    TFM_BodyCode wizard(prompts);
    wizard.Open(QStringLiteral(R"(<BODY TEXT="#000000">)"), DocumentName());
    EXPECT_EQ(wizard.ED_FileName->text(), "");

    // Without a picture the check box has nothing to shorten.
    wizard.CHK_ExcludePath->click();
    EXPECT_EQ(wizard.Code(), R"(<BODY TEXT="#000000">)");
    wizard.CHK_ExcludePath->click();

    ChooseSky(wizard);
    EXPECT_EQ(wizard.ED_FileName->text(), Path("pics/Sky.gif"));
    EXPECT_EQ(wizard.BackgroundFullPath(), Path("pics/Sky.gif"));
    EXPECT_EQ(wizard.Code(), R"(<BODY TEXT="#000000" BACKGROUND="pics/Sky.gif" >)");
    EXPECT_EQ(wizard.BodyViewer->Document().BackgroundName, "pics/Sky.gif");

    wizard.CHK_ExcludePath->click();
    EXPECT_EQ(wizard.ED_FileName->text(), "Sky.gif");
    EXPECT_EQ(wizard.Code(), R"(<BODY TEXT="#000000" BACKGROUND="Sky.gif" >)");
    wizard.CHK_ExcludePath->click();
    EXPECT_EQ(wizard.ED_FileName->text(), Path("pics/Sky.gif"));
    EXPECT_EQ(wizard.Code(), R"(<BODY TEXT="#000000" BACKGROUND="pics/Sky.gif" >)");

    // Ticked before choosing: only the file name, in its own letter case.
    wizard.CHK_ExcludePath->click();
    ChooseSky(wizard);
    EXPECT_EQ(wizard.Code(), R"(<BODY TEXT="#000000" BACKGROUND="Sky.gif" >)");

    // "&Done" without a picture leaves the tag as it was.
    DialogAnswer<TFM_SelImage> none([](TFM_SelImage& dialog) { dialog.BT_Ok->click(); });
    wizard.SpeedButton1->click();
    EXPECT_TRUE(none.Answered());
    EXPECT_EQ(wizard.Code(), R"(<BODY TEXT="#000000" BACKGROUND="Sky.gif" >)");
    EXPECT_TRUE(prompts.Messages().isEmpty());
}

TEST_F(BodyWizardTest, ExistingBackgroundIsShownWithItsFullPath)
{
    TFM_BodyCode wizard(prompts);
    wizard.Open(QStringLiteral("<body background=pics/Sky.gif>"), DocumentName());
    EXPECT_EQ(wizard.ED_FileName->text(), Path("pics/Sky.gif"));
    wizard.CHK_ExcludePath->click();
    EXPECT_EQ(wizard.Code(), R"(<body BACKGROUND="Sky.gif" >)");
}

TEST_F(BodyWizardTest, MissingDocumentFolderIsReported)
{
    TFM_BodyCode wizard(prompts);
    EXPECT_THROW(wizard.Open(QStringLiteral("<BODY>"), Path("gone/page.htm")), KivoError);
    // Inside the window the failure ends in the error box.
    wizard.FntColorGrid->Pick(0);
    EXPECT_EQ(prompts.Messages(), QStringList{"Cannot change to folder " + Path("gone")});
}

TEST(ColorGrid, NamedColoursAndTheCubeArePickedByMouseAndKeyboard)
{
    TColorGrid grid;
    ASSERT_EQ(grid.ColorCount(), 16 + 216);
    QSet<QRgb> colours;
    for (int i = 0; i < grid.ColorCount(); ++i)
        colours.insert(grid.ColorAt(i).rgb());
    // The named colours black, white, red ... are also in the cube.
    EXPECT_GE(colours.size(), 216);
    EXPECT_EQ(grid.ColorName(0), "Black");
    EXPECT_EQ(grid.ColorName(16), "#000000");

    std::vector<QColor> picked;
    QObject::connect(&grid, &TColorGrid::ColorPicked, [&](const QColor& colour) { picked.push_back(colour); });
    grid.resize(grid.sizeHint());
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(1 + 9 * 13 + 6, 7));  // the tenth named cell
    QTest::mouseClick(&grid, Qt::RightButton, {}, QPoint(7, 7));
    QTest::keyClick(&grid, Qt::Key_Right);
    QTest::keyClick(&grid, Qt::Key_Space);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Return);
    ASSERT_EQ(picked.size(), 3u);
    EXPECT_EQ(picked[0], QColor(Qt::blue));
    EXPECT_EQ(picked[1], QColor(0x80, 0, 0x80));  // Purple, after Blue
    EXPECT_EQ(picked[2], grid.ColorAt(grid.CurrentIndex()));
    EXPECT_GE(grid.CurrentIndex(), 16);
}

// --- The commands over the editor ----------------------------------------

class BodyCommandTest : public BodyWizardTest {
protected:
    // Runs "&Text and Background", answering the wizard with `answer`.
    QString Run(const QString& text, int caret, const std::function<void(TFM_BodyCode&)>& answer)
    {
        edit.SetText(text);
        edit.SetSelection(caret);
        DialogAnswer<TFM_BodyCode> wizard([&](TFM_BodyCode& window) {
            seenTag = window.Code();
            answer(window);
        });
        BodyEditor1Click(edit, prompts, DocumentName(), nullptr);
        EXPECT_TRUE(wizard.Answered());
        return edit.Text();
    }

    static void BlueText(TFM_BodyCode& wizard)
    {
        wizard.FntColorGrid->Pick(wizard.FntColorGrid->IndexOf(Qt::blue));
        wizard.BitBtn1->click();
    }

    EditControl edit;
    QString seenTag;
};

TEST_F(BodyCommandTest, TagOverSeveralLinesIsReplacedInPlaceByOneLine)
{
    EXPECT_EQ(Run("<HTML>\r\n<body bgcolor=white\r\n text=black>\r\n<P>Hi</P>\r\n</body>", 0, BlueText).toStdString(),
              "<HTML>\r\n<body bgcolor=white TEXT=\"#0000FF\" >\r\n<P>Hi</P>\r\n</body>");
    EXPECT_EQ(seenTag, "<body bgcolor=white text=black>");
    // A line break right after the tag name keeps the attribute apart from it.
    EXPECT_EQ(Run("<BODY\r\nLINK=red>", 0, BlueText), "<BODY LINK=red TEXT=\"#0000FF\" >");
    EXPECT_EQ(seenTag, "<BODY LINK=red>");
    // A ">" inside a quoted value does not end the tag.
    EXPECT_EQ(Run("<BODY onLoad=\"go(a>b)\" TEXT=red><P>", 0, BlueText).toStdString(),
              "<BODY onLoad=\"go(a>b)\" TEXT=\"#0000FF\" ><P>");
}

TEST_F(BodyCommandTest, DocumentWithoutBodyTagGetsOneAtTheCaret)
{
    EXPECT_EQ(Run("<P>ab</P>", 4, BlueText), "<P>a<BODY TEXT=\"#0000FF\" >b</P>");
    EXPECT_EQ(seenTag, "<BODY>");
    // A "<BODY" that nothing closes ends with its line; the page's text stays.
    EXPECT_EQ(Run("<BODY TEXT=red \r\n<P>ab", 0, BlueText).toStdString(), "<BODY TEXT=\"#0000FF\" >\r\n<P>ab");
    EXPECT_EQ(seenTag, "<BODY TEXT=red>");
    EXPECT_EQ(Run("x<body\r\nHello", 0, BlueText).toStdString(), "x<body TEXT=\"#0000FF\" >\r\nHello");
}

TEST_F(BodyCommandTest, CancelLeavesTheDocumentAlone)
{
    const QString text = "<BODY\r\nTEXT=red>\r\n";
    EXPECT_EQ(Run(text, 0, [](TFM_BodyCode& wizard) {
                  wizard.FntColorGrid->Pick(0);
                  wizard.BitBtn2->click();
              }),
              text);
}

TEST(ColorCodeCommand, InsertsSixDigitsWithoutHash)
{
    EditControl edit;
    edit.SetText("color=#xx;");
    edit.SetSelection(7, 2);
    ScriptedPrompts prompts;
    prompts.colors = {std::nullopt, QColor(0, 0, 0xFF)};
    ColorCode1Click(edit, prompts);
    EXPECT_EQ(edit.Text(), "color=#xx;");
    ColorCode1Click(edit, prompts);
    EXPECT_EQ(edit.Text(), "color=#0000FF;");
}
