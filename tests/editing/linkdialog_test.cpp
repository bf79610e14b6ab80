#include "editing/hreflinkdialog.h"
#include "editing/linkcommands.h"
#include "platform/editcontrol.h"
#include "platform/profile.h"

#include "support/dialoganswer.h"
#include "support/qtprinters.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

using LinkDialogAnswer = DialogAnswer<TFM_HREFLINK>;

QRadioButton* HeaderItem(const TFM_HREFLINK& dialog, const QString& caption)
{
    for (QRadioButton* item : dialog.RG1->findChildren<QRadioButton*>())
        if (item->text() == caption)
            return item;
    ADD_FAILURE() << "no header item " << caption.toStdString();
    return nullptr;
}

void ChooseRow(TFM_HREFLINK& dialog, int row)
{
    const QRect cell = dialog.SG1->visualItemRect(dialog.SG1->item(row, 0));
    QTest::mouseClick(dialog.SG1->viewport(), Qt::LeftButton, {}, cell.center());
}

class LinkDialog : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    void Start(const QString& text, const QString& selected = QString())
    {
        edit.SetText(text);
        const int at = selected.isEmpty() ? 0 : static_cast<int>(text.indexOf(selected));
        edit.SetSelection(at, static_cast<int>(selected.size()));
    }

    QString SettingsPath() const { return folder.filePath(QStringLiteral("KIVO.INI")); }

    QTemporaryDir folder;
    EditControl edit;
};

}  // namespace

TEST_F(LinkDialog, RemoteModeShowsTheAddressPageWithTheHttpHeader)
{
    Start(QStringLiteral("a word here"), QStringLiteral("word"));
    LinkDialogAnswer answer([](TFM_HREFLINK& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Link to other documents"));
        EXPECT_EQ(dialog.NB_HREF->currentWidget(), dialog.Remote);
        EXPECT_FALSE(dialog.BT_Desc->isVisible());
        EXPECT_EQ(dialog.RG1->title(), QStringLiteral("Header"));
        EXPECT_TRUE(HeaderItem(dialog, QStringLiteral("&http://"))->isChecked());
        EXPECT_EQ(dialog.ChosenHeader(), RemoteHeader::Http);
        EXPECT_EQ(dialog.ED_LINK->text(), QStringLiteral("http://"));
        EXPECT_EQ(dialog.ED_LINK->cursorPosition(), 7);
        EXPECT_EQ(dialog.CHK_Default->text(), QStringLiteral("Save as Default Header"));
        EXPECT_FALSE(dialog.CHK_Default->isChecked());
        QTest::keyClicks(dialog.ED_LINK, QStringLiteral("www.example.org"));
        dialog.BitBtn1->click();
    });
    LinkToRemoteSite(edit, SettingsPath());
    EXPECT_TRUE(answer.Answered());
    const QString anchor = QStringLiteral("<A HREF=\"http://www.example.org\">word</A>");
    EXPECT_EQ(edit.Text(), QStringLiteral("a ") + anchor + QStringLiteral(" here"));
    EXPECT_EQ(edit.SelStart(), 2 + anchor.size());
    // Without "Save as Default Header" the settings file is not touched.
    EXPECT_FALSE(QFile::exists(SettingsPath()));
}

TEST_F(LinkDialog, MailtoAndNoneSwitchTheHeaderAndSelectTheAddressPart)
{
    Start(QStringLiteral("write"), QStringLiteral("write"));
    LinkDialogAnswer answer([](TFM_HREFLINK& dialog) {
        QTest::keyClicks(dialog.ED_LINK, QStringLiteral("ann@example.org"));

        HeaderItem(dialog, QStringLiteral("&mailto:"))->click();
        EXPECT_EQ(dialog.ED_LINK->text(), QStringLiteral("mailto:ann@example.org"));
        EXPECT_EQ(dialog.ED_LINK->selectionStart(), 7);
        EXPECT_EQ(dialog.ED_LINK->selectedText(), QStringLiteral("ann@example.org"));

        HeaderItem(dialog, QStringLiteral("n&one"))->click();
        EXPECT_EQ(dialog.ED_LINK->text(), QStringLiteral("ann@example.org"));
        EXPECT_EQ(dialog.ED_LINK->selectionStart(), 0);
        EXPECT_EQ(dialog.ED_LINK->selectedText(), QStringLiteral("ann@example.org"));

        // Typing replaces the address and keeps the header.
        HeaderItem(dialog, QStringLiteral("&mailto:"))->click();
        QTest::keyClicks(dialog.ED_LINK, QStringLiteral("bob@example.org"));
        EXPECT_EQ(dialog.ED_LINK->text(), QStringLiteral("mailto:bob@example.org"));
        dialog.BitBtn1->click();
    });
    LinkToRemoteSite(edit, SettingsPath());
    EXPECT_EQ(edit.Text(), QStringLiteral("<A HREF=\"mailto:bob@example.org\">write</A>"));
}

