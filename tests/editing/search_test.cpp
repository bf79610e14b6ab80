#include "editing/findcommands.h"
#include "editing/search.h"
#include "platform/editcontrol.h"
#include "platform/kivoerror.h"
#include "support/scriptedprompts.h"

#include "support/editselection.h"
#include "support/qtprinters.h"

#include <QCheckBox>
#include <QComboBox>
#include <gtest/gtest.h>

namespace {

TEST(SearchEditor, FindsAdjacentOccurrencesOneAfterTheOther)
{
    EditControl edit;
    edit.SetText(QStringLiteral("xabab\r\nab"));
    ASSERT_TRUE(SearchEditor(edit, QStringLiteral("ab"), 1, Qt::CaseSensitive));
    EXPECT_EQ(SelectionOf(edit), (Selection{1, 2}));
    const auto next = [&] { return SearchEditor(edit, QStringLiteral("ab"), edit.SelStart() + edit.SelLength(), Qt::CaseSensitive); };
    ASSERT_TRUE(next());
    EXPECT_EQ(SelectionOf(edit), (Selection{3, 2}));
    ASSERT_TRUE(next());
    EXPECT_EQ(SelectionOf(edit), (Selection{7, 2}));
    EXPECT_FALSE(next());  // never wraps to the top
    EXPECT_EQ(SelectionOf(edit), (Selection{7, 2}));
}

TEST(SearchEditor, EmptySelectionSearchesTheCaretLineFromItsStart)
{
    EditControl edit;
    edit.SetText(QStringLiteral("top\r\nfind me, then find\r\nfind"));
    edit.SetSelection(edit.LineIndex(1) + 10);  // caret after the first "find"
    ASSERT_TRUE(SearchEditor(edit, QStringLiteral("find"), edit.SelStart(), Qt::CaseSensitive));
    EXPECT_EQ(edit.SelStart(), edit.LineIndex(1));
}

TEST(SearchEditor, NoMatchAcrossALineBreak)
{
    EditControl edit;
    edit.SetText(QStringLiteral("abc\r\ndef"));
    EXPECT_FALSE(SearchEditor(edit, QStringLiteral("cd"), 1, Qt::CaseSensitive));
    EXPECT_FALSE(SearchEditor(edit, QStringLiteral("c\r\nd"), 1, Qt::CaseSensitive));
    EXPECT_FALSE(SearchEditor(edit, QStringLiteral("bcdef"), 1, Qt::CaseSensitive));
    EXPECT_FALSE(SearchEditor(edit, QString(), 1, Qt::CaseSensitive));
    EXPECT_EQ(SelectionOf(edit), (Selection{0, 0}));
}

TEST(SearchEditor, FoldsOnlyTheLettersAToZ)
{
    EditControl edit;
    edit.SetText(QStringLiteral("é <Body> É"));
    EXPECT_TRUE(SearchEditor(edit, QStringLiteral("<BODY>"), 1, Qt::CaseInsensitive));
    EXPECT_EQ(SelectionOf(edit), (Selection{2, 6}));
    EXPECT_FALSE(SearchEditor(edit, QStringLiteral("<BODY>"), 1, Qt::CaseSensitive));
    edit.SetSelection(0);
    EXPECT_TRUE(SearchEditor(edit, QStringLiteral("É"), 1, Qt::CaseInsensitive));
    EXPECT_EQ(edit.SelStart(), 9);  // not the small é at the start
}

TEST(SearchEditor, WorksBeyondSixteenBits)
{
    EditControl edit;
    edit.SetText(QString(70000, QLatin1Char('x')) + QStringLiteral("\r\n") + QString(5000, QLatin1Char('y')) +
                 QStringLiteral("needle"));
    ASSERT_TRUE(SearchEditor(edit, QStringLiteral("NEEDLE"), 1, Qt::CaseInsensitive));
    EXPECT_EQ(SelectionOf(edit), (Selection{75002, 6}));
}

TEST(ReplaceInEditor, OnceLeavesTheReplacementSelected)
{
    EditControl edit;
    edit.SetText(QStringLiteral("a cat, a cat"));
    EXPECT_EQ(ReplaceInEditor(edit, QStringLiteral("cat"), QStringLiteral("tiger"), 1, Qt::CaseSensitive,
                              ReplaceCount::Once),
              1);
    EXPECT_EQ(edit.Text(), QStringLiteral("a tiger, a cat"));
    EXPECT_EQ(SelectionOf(edit), (Selection{2, 5}));
    EXPECT_FALSE(edit.CanUndo());
}

TEST(ReplaceInEditor, AllReplacesAdjacentOccurrencesAndEndsOnSelfContainingReplacements)
{
    EditControl edit;
    edit.SetText(QStringLiteral("aaaa\r\nxa\r\n"));
    EXPECT_EQ(ReplaceInEditor(edit, QStringLiteral("a"), QStringLiteral("aa"), 1, Qt::CaseSensitive, ReplaceCount::All), 5);
    EXPECT_EQ(edit.Text(), QStringLiteral("aaaaaaaa\r\nxaa\r\n"));
    EXPECT_EQ(SelectionOf(edit), (Selection{11, 2}));  // the last replacement

    edit.SetText(QStringLiteral("abab ab\r\nAB"));
    EXPECT_EQ(ReplaceInEditor(edit, QStringLiteral("ab"), QStringLiteral("<ab>"), 1, Qt::CaseInsensitive, ReplaceCount::All), 4);
    EXPECT_EQ(edit.Text(), QStringLiteral("<ab><ab> <ab>\r\n<ab>"));
}

TEST(ReplaceInEditor, AllWithAnEmptyReplacementRemovesEachOccurrenceOnce)
{
    EditControl edit;
    edit.SetText(QStringLiteral("a<B>b<B>\r\n<B><B>\r\naa<B>bb"));
    EXPECT_EQ(ReplaceInEditor(edit, QStringLiteral("<B>"), QString(), 1, Qt::CaseSensitive, ReplaceCount::All), 5);
    EXPECT_EQ(edit.Text(), QStringLiteral("ab\r\n\r\naabb"));
    EXPECT_EQ(SelectionOf(edit), (Selection{8, 0}));
    // Removing a text does not remove what the removal joins together.
    edit.SetText(QStringLiteral("aabb"));
    EXPECT_EQ(ReplaceInEditor(edit, QStringLiteral("ab"), QString(), 1, Qt::CaseSensitive, ReplaceCount::All), 1);
    EXPECT_EQ(edit.Text(), QStringLiteral("ab"));
}

TEST(ReplaceInEditor, AllOnALargeDocumentGivesTheSameTextInSeveralStretches)
{
    QString text;
    for (int i = 0; i < 30000; ++i)
        text += (i % 7 == 0 ? QStringLiteral("plain line %1\r\n") : QStringLiteral("<b>x</B> and <B>%1</b>\r\n")).arg(i);
    text += QStringLiteral("<B>");
    EditControl edit;
    edit.SetText(text);
    int progressCalls = 0;
    const int replaced = ReplaceInEditor(edit, QStringLiteral("<b>"), QStringLiteral("<Strong>"), 1,
                                         Qt::CaseInsensitive, ReplaceCount::All, [&] { ++progressCalls; });
    QString expected = text;
    expected.replace(QStringLiteral("<b>"), QStringLiteral("<Strong>"), Qt::CaseInsensitive);
    EXPECT_EQ(replaced, 2 * 30000 - 2 * (30000 / 7 + 1) + 1);
    EXPECT_TRUE(edit.Text() == expected);
    EXPECT_GE(progressCalls, 2);
    EXPECT_EQ(SelectionOf(edit), (Selection{edit.TextLength() - 8, 8}));
}

TEST(ReplaceInEditor, StartsAfterASelectedOccurrence)
{
    EditControl edit;
    edit.SetText(QStringLiteral("one two one\r\none"));
    edit.SetSelection(0, 3);
    EXPECT_EQ(ReplaceInEditor(edit, QStringLiteral("one"), QStringLiteral("1"), edit.SelStart(), Qt::CaseSensitive,
                              ReplaceCount::Once),
              1);
    EXPECT_EQ(edit.Text(), QStringLiteral("one two 1\r\none"));
    EXPECT_EQ(ReplaceInEditor(edit, QStringLiteral("zzz"), QStringLiteral("1"), 1, Qt::CaseSensitive, ReplaceCount::All), 0);
}

TEST(JumpToLine, MovesTheCaretToTheLineStart)
{
    EditControl edit;
    edit.SetText(QStringLiteral("a\r\nbb\r\nccc"));
    ScriptedPrompts prompts;
    prompts.values = {QStringLiteral("3"), QStringLiteral("99"), QStringLiteral("0"), QStringLiteral(" 2 "), std::nullopt};
    JumpToLine(edit, prompts);
    EXPECT_EQ(SelectionOf(edit), (Selection{7, 0}));
    EXPECT_EQ(prompts.asked[0].caption, QStringLiteral("Jump to Line"));
    EXPECT_EQ(prompts.asked[0].text, QStringLiteral("Line #"));
    JumpToLine(edit, prompts);
    EXPECT_EQ(SelectionOf(edit), (Selection{10, 0}));  // beyond the end: the end of the text
    JumpToLine(edit, prompts);
    EXPECT_EQ(SelectionOf(edit), (Selection{0, 0}));  // below 1: the first line
    JumpToLine(edit, prompts);
    EXPECT_EQ(SelectionOf(edit), (Selection{3, 0}));
    edit.SetSelection(4, 1);
    JumpToLine(edit, prompts);  // cancelled
    EXPECT_EQ(SelectionOf(edit), (Selection{4, 1}));
}

TEST(JumpToLine, ANonNumberIsAConversionErrorAndTheCaretStays)
{
    EditControl edit;
    edit.SetText(QStringLiteral("a\r\nb"));
    edit.SetSelection(1);
    ScriptedPrompts prompts;
    prompts.values = {QStringLiteral("x7")};
    try {
        JumpToLine(edit, prompts);
        ADD_FAILURE() << "no error";
    } catch (const KivoError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("'x7' is not a valid integer value"));
    }
    EXPECT_EQ(SelectionOf(edit), (Selection{1, 0}));
}

