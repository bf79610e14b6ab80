#include "editing/linkcommands.h"
#include "editing/linkmenu.h"
#include "platform/editcontrol.h"
#include "support/scriptedprompts.h"

#include "support/qtprinters.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

class LinkCommands : public ::testing::Test {
protected:
    // The editor holding `text` with `selected` selected (first occurrence).
    void Start(const QString& text, const QString& selected = QString())
    {
        edit.SetText(text);
        const int at = selected.isEmpty() ? 0 : static_cast<int>(text.indexOf(selected));
        ASSERT_GE(at, 0);
        edit.SetSelection(at, static_cast<int>(selected.size()));
    }

    ScriptedPrompts prompts;
    EditControl edit;
};

}  // namespace

TEST_F(LinkCommands, DefineBookmarkWrapsTheSelectionInANamedAnchor)
{
    Start(QStringLiteral("see Chapter one\r\nnext"), QStringLiteral("Chapter"));
    prompts.values.push_back(QStringLiteral("ch1"));
    DefineBookmark(edit, prompts);

    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].caption, QStringLiteral("Set BookMark"));
    EXPECT_EQ(prompts.asked[0].text, QStringLiteral("BookMark Name"));
    const QString anchor = QStringLiteral("<A NAME=\"ch1\">Chapter</A>");
    EXPECT_EQ(edit.Text(), QStringLiteral("see ") + anchor + QStringLiteral(" one\r\nnext"));
    EXPECT_EQ(edit.SelLength(), 0);
    EXPECT_EQ(edit.SelStart(), 4 + anchor.size());
}

TEST_F(LinkCommands, DefineBookmarkWithoutSelectionOrNameStillWritesTheAnchor)
{
    Start(QStringLiteral("ab"));
    edit.SetSelection(1);
    prompts.values.push_back(QStringLiteral("here"));
    DefineBookmark(edit, prompts);
    EXPECT_EQ(edit.Text(), QStringLiteral("a<A NAME=\"here\"></A>b"));

    Start(QStringLiteral("word"), QStringLiteral("word"));
    prompts.values.push_back(QString());
    DefineBookmark(edit, prompts);
    EXPECT_EQ(edit.Text(), QStringLiteral("<A NAME=\"\">word</A>"));
}

TEST_F(LinkCommands, CancelledPromptLeavesTheTextAlone)
{
    Start(QStringLiteral("keep me"), QStringLiteral("me"));
    prompts.values.push_back(std::nullopt);
    DefineBookmark(edit, prompts);
    EXPECT_EQ(edit.Text(), QStringLiteral("keep me"));
    EXPECT_EQ(edit.SelText(), QStringLiteral("me"));
}

TEST_F(LinkCommands, SelectionOverSeveralLinesKeepsItsLineBreaks)
{
    Start(QStringLiteral("one\r\ntwo\r\nthree"), QStringLiteral("one\r\ntwo"));
    prompts.values.push_back(QStringLiteral("both"));
    DefineBookmark(edit, prompts);
    EXPECT_EQ(edit.Text(), QStringLiteral("<A NAME=\"both\">one\r\ntwo</A>\r\nthree"));
}

TEST_F(LinkCommands, LocalFileInTheDocumentsFolderIsWrittenByNameCaseKept)
{
    Start(QStringLiteral("the Notes"), QStringLiteral("Notes"));
    prompts.files.push_back(QStringLiteral("/home/ann/site/Notes.HTM"));
    LinkToLocalFile(edit, prompts, QStringLiteral("/home/ann/site/index.htm"));

    EXPECT_EQ(edit.Text(), QStringLiteral("the <A HREF=\"Notes.HTM\">Notes</A>"));
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].what, ScriptedPrompts::Asked::What::OpenFile);
    EXPECT_EQ(prompts.asked[0].file.filter, QStringLiteral("HTML files|*.HTML;*.HTM|All files|*.*"));
    EXPECT_TRUE(prompts.asked[0].file.fileName.isEmpty());
}

