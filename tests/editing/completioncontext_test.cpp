#include "editing/completioncontext.h"
#include "editing/completionoffers.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <vector>

namespace {

// The context at the "|" of `text` (lines split at "\n").
CompletionContext At(const char* text)
{
    QString source = QString::fromUtf8(text);
    const int caret = int(source.indexOf(QLatin1Char('|')));
    source.remove(caret, 1);
    QTextDocument document(source);
    MarkupCheckpoints checkpoints(document);
    return ReadCompletionContext(document, caret, checkpoints);
}

QStringList Labels(const CompletionContext& context, const PageNames& page = {})
{
    QStringList labels;
    for (const CompletionOffer& offer : CompletionOffers(context, page))
        labels << offer.label;
    return labels;
}

}  // namespace

TEST(CompletionContext, TagsAreReadAsThePreviewReadsThem)
{
    EXPECT_EQ(At("<|").kind, CompletionKind::ElementName);
    EXPECT_EQ(At("text <ta|").typed, "ta");
    EXPECT_EQ(At("x</|").kind, CompletionKind::EndTag);
    EXPECT_EQ(At("<B>x</b|").typed, "b");
    // A "<" that starts no tag, in a comment, and after a comment's end.
    EXPECT_EQ(At("a < b|").kind, CompletionKind::None);
    EXPECT_EQ(At("a < |").kind, CompletionKind::None);
    EXPECT_EQ(At("<!-- <ta|").kind, CompletionKind::None);
    EXPECT_EQ(At("<!--\n<P |\n-->").kind, CompletionKind::None);
    EXPECT_EQ(At("<!-- a -- >x <ta|").kind, CompletionKind::ElementName);
    EXPECT_EQ(At("<!DOCTYPE html> <|").kind, CompletionKind::ElementName);
    // The preview ends a tag at a ">" even inside quotes: what follows is text.
    EXPECT_EQ(At("<A TITLE=\"x>y\" |").kind, CompletionKind::None);
    EXPECT_EQ(At("<A TITLE=\"x>y\" </|").openElements, QStringList{"A"});
}

TEST(CompletionContext, AttributesAndValuesOfATagOverSeveralLines)
{
    const CompletionContext blank = At("<TABLE BORDER=1\n  WIDTH=\"50%\"\n  | CELLPADDING=2>");
    EXPECT_EQ(blank.kind, CompletionKind::AttributeName);
    EXPECT_EQ(blank.element, "TABLE");
    EXPECT_EQ(blank.present, (QStringList{"BORDER", "WIDTH", "CELLPADDING"}));
    EXPECT_FALSE(Labels(blank).contains("BORDER"));
    EXPECT_TRUE(Labels(blank).contains("BORDERCOLOR"));

    const CompletionContext name = At("<img sr|");
    EXPECT_EQ(name.kind, CompletionKind::AttributeName);
    EXPECT_EQ(name.typed, "sr");
    EXPECT_TRUE(name.present.isEmpty());

    const CompletionContext bare = At("<P ALIGN=|");
    EXPECT_EQ(bare.kind, CompletionKind::AttributeValue);
    EXPECT_EQ(bare.attribute, "ALIGN");
    EXPECT_TRUE(bare.quote.isNull());
    const CompletionContext quoted = At("<P ALIGN=\"ce|\">");
    EXPECT_EQ(quoted.typed, "ce");
    EXPECT_EQ(quoted.quote, QLatin1Char('"'));
    EXPECT_TRUE(quoted.closingQuoteFollows);
    EXPECT_EQ(At("<P ALIGN=ri|").typed, "ri");
    EXPECT_EQ(At("<P ALIGN=\"right\"|").kind, CompletionKind::None);
    // No attributes for end tags.
    EXPECT_EQ(At("</P |").kind, CompletionKind::None);
}

TEST(CompletionContext, OpenElementsWithImpliedAndMisnestedEnds)
{
    EXPECT_EQ(At("<HTML><BODY><P>one<P>two<UL><LI>a<LI>b</UL>\n"
                 "<TABLE><TR><TD>x<TD>y<TR><TH>z\n</|")
                  .openElements,
              (QStringList{"TH", "TR", "TABLE", "BODY", "HTML"}));
    // An end tag closes whatever was left open inside its element.
    EXPECT_EQ(At("<DIV><B><I>x</B> </|").openElements, QStringList{"DIV"});
    EXPECT_EQ(At("<DL><DT>a<DD>b<DT>c</|").openElements, (QStringList{"DT", "DL"}));
    EXPECT_EQ(At("<SELECT><OPTION>a<OPTION>b</|").openElements, (QStringList{"OPTION", "SELECT"}));
    EXPECT_EQ(At("<P>a<BR><IMG SRC=x.gif> </u> </|").openElements, QStringList{"P"});
    EXPECT_EQ(At("<!-- <B> --><I>x</|").openElements, QStringList{"I"});
    // Innermost first, as written; the start of the name typed filters.
    EXPECT_EQ(Labels(At("<Center><Strong>x</|")), (QStringList{"Strong", "Center"}));
    EXPECT_EQ(Labels(At("<Center><Strong>x</c|")), QStringList{"center"});
    // A TEXTAREA's text runs to its own end, the one name offered there.
    EXPECT_EQ(Labels(At("<FORM><TEXTAREA>a <b> </|")), (QStringList{"TEXTAREA", "FORM"}));
    EXPECT_EQ(Labels(At("<FORM><TEXTAREA>a\n</te|")), QStringList{"textarea"});
    EXPECT_EQ(At("<TEXTAREA>a <|").kind, CompletionKind::None);
}