// The find and replace commands over the dialog's fields, its answers scripted.
class FindCommands : public ::testing::Test {
protected:
    TFM_Replace dialog;
    EditControl edit;
    ScriptedPrompts prompts;
    std::deque<Answer> dialogAnswers;
    std::vector<FindDialogMode> shown;
    bool editorActive = true;
    QStringList viewerSearches;

    FindContext Context()
    {
        return {dialog,
                edit,
                prompts,
                editorActive,
                [this](FindDialogMode mode) {
                    shown.push_back(mode);
                    const Answer answer = dialogAnswers.empty() ? Answer::Cancel : dialogAnswers.front();
                    if (!dialogAnswers.empty())
                        dialogAnswers.pop_front();
                    return answer;
                },
                [this](const QString& text, Qt::CaseSensitivity) {
                    viewerSearches << text;
                    return false;
                },
                {}};
    }

    void Type(const QString& find, const QString& replacement = QString())
    {
        dialog.CB_Find->setEditText(find);
        dialog.CB_Replace->setEditText(replacement);
    }
};

TEST_F(FindCommands, FindFromTheTopThenFindNext)
{
    edit.SetText(QStringLiteral("ab\r\nxab"));
    edit.SetSelection(5, 1);
    Type(QStringLiteral("ab"));
    dialogAnswers = {Answer::Ok};
    FindInEditorOrPreview(Context(), FindRequest::Find);
    EXPECT_EQ(SelectionOf(edit), (Selection{0, 2}));
    FindInEditorOrPreview(Context(), FindRequest::FindNext);
    EXPECT_EQ(SelectionOf(edit), (Selection{5, 2}));
    EXPECT_EQ(shown.size(), 1u);
    FindInEditorOrPreview(Context(), FindRequest::FindNext);
    EXPECT_EQ(prompts.Messages(), QStringList{QStringLiteral("Search String \"ab\" not found")});
    EXPECT_EQ(prompts.asked[0].kind, MessageKind::Information);
    EXPECT_EQ(SelectionOf(edit), (Selection{5, 2}));
}