TEST_F(LinkDialog, SavedDefaultHeaderStartsTheNextDialog)
{
    Start(QString());
    LinkDialogAnswer first([](TFM_HREFLINK& dialog) {
        HeaderItem(dialog, QStringLiteral("&ftp://"))->click();
        QTest::keyClicks(dialog.ED_LINK, QStringLiteral("files.example.org"));
        dialog.CHK_Default->click();
        dialog.BitBtn1->click();
    });
    LinkToRemoteSite(edit, SettingsPath());
    EXPECT_EQ(edit.Text(), QStringLiteral("<A HREF=\"ftp://files.example.org\"></A>"));
    EXPECT_EQ(Profile(SettingsPath()).ReadString(QStringLiteral("Remote Link"), QStringLiteral("Default"), QString()),
              QStringLiteral("1"));

    Start(QStringLiteral("again"), QStringLiteral("again"));
    LinkDialogAnswer second([](TFM_HREFLINK& dialog) {
        EXPECT_EQ(dialog.ED_LINK->text(), QStringLiteral("ftp://"));
        EXPECT_EQ(dialog.ED_LINK->cursorPosition(), 6);
        EXPECT_TRUE(HeaderItem(dialog, QStringLiteral("&ftp://"))->isChecked());
        EXPECT_FALSE(dialog.CHK_Default->isChecked());
        // The bare header is taken as it is.
        dialog.BitBtn1->click();
    });
    LinkToRemoteSite(edit, SettingsPath());
    EXPECT_TRUE(second.Answered());
    EXPECT_EQ(edit.Text(), QStringLiteral("<A HREF=\"ftp://\">again</A>"));
}

TEST_F(LinkDialog, CancelChangesNeitherTextNorDefault)
{
    Start(QStringLiteral("stay"), QStringLiteral("stay"));
    LinkDialogAnswer answer([](TFM_HREFLINK& dialog) {
        HeaderItem(dialog, QStringLiteral("&news:"))->click();
        dialog.CHK_Default->click();
        dialog.BitBtn2->click();
    });
    LinkToRemoteSite(edit, SettingsPath());
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(edit.Text(), QStringLiteral("stay"));
    EXPECT_FALSE(QFile::exists(SettingsPath()));
}

