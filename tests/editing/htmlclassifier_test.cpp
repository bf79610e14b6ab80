#include "editing/htmlclassifier.h"

#include <QStringList>
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

char Letter(HtmlPieceKind kind)
{
    switch (kind) {
    case HtmlPieceKind::Text: return '.';
    case HtmlPieceKind::TagMark: return '<';
    case HtmlPieceKind::TagName: return 'n';
    case HtmlPieceKind::AttributeName: return 'a';
    case HtmlPieceKind::AttributeValue: return 'v';
    case HtmlPieceKind::Entity: return 'e';
    case HtmlPieceKind::Comment: return 'c';
    case HtmlPieceKind::Declaration: return 'd';
    case HtmlPieceKind::Ignored: return 'x';
    }
    return '?';
}

// One letter per character of each line, the lines read in order as the
// editor reads them; also checks that the pieces cover every line exactly.
std::vector<std::string> Kinds(const QStringList& lines)
{
    std::vector<std::string> result;
    HtmlLineState state = kHtmlDocumentStart;
    std::vector<HtmlPiece> pieces;
    for (const QString& line : lines) {
        state = ClassifyHtmlLine(line, state, pieces);
        EXPECT_GE(state, 0);
        EXPECT_LT(state, kHtmlLineStateLimit);
        std::string kinds;
        for (const HtmlPiece& piece : pieces) {
            EXPECT_EQ(piece.start, int(kinds.size()));
            kinds.append(std::size_t(piece.length), Letter(piece.kind));
        }
        EXPECT_EQ(int(kinds.size()), int(line.size())) << line.toStdString();
        result.push_back(kinds);
    }
    return result;
}

std::string KindsOf(const QString& line)
{
    return Kinds({line}).front();
}

using Lines = std::vector<std::string>;

TEST(HtmlClassifier, TagsAttributesAndValues)
{
    EXPECT_EQ(KindsOf(QStringLiteral("<P>Hi</P>")), "<n<..<<n<");
    EXPECT_EQ(KindsOf(QStringLiteral("<A HREF=\"x.htm\" target=_top>")), "<n.aaaavvvvvvvv.aaaaaavvvvv<");
    // Numbers with a sign, hex letters and "%"; the heading level belongs to the name.
    EXPECT_EQ(KindsOf(QStringLiteral("<TD width=-50% bgcolor=00FF00>")), "<nn.aaaaavvvvv.aaaaaaavvvvvvv<");
    EXPECT_EQ(KindsOf(QStringLiteral("<h2 align=center>")), "<nn.aaaaavvvvvvv<");
    // What the preview does not read inside a tag is shown as ignored.
    EXPECT_EQ(KindsOf(QStringLiteral("<BR/>")), "<nnx<");
    // A value that goes on after its number is one word.
    EXPECT_EQ(KindsOf(QStringLiteral("<IMG width=100px SRC=89.gif>")), "<nnn.aaaaavvvvvv.aaavvvvvvv<");
}

TEST(HtmlClassifier, GreaterThanInsideQuotesEndsTheTagAsInThePreview)
{
    // The value stops at ">", the tag with it; the rest, the second ">"
    // too, is text.
    EXPECT_EQ(KindsOf(QStringLiteral("<A TITLE=\"a>b\">c")), "<n.aaaaavvv<....");
    EXPECT_EQ(KindsOf(QStringLiteral("<A TITLE='a\"b'>")), "<n.aaaaavvvvvv<");
}

TEST(HtmlClassifier, LessThanThatIsNotATagStart)
{
    // A second "<" inside a tag is part of that tag, not a new one.
    EXPECT_EQ(KindsOf(QStringLiteral("<B <I>x")), "<n.xx<.");
    // Inside a value.
    EXPECT_EQ(KindsOf(QStringLiteral("<A HREF=\"a<b\">")), "<n.aaaavvvvvv<");
    // Inside a TEXTAREA, up to its end tag in any case.
    EXPECT_EQ(Kinds({QStringLiteral("<TEXTAREA rows=2>if a<b then"), QStringLiteral("<b>bold</b></TextArea >z")}),
              (Lines{"<nnnnnnnn.aaaavv<...........", "...........<<nnnnnnnnx<."}));
    // After the TEXTAREA end tag, "<" starts tags again.
    EXPECT_EQ(Kinds({QStringLiteral("<textarea></textarea><b>")}), (Lines{"<nnnnnnnn<<<nnnnnnnn<<n<"}));
    // A "<" followed by anything but a letter, "/", "!" or "?" is text, and
    // so is a ">" outside any tag.
    EXPECT_EQ(KindsOf(QStringLiteral("a < b <3 a > b")), "..............");
    EXPECT_EQ(KindsOf(QStringLiteral("1<2 <b>")), "....<n<");
}