TEST(CompletionContext, AHyphenatedAttributeNameStaysOneName)
{
    const CompletionContext half = At("<META NAME=x HTTP-|");
    EXPECT_EQ(half.kind, CompletionKind::AttributeName);
    EXPECT_EQ(half.typed, "HTTP-");
    EXPECT_EQ(Labels(half), QStringList{"HTTP-EQUIV"});
    EXPECT_EQ(At("<META NAME=x -|").kind, CompletionKind::None);
}

TEST(CompletionContext, CharacterReferencesOnlyInText)
{
    const CompletionContext entity = At("caf&eac|");
    EXPECT_EQ(entity.kind, CompletionKind::Entity);
    EXPECT_EQ(entity.typed, "eac");
    EXPECT_EQ(CompletionOffers(entity).front().text, "eacute;");
    EXPECT_EQ(At("&copy|").typed, "copy");
    // A reference the preview reads without its ";" leaves text behind it.
    EXPECT_EQ(At("&copy 1997 &|").kind, CompletionKind::Entity);
    EXPECT_EQ(At("&copy 1997 <|").kind, CompletionKind::ElementName);
    EXPECT_EQ(At("<!-- &am|").kind, CompletionKind::None);
    EXPECT_EQ(At("<A HREF=\"a?b&c|").kind, CompletionKind::AttributeValue);
    // The case typed first, then the other.
    const QStringList labels = Labels(At("&E|"));
    EXPECT_EQ(labels.front(), QString::fromUtf8("Egrave  È"));
    EXPECT_TRUE(labels.contains(QString::fromUtf8("eacute  é")));
}

TEST(CompletionOffers, LetterCaseFollowsWhatIsTypedThenTheDocument)
{
    EXPECT_EQ(Labels(At("<ta|")), QStringList{"table"});
    EXPECT_EQ(Labels(At("<TA|")), QStringList{"TABLE"});
    EXPECT_TRUE(Labels(At("<|")).contains("TABLE"));
    EXPECT_TRUE(Labels(At("<p>x</p>\n<|")).contains("table"));
    EXPECT_TRUE(Labels(At("<P>x</P><|")).contains("TABLE"));
    EXPECT_TRUE(Labels(At("<img |")).contains("src"));
    EXPECT_TRUE(Labels(At("<IMG |")).contains("SRC"));
    EXPECT_EQ(Labels(At("<p align=c|")), QStringList{"center"});
    EXPECT_EQ(Labels(At("<FONT COLOR=\"r|")), QStringList{"red"});
    EXPECT_EQ(Labels(At("<FONT COLOR=\"|")).size(), 16);
    // A numbering's letter case is its meaning.
    EXPECT_EQ(Labels(At("<OL TYPE=\"a|")), QStringList{"a"});

    const std::vector<CompletionOffer> value = CompletionOffers(At("<BR CLEAR=|"));
    EXPECT_EQ(value.front().text, "\"LEFT\"");
    const std::vector<CompletionOffer> attribute = CompletionOffers(At("<hr nos|"));
    EXPECT_EQ(attribute.front().text, "noshade");
    const std::vector<CompletionOffer> withValue = CompletionOffers(At("<hr al|"));
    EXPECT_EQ(withValue.front(), (CompletionOffer{"align", "align=\"\"", 1, true}));
}

// Readings kept from before a change must give what a fresh read gives:
// edits above, inside and below the kept lines, lines added and removed, an
// element opened at the top that changes everything below, and a comment
// opened and closed again.
TEST(MarkupCheckpoints, ReadingsKeptAcrossChangesMatchAFreshRead)
{
    // Paragraphs read alike line after line, then DIVs open one per line:
    // a reading kept for the wrong line agrees above and shows below.
    QString page;
    for (int i = 0; i < 1200; ++i)
        page += QStringLiteral("%1text %2\n").arg(i < 600 ? "<P>" : "<DIV>").arg(i);
    QTextDocument document(QStringLiteral("<TABLE>\n") + page + QStringLiteral("</TABLE><P>end"));
    // A document tells of its changes once it is laid out, as an editor's is.
    document.documentLayout();
    MarkupCheckpoints kept(document);
    const auto openAt = [](const MarkupReading& reading) {
        return std::vector<QString>(reading.OpenElements());
    };
    const auto check = [&](const char* step) {
        for (int line : {0, 130, 700, document.blockCount() - 1}) {
            MarkupCheckpoints fresh(document);
            const MarkupReading expected = fresh.AtLineStart(line);
            const MarkupReading got = kept.AtLineStart(line);
            EXPECT_TRUE(got.SameAs(expected)) << step << " at line " << line;
            EXPECT_EQ(openAt(got), openAt(expected)) << step << " at line " << line;
        }
    };
    check("first read");
    const auto edit = [&](int line, const QString& insert, int remove = 0) {
        QTextCursor cursor(document.findBlockByNumber(line));
        cursor.movePosition(QTextCursor::Right, QTextCursor::KeepAnchor, remove);
        cursor.insertText(insert);
    };
    edit(3, QStringLiteral("x"));
    check("a letter at the top");
    edit(2, QStringLiteral("<UL><LI>"));
    check("a list opened at the top");
    edit(300, QStringLiteral("one\ntwo\nthree\n"));
    check("lines added in the middle");
    QTextCursor lines(document.findBlockByNumber(100));
    lines.movePosition(QTextCursor::Down, QTextCursor::KeepAnchor, 150);
    lines.removeSelectedText();
    check("lines removed over a kept reading");
    edit(5, QStringLiteral("<!-- "));
    check("a comment opened");
    edit(900, QStringLiteral(" -->"));
    check("and closed far below");
}