TEST_F(LinkDialog, BookmarkModeListsTheBookmarksUnderTheHeader)
{
    Start(QStringLiteral("<A NAME=\"top\">Top of page</A>\r\n<a name=\"Pics\">Our Pictures</a>\r\nlink me"),
          QStringLiteral("link me"));
    LinkDialogAnswer answer([](TFM_HREFLINK& dialog) {
        EXPECT_EQ(dialog.NB_HREF->currentWidget(), dialog.Local);
        EXPECT_TRUE(dialog.BT_Desc->isVisible());
        EXPECT_EQ(dialog.BT_Desc->text(), QStringLiteral("Insert with Description"));
        EXPECT_FALSE(dialog.PA_Empty->isVisible());
        EXPECT_EQ(dialog.SG1->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Bookmark"));
        EXPECT_EQ(dialog.SG1->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Description"));
        EXPECT_FALSE(dialog.SG1->horizontalHeader()->isHidden());
        EXPECT_EQ(dialog.SG1->columnCount(), 2);
        // Below the header: a row per bookmark, nothing more to choose.
        EXPECT_EQ(dialog.SG1->rowCount(), 2);
        EXPECT_EQ(dialog.SG1->item(0, 0)->text(), QStringLiteral("top"));
        EXPECT_EQ(dialog.SG1->item(1, 0)->text(), QStringLiteral("Pics"));
        EXPECT_EQ(dialog.SG1->item(1, 1)->text(), QStringLiteral("Our Pictures"));
        EXPECT_EQ(dialog.SG1->currentRow(), 0);
        ChooseRow(dialog, 1);
        dialog.BitBtn1->click();
    });
    LinkToBookmark(edit);
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(edit.Line(2), QStringLiteral("<A HREF=\"#Pics\">link me</A>"));
}

TEST_F(LinkDialog, InsertWithDescriptionTakesTheBookmarksText)
{
    Start(QStringLiteral("<A NAME=\"top\">Top of page</A>\r\nsee here"), QStringLiteral("here"));
    LinkDialogAnswer answer([](TFM_HREFLINK& dialog) { dialog.BT_Desc->click(); });
    LinkToBookmark(edit);
    const QString anchor = QStringLiteral("<A HREF=\"#top\">Top of page</A>");
    EXPECT_EQ(edit.Line(1), QStringLiteral("see ") + anchor);
    EXPECT_EQ(edit.SelStart(), edit.LineIndex(1) + 4 + anchor.size());
}

TEST_F(LinkDialog, NoBookmarkShowsTheMessageAloneAndOkInsertsNothing)
{
    Start(QStringLiteral("<A NAME=\"\">unnamed</A>\r\nword"), QStringLiteral("word"));
    LinkDialogAnswer answer([](TFM_HREFLINK& dialog) {
        EXPECT_TRUE(dialog.PA_Empty->isVisible());
        EXPECT_EQ(dialog.PA_Empty->text(), QStringLiteral("No BookMark Defined"));
        EXPECT_EQ(dialog.PA_Empty->frameShape(), QFrame::NoFrame);
        EXPECT_FALSE(dialog.SG1->isVisible());
        dialog.BitBtn1->click();
    });
    LinkToBookmark(edit);
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(edit.Text(), QStringLiteral("<A NAME=\"\">unnamed</A>\r\nword"));
}

TEST_F(LinkDialog, NoRowChosenAndCancelInsertNothing)
{
    const QString text = QStringLiteral("<A NAME=\"a\">A</A>\r\nx");
    Start(text, QStringLiteral("x"));
    LinkDialogAnswer noRow([](TFM_HREFLINK& dialog) {
        dialog.SG1->setCurrentIndex(QModelIndex());
        dialog.BT_Desc->click();
    });
    LinkToBookmark(edit);
    EXPECT_TRUE(noRow.Answered());
    EXPECT_EQ(edit.Text(), text);

    LinkDialogAnswer cancel([](TFM_HREFLINK& dialog) { dialog.BitBtn2->click(); });
    LinkToBookmark(edit);
    EXPECT_TRUE(cancel.Answered());
    EXPECT_EQ(edit.Text(), text);
}

TEST_F(LinkDialog, RunLinkDialogReportsTheChoiceForOtherWindows)
{
    LinkDialogSetup setup;
    setup.mode = LinkDialogMode::Remote;
    setup.description = QStringLiteral("kept");
    setup.settingsPath = SettingsPath();
    Profile(SettingsPath()).WriteString(QStringLiteral("Remote Link"), QStringLiteral("Default"), QStringLiteral("5"));
    LinkDialogAnswer answer([](TFM_HREFLINK& dialog) {
        EXPECT_EQ(dialog.ChosenHeader(), RemoteHeader::None);
        EXPECT_EQ(dialog.ED_LINK->text(), QString());
        QTest::keyClicks(dialog.ED_LINK, QStringLiteral("/cgi-bin/form"));
        dialog.BitBtn1->click();
    });
    const std::optional<LinkChoice> choice = RunLinkDialog(setup);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->link, QStringLiteral("/cgi-bin/form"));
    EXPECT_EQ(choice->description, QStringLiteral("kept"));

    LinkDialogAnswer cancel([](TFM_HREFLINK& dialog) { dialog.reject(); });
    EXPECT_FALSE(RunLinkDialog(setup));
}
