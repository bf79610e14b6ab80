#include "wizards/imagedialog.h"

#include "imagefiles.h"
#include "platform/editcontrol.h"
#include "support/dialoganswer.h"
#include "support/scriptedprompts.h"
#include "viewer/htmlviewer.h"
#include "wizards/imagecommand.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

using namespace imagefiles;

namespace {

using ImageDialogAnswer = DialogAnswer<TFM_SelImage>;

QStringList ListedFiles(const TFM_SelImage& dialog)
{
    QStringList names;
    const QAbstractItemModel* model = dialog.FileListBox1->model();
    const QModelIndex root = dialog.FileListBox1->rootIndex();
    for (int row = 0; row < model->rowCount(root); ++row)
        names << model->index(row, 0, root).data().toString();
    names.sort();
    return names;
}

void Choose(TFM_SelImage& dialog, const QString& name)
{
    ASSERT_TRUE(WaitFor([&] { return dialog.ChooseFile(name); })) << name.toStdString();
}

QRadioButton* AlignItem(const TFM_SelImage& dialog, const QString& caption)
{
    for (QRadioButton* item : dialog.RG_Align->findChildren<QRadioButton*>())
        if (item->text() == caption)
            return item;
    return nullptr;
}

class ImageDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(Write(Path("Logo.gif"), Gif("GIF89a", 300, 200)));
        ASSERT_TRUE(Write(Path("photo.jpg"), Jpeg(120, 60)));
        ASSERT_TRUE(Write(Path("pic.png"), Encoded(70, 40, "PNG")));
        ASSERT_TRUE(Write(Path("lying.gif"), Jpeg(50, 50)));
        ASSERT_TRUE(Write(Path("empty.bmp"), {}));
        ASSERT_TRUE(Write(Path("photo.jpeg"), Jpeg(10, 10)));
        ASSERT_TRUE(Write(Path("notes.txt"), "text"));
        ASSERT_TRUE(Write(Path("README"), "text"));
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("x.gif")));
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("sub")));
        ASSERT_TRUE(Write(Path("sub/inner.png"), Encoded(5, 5, "PNG")));
        previousFolder_ = QDir::currentPath();
    }
    void TearDown() override { QDir::setCurrent(previousFolder_); }

    QString Path(const QString& name) const { return folder.filePath(name); }

    std::unique_ptr<TFM_SelImage> Open(ImageDialogMode mode = ImageDialogMode::Picture)
    {
        auto dialog = std::make_unique<TFM_SelImage>(prompts, mode);
        dialog->SetFolder(folder.path());
        return dialog;
    }

    void SetSize(TFM_SelImage& dialog, int width, int height)
    {
        dialog.ED_Width->setValue(width);
        dialog.ED_Height->setValue(height);
    }

    QTemporaryDir folder;
    ScriptedPrompts prompts;

private:
    QString previousFolder_;
};

}  // namespace

TEST_F(ImageDialogTest, FileListShowsTheFilesOfTheChosenType)
{
    auto dialog = Open();
    EXPECT_EQ(dialog->Mask(), "*.jpg;*.gif;*.png");
    // Linux has one root and no drives to choose.
    EXPECT_TRUE(dialog->DriveComboBox1->isHidden());
    const QStringList pictures{"Logo.gif", "lying.gif", "photo.jpg", "pic.png"};
    ASSERT_TRUE(WaitFor([&] { return ListedFiles(*dialog) == pictures; })) << ListedFiles(*dialog).join(',').toStdString();

    dialog->FilterComboBox1->setCurrentIndex(1);
    EXPECT_EQ(dialog->Mask(), "*.gif");
    ASSERT_TRUE(WaitFor([&] { return ListedFiles(*dialog) == QStringList{"Logo.gif", "lying.gif"}; }));

    // Every file, also those without a dot in their names; never a folder.
    dialog->FilterComboBox1->setCurrentIndex(4);
    const QStringList all{"Logo.gif", "README", "empty.bmp", "lying.gif", "notes.txt", "photo.jpeg", "photo.jpg", "pic.png"};
    ASSERT_TRUE(WaitFor([&] { return ListedFiles(*dialog) == all; })) << ListedFiles(*dialog).join(',').toStdString();
}

TEST_F(ImageDialogTest, ShowingTheDialogChoosesNoFile)
{
    auto dialog = Open();
    ASSERT_TRUE(WaitFor([&] { return ListedFiles(*dialog).size() == 4; }));
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    ASSERT_TRUE(WaitFor([&] { return dialog->FileListBox1->hasFocus(); }));
    QTest::qWait(50);
    EXPECT_EQ(dialog->FileName(), "");
    EXPECT_EQ(dialog->LB_Filename->text(), "No File");
    // The arrow keys walk the files and choose each one met.
    QTest::keyClick(dialog->FileListBox1, Qt::Key_Home);
    QTest::keyClick(dialog->FileListBox1, Qt::Key_Down);
    EXPECT_NE(dialog->FileName(), "");
    EXPECT_EQ(dialog->LB_Filename->text(), dialog->FileName());
}