TEST(HtmlClassifier, CommentsAndDeclarations)
{
    EXPECT_EQ(KindsOf(QStringLiteral("<!DOCTYPE HTML PUBLIC>x")), "dddddddddddddddddddddd.");
    EXPECT_EQ(KindsOf(QStringLiteral("a<!-- b -->c")), ".cccccccccc.");
    // "--" followed by anything but dashes, blanks and ">" does not end it.
    EXPECT_EQ(KindsOf(QStringLiteral("<!-- a -- b --- >c")), "ccccccccccccccccc.");
    // A comment spanning lines, its end split between them.
    EXPECT_EQ(Kinds({QStringLiteral("x<!-- one"), QStringLiteral("<B>two</B> --"), QStringLiteral("  >y<B>")}),
              (Lines{".cccccccc", "ccccccccccccc", "ccc.<n<"}));
    // Comments are taken out even inside a tag and inside a quoted value.
    EXPECT_EQ(KindsOf(QStringLiteral("<A<!--c-->HREF=\"a<!--c-->b\">")), "<nccccccccaaaavvvccccccccvv<");
    // A comment left open runs to the end of the document.
    EXPECT_EQ(Kinds({QStringLiteral("<!-- open"), QStringLiteral("<B>")}), (Lines{"ccccccccc", "ccc"}));
}

TEST(HtmlClassifier, EntitiesAreMarkedOnlyWhereThePreviewDecodesThem)
{
    EXPECT_EQ(KindsOf(QStringLiteral("&amp;&copy x")), "eeeeeeeeee..");
    // Case matters, unknown names stay text.
    EXPECT_EQ(KindsOf(QStringLiteral("&Copy; &abcdefg; &foo;")), "......................");
    // Numbers of any length, in hexadecimal too, up to the last character;
    // control characters stay text.
    EXPECT_EQ(KindsOf(QStringLiteral("&Eacute;&#65;&#7;&#0065;")), "eeeeeeeeeeeee....eeeeeee");
    EXPECT_EQ(KindsOf(QStringLiteral("&#x1F600; &#x110000;")), "eeeeeeeee...........");
    // The names beyond Latin-1 need their ";"; names with digits too.
    EXPECT_EQ(KindsOf(QStringLiteral("&hellip; &hellip &euro;")), "eeeeeeee.........eeeeee");
    EXPECT_EQ(KindsOf(QStringLiteral("&frac12;&copy1997")), "eeeeeeeeeeeee....");
    EXPECT_EQ(KindsOf(QStringLiteral("& &# &")), "......");
    // No entities inside tags.
    EXPECT_EQ(KindsOf(QStringLiteral("<A HREF=\"?a&amp;b\">")), "<n.aaaavvvvvvvvvvv<");
}

TEST(HtmlClassifier, TagSplitOverLines)
{
    EXPECT_EQ(Kinds({QStringLiteral("<IMG SRC=\"a.gif\""), QStringLiteral("  ALT=\"two"),
                     QStringLiteral("lines\" BORDER>after")}),
              (Lines{"<nnn.aaavvvvvvvv", "..aaavvvvv", "vvvvvv.aaaaaa<....."}));
    // A "<" at the end of a line is followed by the line break: text.
    EXPECT_EQ(Kinds({QStringLiteral("a <"), QStringLiteral("b>c")}), (Lines{"...", "..."}));
    // A "<" and a name at the end of a line open a tag.
    EXPECT_EQ(Kinds({QStringLiteral("a <B"), QStringLiteral("x>c")}), (Lines{"..<n", "a<."}));
    // A value without quotes ends with its line.
    EXPECT_EQ(Kinds({QStringLiteral("<A HREF=x.htm"), QStringLiteral("NAME=y>")}),
              (Lines{"<n.aaaavvvvvv", "aaaavv<"}));
    // A heading level after the line break.
    EXPECT_EQ(Kinds({QStringLiteral("<H"), QStringLiteral("3>")}), (Lines{"<n", "n<"}));
}

TEST(HtmlClassifier, AnyTextIsCoveredPieceByPiece)
{
    // Lines made of the characters that change the reading, in every order:
    // the pieces cover each line exactly and every state can be read on.
    const QString alphabet = QStringLiteral("<>!-&#;=\"' aAhH1x/?\t%");
    std::mt19937 random(2026);
    QStringList lines;
    for (int i = 0; i < 3000; ++i) {
        QString line;
        const int length = int(random() % 40);
        for (int k = 0; k < length; ++k)
            line += alphabet[qsizetype(random() % alphabet.size())];
        lines << line;
    }
    EXPECT_EQ(Kinds(lines).size(), lines.size());
}

TEST(HtmlClassifier, DamagedStateReadsOnAsText)
{
    std::vector<HtmlPiece> pieces;
    const HtmlLineState state = ClassifyHtmlLine(QStringLiteral("ab"), 31, pieces);
    EXPECT_GE(state, 0);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].kind, HtmlPieceKind::Text);
}

}  // namespace