TEST_F(FindCommands, WithoutFromTopSearchesOnFromTheSelection)
{
    edit.SetText(QStringLiteral("ab ab ab"));
    edit.SetSelection(3, 2);
    dialog.CHK_FromTop->setChecked(false);
    Type(QStringLiteral("ab"));
    dialogAnswers = {Answer::Ok};
    FindInEditorOrPreview(Context(), FindRequest::Find);
    EXPECT_EQ(SelectionOf(edit), (Selection{6, 2}));
}

TEST_F(FindCommands, UnsetTextsAndCancelDoNothing)
{
    edit.SetText(QStringLiteral("a  b\tc"));
    for (const QString& text : {QString(), QStringLiteral(" "), QStringLiteral("\tc")}) {
        Type(text);
        dialogAnswers = {Answer::Ok};
        FindInEditorOrPreview(Context(), FindRequest::Find);
        FindInEditorOrPreview(Context(), FindRequest::FindNext);
    }
    Type(QStringLiteral("b"));
    dialogAnswers = {Answer::Cancel};
    FindInEditorOrPreview(Context(), FindRequest::Find);
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(SelectionOf(edit), (Selection{0, 0}));
}

TEST_F(FindCommands, OnThePreviewFindSearchesTheViewerAndHidesFromTop)
{
    editorActive = false;
    dialog.CHK_FromTop->setVisible(true);
    edit.SetText(QStringLiteral("text"));
    Type(QStringLiteral("text"));
    dialogAnswers = {Answer::Ok};
    FindInEditorOrPreview(Context(), FindRequest::Find);
    EXPECT_TRUE(dialog.CHK_FromTop->isHidden());
    EXPECT_EQ(viewerSearches, QStringList{QStringLiteral("text")});
    EXPECT_EQ(prompts.Messages(), QStringList{QStringLiteral("Search String \"text\" not found")});
    EXPECT_EQ(SelectionOf(edit), (Selection{0, 0}));
}