TEST_F(ImageDialogTest, ChoosingAFolderRefillsTheListAndMovesTheTree)
{
    auto dialog = Open();
    Choose(*dialog, "photo.jpg");
    dialog->SetFolder(Path("sub"));
    EXPECT_EQ(dialog->Folder(), QDir(Path("sub")).absolutePath());
    ASSERT_TRUE(WaitFor([&] { return ListedFiles(*dialog) == QStringList{"inner.png"}; }));
    EXPECT_EQ(dialog->FileName(), "");
    const auto* tree = static_cast<const QFileSystemModel*>(dialog->DirectoryListBox1->model());
    EXPECT_EQ(tree->filePath(dialog->DirectoryListBox1->currentIndex()), dialog->Folder());

    // A click in the tree does the same.
    dialog->DirectoryListBox1->setCurrentIndex(tree->index(folder.path()));
    ASSERT_TRUE(WaitFor([&] { return ListedFiles(*dialog).contains("photo.jpg"); }));
    EXPECT_EQ(dialog->Folder(), QDir(folder.path()).absolutePath());
}

TEST_F(ImageDialogTest, ChoosingAFileReadsItsSizeAndPreviewsIt)
{
    auto dialog = Open();
    Choose(*dialog, "photo.jpg");
    EXPECT_EQ(dialog->FileName(), Path("photo.jpg"));
    EXPECT_EQ(dialog->LB_Filename->text(), Path("photo.jpg"));
    EXPECT_EQ(dialog->ED_Width->value(), 120);
    EXPECT_EQ(dialog->ED_Height->value(), 60);
    EXPECT_TRUE(dialog->HTMLViewer1->FindText("Kivo HTML Editor", MatchCase::No));

    Choose(*dialog, "Logo.gif");
    EXPECT_EQ(dialog->ED_Width->value(), 300);
    EXPECT_EQ(dialog->ED_Height->value(), 200);
    Choose(*dialog, "pic.png");
    EXPECT_EQ(dialog->ED_Width->value(), 70);
    EXPECT_EQ(dialog->ED_Height->value(), 40);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_TRUE(dialog->FileListBox1->isEnabled());
}

TEST_F(ImageDialogTest, FilesWithoutASizeLeaveTheFieldsAlone)
{
    auto dialog = Open();
    dialog->FilterComboBox1->setCurrentIndex(4);
    for (const char* name : {"lying.gif", "photo.jpeg", "notes.txt", "README"}) {
        SetSize(*dialog, 7, 9);
        Choose(*dialog, QLatin1String(name));
        EXPECT_EQ(dialog->LB_Filename->text(), Path(QLatin1String(name)));
        EXPECT_EQ(dialog->ED_Width->value(), 7) << name;
        EXPECT_EQ(dialog->ED_Height->value(), 9) << name;
    }
    EXPECT_TRUE(prompts.asked.empty());
}

TEST_F(ImageDialogTest, UnreadableBitmapShowsTheLoadersMessageAndTheDialogGoesOn)
{
    auto dialog = Open();
    dialog->FilterComboBox1->setCurrentIndex(4);
    SetSize(*dialog, 7, 9);
    Choose(*dialog, "empty.bmp");
    EXPECT_EQ(prompts.Messages(), QStringList{"Bitmap image is not valid"});
    EXPECT_EQ(dialog->LB_Filename->text(), Path("empty.bmp"));
    EXPECT_EQ(dialog->ED_Width->value(), 7);
    Choose(*dialog, "photo.jpg");
    EXPECT_EQ(dialog->ED_Width->value(), 120);
}

TEST_F(ImageDialogTest, ViewerWorkDisablesTheFileListAndKeepsItsFocus)
{
    auto dialog = Open();
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    dialog->FileListBox1->setFocus();
    ASSERT_TRUE(WaitFor([&] { return dialog->FileListBox1->hasFocus(); }));
    dialog->HTMLViewer1Processing(true);
    EXPECT_FALSE(dialog->FileListBox1->isEnabled());
    dialog->HTMLViewer1Processing(false);
    EXPECT_TRUE(dialog->FileListBox1->isEnabled());
    EXPECT_TRUE(dialog->FileListBox1->hasFocus());
}