TEST_F(LinkCommands, LocalFileBelowBesideOrWithoutADocumentName)
{
    const QString document = QStringLiteral("/home/ann/site/pages/a.htm");
    Start(QString());
    prompts.files.push_back(QStringLiteral("/home/ann/site/pages/sub/b.htm"));
    LinkToLocalFile(edit, prompts, document);
    EXPECT_EQ(edit.Text(), QStringLiteral("<A HREF=\"sub/b.htm\"></A>"));

    Start(QString());
    prompts.files.push_back(QStringLiteral("/home/ann/site/other/c.htm"));
    LinkToLocalFile(edit, prompts, document);
    EXPECT_EQ(edit.Text(), QStringLiteral("<A HREF=\"../other/c.htm\"></A>"));

    Start(QStringLiteral("x"), QStringLiteral("x"));
    prompts.files.push_back(QStringLiteral("/home/ann/My Files/d.htm"));
    LinkToLocalFile(edit, prompts, QString());
    EXPECT_EQ(edit.Text(), QStringLiteral("<A HREF=\"file:///home/ann/My Files/d.htm\">x</A>"));
}

TEST_F(LinkCommands, CancelledFileDialogLeavesTheTextAlone)
{
    Start(QStringLiteral("text"), QStringLiteral("text"));
    prompts.files.push_back(std::nullopt);
    LinkToLocalFile(edit, prompts, QStringLiteral("/a/b.htm"));
    EXPECT_EQ(edit.Text(), QStringLiteral("text"));
}

TEST_F(LinkCommands, KivoLinkReplacesTheSelectionAndLeavesTheCaretBehindIt)
{
    Start(QStringLiteral("<BODY>\r\nold\r\n</BODY>"), QStringLiteral("old"));
    InsertKivoLink(edit);
    const QString anchor = QStringLiteral("<A HREF=\"") + kKivoHomePage + QStringLiteral("\">Created with Kivo!</A>");
    EXPECT_EQ(edit.Text(), QStringLiteral("<BODY>\r\n") + anchor + QStringLiteral("\r\n</BODY>"));
    EXPECT_EQ(edit.SelStart(), 8 + anchor.size());
    EXPECT_EQ(edit.SelLength(), 0);
    EXPECT_TRUE(kKivoHomePage.startsWith(QStringLiteral("http://")));
}

TEST_F(LinkCommands, InsertionsCannotBeUndoneLikeTyping)
{
    Start(QStringLiteral("a"));
    InsertKivoLink(edit);
    EXPECT_FALSE(edit.CanUndo());
}

TEST_F(LinkCommands, LinkMenuItemsInOrderRunTheirCommands)
{
    QMenu menu;
    QString documentName = QStringLiteral("/w/first.htm");
    const LinkMenuItems items = FillLinkMenu(
        menu, {edit, prompts, [] { return QString(); }, [&documentName] { return documentName; }, nullptr});

    QStringList captions;
    for (const QAction* action : menu.actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(captions, (QStringList{QStringLiteral("&Done"), QStringLiteral("-"), QStringLiteral("&BookMark"),
                                     QStringLiteral("&Remote Sites"), QStringLiteral("&File on Local Drive"),
                                     QStringLiteral("-"), QStringLiteral("&Define BookMark")}));
    EXPECT_EQ(items.BT_GoBookMark->text(), QStringLiteral("&BookMark"));
    EXPECT_EQ(items.BT_URL->text(), QStringLiteral("&Remote Sites"));

    // The document's name is taken when the command runs, not when the menu is made.
    documentName = QStringLiteral("/w/sub/second.htm");
    Start(QString());
    prompts.files.push_back(QStringLiteral("/w/sub/x.htm"));
    items.LocalDocument1->trigger();
    EXPECT_EQ(edit.Text(), QStringLiteral("<A HREF=\"x.htm\"></A>"));

    Start(QStringLiteral("w"), QStringLiteral("w"));
    prompts.values.push_back(QStringLiteral("n"));
    items.BT_BookMark->trigger();
    EXPECT_EQ(edit.Text(), QStringLiteral("<A NAME=\"n\">w</A>"));
}

TEST_F(LinkCommands, LinkMenuKeepsTheDoneItemItAlreadyHas)
{
    QMenu menu;
    menu.addAction(QStringLiteral("&Done"));
    menu.addSeparator();
    FillLinkMenu(menu, {edit, prompts, {}, {}, nullptr});
    EXPECT_EQ(menu.actions().size(), 7);
}