TEST_F(FindCommands, ReplaceOkReplacesTheNextOccurrenceAfterASelectedOne)
{
    edit.SetText(QStringLiteral("old old old"));
    edit.SetSelection(0, 3);
    dialog.CHK_FromTop->setChecked(false);
    Type(QStringLiteral("old"), QStringLiteral("new"));
    dialogAnswers = {Answer::Ok};
    ReplaceFromDialog(Context());
    EXPECT_EQ(shown, std::vector<FindDialogMode>{FindDialogMode::Replace});
    EXPECT_EQ(edit.Text(), QStringLiteral("old new old"));
    EXPECT_EQ(SelectionOf(edit), (Selection{4, 3}));
}

TEST_F(FindCommands, ReplaceAllFromTheTopAndNotFound)
{
    edit.SetText(QStringLiteral("x\r\nold old\r\nold"));
    edit.SetSelection(12, 1);
    Type(QStringLiteral("OLD"), QStringLiteral("new"));
    dialogAnswers = {Answer::Yes, Answer::Yes, Answer::Ok, Answer::Cancel};
    ReplaceFromDialog(Context());
    EXPECT_EQ(edit.Text(), QStringLiteral("x\r\nnew new\r\nnew"));
    EXPECT_TRUE(prompts.asked.empty());
    ReplaceFromDialog(Context());
    Type(QString(), QStringLiteral("new"));
    ReplaceFromDialog(Context());  // an empty text finds nothing
    EXPECT_EQ(prompts.Messages(), (QStringList{QStringLiteral("Search String \"OLD\" not found"),
                                               QStringLiteral("Search String \"\" not found")}));
    ReplaceFromDialog(Context());  // cancelled
    EXPECT_EQ(prompts.asked.size(), 2u);
}

}  // namespace