TEST_F(ImageDialogTest, ResultFollowsTheOptions)
{
    auto dialog = Open();
    Choose(*dialog, "Logo.gif");
    AlignItem(*dialog, "Middle")->click();
    dialog->CHK_ISMAP->setChecked(true);
    dialog->ED_ALT->setText("Our logo");
    const QString document = Path("page.htm");
    EXPECT_EQ(dialog->Result(document), R"(<IMG ALIGN=MIDDLE SRC="Logo.gif" ISMAP WIDTH=300 HEIGHT=200 ALT="Our logo">)");
    dialog->CHK_ExcludePath->setChecked(true);
    EXPECT_EQ(dialog->Result("/elsewhere/page.htm"),
              R"(<IMG ALIGN=MIDDLE SRC="Logo.gif" ISMAP WIDTH=300 HEIGHT=200 ALT="Our logo">)");
    dialog->CHK_ExcludePath->setChecked(false);
    EXPECT_EQ(dialog->Result({}), QStringLiteral(R"(<IMG ALIGN=MIDDLE SRC="file://%1" ISMAP WIDTH=300 HEIGHT=200 ALT="Our logo">)")
                                      .arg(Path("Logo.gif")));
}

TEST_F(ImageDialogTest, BackgroundModeHidesTheOptionsAndReturnsTheFullPath)
{
    auto dialog = Open(ImageDialogMode::Background);
    EXPECT_TRUE(dialog->PA_Options->isHidden());
    EXPECT_FALSE(dialog->SpeedButton1->isHidden());
    Choose(*dialog, "pic.png");
    dialog->CHK_ExcludePath->setChecked(true);
    EXPECT_EQ(dialog->Result(Path("page.htm")), Path("pic.png"));
}

// The dialog starts in the document's folder wherever the process is, with
// that folder opened in the tree; a new document starts in the current folder.
TEST_F(ImageDialogTest, RunStartsInTheDocumentsFolderAndReturnsOnDoneOnly)
{
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    ASSERT_TRUE(QDir(Path("sub")).mkpath(QStringLiteral("deeper")));
    ImageDialogAnswer done([&](TFM_SelImage& dialog) {
        const QTreeView& tree = *dialog.DirectoryListBox1;
        EXPECT_EQ(static_cast<const QFileSystemModel*>(tree.model())->filePath(tree.currentIndex()),
                  QDir(Path("sub")).absolutePath());
        EXPECT_TRUE(tree.isExpanded(tree.currentIndex()));
        ASSERT_TRUE(WaitFor([&] { return dialog.ChooseFile("inner.png"); }));
        dialog.ED_ALT->setText(" ");
        dialog.BT_Ok->click();
    });
    EXPECT_EQ(RunImageDialog(prompts, Path("sub/page.htm"), ImageDialogMode::Picture),
              R"(<IMG SRC="inner.png" WIDTH=5 HEIGHT=5>)");
    EXPECT_TRUE(done.Answered());

    ImageDialogAnswer cancel([](TFM_SelImage& dialog) {
        ASSERT_TRUE(WaitFor([&] { return dialog.ChooseFile("inner.png"); }));
        dialog.BT_Select->click();
    });
    EXPECT_EQ(RunImageDialog(prompts, Path("sub/page.htm"), ImageDialogMode::Background), std::nullopt);
    EXPECT_TRUE(cancel.Answered());

    ImageDialogAnswer newDocument([&](TFM_SelImage& dialog) {
        EXPECT_EQ(dialog.Folder(), QDir(folder.path()).absolutePath());
        dialog.BT_Ok->click();
    });
    EXPECT_EQ(RunImageDialog(prompts, QString(), ImageDialogMode::Background), "");
}

TEST_F(ImageDialogTest, PictureCommandReplacesTheSelectionWithTheTag)
{
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    EditControl edit;
    edit.SetText(QStringLiteral("before OLD after"));
    edit.SetSelection(7, 3);
    ImageDialogAnswer done([](TFM_SelImage& dialog) {
        ASSERT_TRUE(WaitFor([&] { return dialog.ChooseFile("photo.jpg"); }));
        dialog.ED_ALT->setText("  ");
        dialog.CHK_ExcludePath->setChecked(true);
        dialog.BT_Ok->click();
    });
    MNU_SelImageClick(edit, prompts, {}, nullptr);
    EXPECT_EQ(edit.Text(), R"(before <IMG SRC="photo.jpg" WIDTH=120 HEIGHT=60 ALT="  "> after)");

    ImageDialogAnswer cancel([](TFM_SelImage& dialog) { dialog.BT_Select->click(); });
    MNU_SelImageClick(edit, prompts, {}, nullptr);
    EXPECT_EQ(edit.Text(), R"(before <IMG SRC="photo.jpg" WIDTH=120 HEIGHT=60 ALT="  "> after)");
}
