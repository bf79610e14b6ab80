// Where each thing on the page came from in the source, and back.
#include "fakecanvas.h"
#include "samplepages.h"
#include "viewer/htmldocument.h"
#include "viewer/htmlimage.h"
#include "viewer/htmltable.h"
#include "viewer/sections.h"
#include "viewer/sourcemap.h"
#include "viewer/textmarkers.h"

#include <QFile>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Page {
    explicit Page(const QString& text) : source(text)
    {
        doc.LoadText(text);
        doc.Layout(canvas, 400);
    }
    HtmlDocument doc;
    FakeCanvas canvas;
    QString source;
};

void CollectText(const TCell& cell, std::vector<const TSection*>& out)
{
    for (const auto& item : cell.Items) {
        if (const auto* text = dynamic_cast<const TSection*>(item.get()))
            out.push_back(text);
        else if (const auto* table = dynamic_cast<const ThtmlTable*>(item.get())) {
            CollectText(*table->Caption->Cell, out);
            for (const TCellList& row : table->Rows)
                for (const auto& c : row)
                    CollectText(*c->Cell, out);
        }
    }
}

// Every shown character points at what made it: itself, the blanks or line
// ends it collapses, the "&" of its reference, the "<" of its picture or
// control (or of the BR that gave an empty line its blank); and within a section the offsets never go back.
void ExpectEveryCharacterTraced(const HtmlDocument& doc, const QString& source, const std::string& what)
{
    std::vector<const TSection*> sections;
    CollectText(doc.Doc, sections);
    for (const TSection* s : sections) {
        int previous = -1;
        for (int i = 0; i < s->Buff.size(); ++i) {
            const QChar shown = s->Buff[i];
            const int at = s->Source.SourceOf(i);
            ASSERT_GE(at, 0) << what << " at " << i << " of \"" << s->Buff.toStdString() << '"';
            ASSERT_LT(at, source.size()) << what;
            EXPECT_GE(at, previous) << what;
            previous = at;
            const QChar from = source[at];
            const bool ok = from == shown || from == QLatin1Char('&')
                         || (shown == QLatin1Char(' ') && (from.isSpace() || from == QLatin1Char('<')))
                         || ((shown == TextMarkers::Image || shown == TextMarkers::Control) && from == QLatin1Char('<'));
            EXPECT_TRUE(ok) << what << ": '" << QString(shown).toStdString() << "' from '"
                            << QString(from).toStdString() << "' at " << at;
        }
    }
}

const char* const kTricky[] = {
    "a <B>bold</B> word",
    "x &amp; y &copy z &#65; &#0065; &Copy; &#x41; &nbsp;!",
    "a  \r\n\t  b <I>  c</I>   d",
    "<PRE>\r\n  x  &lt;y&gt;\r\n\r\n\tz <B>w</B></PRE>after",
    "<TABLE BORDER><CAPTION>cap</CAPTION><TR><TD COLSPAN=2>wide</TD></TR>"
    "<TR><TD ROWSPAN=2>tall</TD><TD>one</TD></TR><TR><TD>two</TD></TR></TABLE>stray",
    "<UL><LI>one<LI>two<OL><LI>three</OL></UL><DL><DT>term<DD>def</DL>",
    "<FORM>name <INPUT NAME=n> pick <SELECT><OPTION>a<OPTION>b</SELECT> <TEXTAREA>t\r\nu</TEXTAREA> end</FORM>",
    "pic <IMG SRC=\"none.gif\" WIDTH=20 HEIGHT=10> and <IMG SRC=x.gif ALIGN=left> float",
    "a<!-- hidden -->b <!DOCTYPE x> c",
    "1 < 2 and 3 > 2, a <= b",
    "line<BR><BR>after<P>para",
    "before <!-- never closed",
};

TEST(SourceMap, TracesEveryShownCharacterOfTrickyText)
{
    for (const char* text : kTricky) {
        Page page{QString::fromUtf8(text)};
        ExpectEveryCharacterTraced(page.doc, page.source, text);
    }
}

TEST(SourceMap, TracesEveryShownCharacterOfTheSamplePages)
{
    const QDir dir = SamplePageFolder();
    for (const QString& name : SamplePageNames()) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        Page page{QString::fromUtf8(file.readAll())};
        ExpectEveryCharacterTraced(page.doc, page.source, name.toStdString());
    }
}

// The caret place shown for a source offset, and the offset clicked there.
int RoundTrip(Page& page, int offset, SourcePlace& place)
{
    EXPECT_TRUE(PlaceOfSource(page.doc.Doc, page.canvas, offset, place));
    return SourceOffsetAt(page.doc.Doc, page.canvas, place.X, place.Y + place.Height / 2);
}

TEST(SourceMap, ClickBetweenCharactersIsTheSourceCaretPlace)
{
    Page page{QStringLiteral("a <B>bold</B> word &amp; more <I>x</I>")};
    SourcePlace place;
    // Between "o" and "l" of "bold".
    const int l = int(page.source.indexOf(QLatin1String("ld")));
    EXPECT_EQ(RoundTrip(page, l, place), l);
    EXPECT_EQ(page.doc.Doc.Count(), 1);
    EXPECT_EQ(place.Index, 4);
    // Before a character reference: its "&"; after the last character of
    // "bold" the caret stands before "</B>".
    const int amp = int(page.source.indexOf(QLatin1String("&amp;")));
    EXPECT_EQ(RoundTrip(page, amp, place), amp);
    const int afterBold = int(page.source.indexOf(QLatin1String("</B>")));
    EXPECT_EQ(RoundTrip(page, afterBold, place), afterBold);
    // Left of the text: its first character; far right: after its last.
    EXPECT_EQ(SourceOffsetAt(page.doc.Doc, page.canvas, -5, place.Y + 1), 0);
    EXPECT_EQ(SourceOffsetAt(page.doc.Doc, page.canvas, 399, place.Y + 1), page.source.indexOf(QLatin1String("</I>")));
    // Below everything nothing is found.
    EXPECT_EQ(SourceOffsetAt(page.doc.Doc, page.canvas, 5, page.doc.Height + 50), -1);
}

TEST(SourceMap, OffsetsInMarkupShowTheNextTextAndPastTheEndTheLast)
{
    Page page{QStringLiteral("<P>one</P>\r\n<HR>\r\n<P ALIGN=right>two</P>\r\n</BODY>")};
    SourcePlace place;
    const int two = int(page.source.indexOf(QLatin1String("two")));
    ASSERT_TRUE(PlaceOfSource(page.doc.Doc, page.canvas, int(page.source.indexOf(QLatin1String("<HR>"))) + 1, place));
    EXPECT_EQ(place.Section->Buff, QStringLiteral("two"));
    EXPECT_EQ(place.Index, 0);
    EXPECT_EQ(place.Section->Source.SourceOf(place.Index), two);
    EXPECT_GT(place.X, 100) << "right-aligned";
    EXPECT_LE(place.BlockTop, place.Y);
    EXPECT_GE(place.BlockBottom, place.Y + place.Height);
    ASSERT_TRUE(PlaceOfSource(page.doc.Doc, page.canvas, int(page.source.size()), place));
    EXPECT_EQ(place.Section->Buff, QStringLiteral("two"));
    EXPECT_EQ(place.Index, 3);
    // Right after the last letter of a paragraph the caret is still in it.
    ASSERT_TRUE(PlaceOfSource(page.doc.Doc, page.canvas, int(page.source.indexOf(QLatin1String("</P>"))), place));
    EXPECT_EQ(place.Section->Buff, QStringLiteral("one"));
    EXPECT_EQ(place.Index, 3);
    // A view that starts there starts with what follows.
    ASSERT_TRUE(PlaceOfSource(page.doc.Doc, page.canvas, int(page.source.indexOf(QLatin1String("</P>"))), place,
                              SourceAffinity::Following));
    EXPECT_EQ(place.Section->Buff, QStringLiteral("two"));

    Page empty{QStringLiteral("<HR><!-- nothing -->")};
    EXPECT_FALSE(PlaceOfSource(empty.doc.Doc, empty.canvas, 0, place));
}

TEST(SourceMap, TablesPicturesAndPreformattedLinesAnswerWhereTheyStand)
{
    Page page{QStringLiteral("<TABLE BORDER WIDTH=300><TR><TD COLSPAN=2>wide</TD></TR>"
                             "<TR><TD>left</TD><TD>right</TD></TR></TABLE>"
                             "<IMG SRC=\"none.gif\" WIDTH=40 HEIGHT=30> after\r\n"
                             "<PRE>\r\nab\r\n\r\ncd</PRE>")};
    SourcePlace left;
    SourcePlace right;
    const int r = int(page.source.indexOf(QLatin1String("right")));
    EXPECT_EQ(RoundTrip(page, int(page.source.indexOf(QLatin1String("left"))), left), page.source.indexOf(QLatin1String("left")));
    EXPECT_EQ(RoundTrip(page, r + 2, right), r + 2);
    EXPECT_EQ(left.Y, right.Y);
    EXPECT_GT(right.X, left.X + 20);

    // Anywhere on the picture is its tag's "<".
    const int img = int(page.source.indexOf(QLatin1String("<IMG")));
    SourcePlace picture;
    ASSERT_TRUE(PlaceOfSource(page.doc.Doc, page.canvas, img, picture));
    const TImageObj* image = picture.Section->ImageAt(picture.Index);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(picture.X, image->DrawLeft);
    for (int x : {image->DrawLeft + 1, image->DrawLeft + image->ImageWidth - 2})
        EXPECT_EQ(SourceOffsetAt(page.doc.Doc, page.canvas, x, image->DrawTop + 2), img);

    // The empty preformatted line stands where its line begins.
    const int emptyLine = int(page.source.indexOf(QLatin1String("\r\n\r\ncd"))) + 2;
    SourcePlace blank;
    SourcePlace cd;
    ASSERT_TRUE(PlaceOfSource(page.doc.Doc, page.canvas, emptyLine + 2, cd));
    EXPECT_EQ(cd.Section->Buff, QStringLiteral("cd"));
    EXPECT_EQ(SourceOffsetAt(page.doc.Doc, page.canvas, 1, cd.Y - 2), emptyLine);
    EXPECT_TRUE(PlaceOfSource(page.doc.Doc, page.canvas, emptyLine, blank));
}

TEST(SourceMap, TheTopOfAViewIsItsFirstVisibleLine)
{
    QString text;
    for (int i = 0; i < 40; ++i)
        text += QStringLiteral("<P>paragraph %1\r\n").arg(i, 2, 10, QLatin1Char('0'));
    Page page{text};
    EXPECT_EQ(SourceOffsetAtY(page.doc.Doc, 0), text.indexOf(QLatin1String("paragraph 00")));
    SourcePlace place;
    const int twenty = int(text.indexOf(QLatin1String("paragraph 20")));
    ASSERT_TRUE(PlaceOfSource(page.doc.Doc, page.canvas, twenty, place));
    EXPECT_EQ(SourceOffsetAtY(page.doc.Doc, place.Y), twenty);
    // In the space above a paragraph, the paragraph below is the top.
    EXPECT_EQ(SourceOffsetAtY(page.doc.Doc, place.Y - 3), twenty);
    EXPECT_EQ(SourceOffsetAtY(page.doc.Doc, page.doc.Height + 10), -1);
}

// Spans, references, a tab's blanks and characters from no source, in
// enough runs for several marks: once packed they answer as before.
TEST(SourceMap, PackedRunsAnswerAsTheGrowingOnesDid)
{
    auto build = [](TextSource& t) {
        int at = 0, source = 0;
        for (int i = 0; i < 150; ++i) {
            const int kind = i % 4;
            if (kind == 0)
                t.AddSpan(at, source, 5);                 // a word
            else if (kind == 1)
                t.AddPacked(at, source, source + 3);      // a reference
            else if (kind == 2)
                t.AddPacked(at, source, source + 1, 4);   // a tab's blanks
            const int shown[4] = {5, 1, 4, 1};            // 3: a character from no source, after a tag
            const int read[4] = {5, 3, 1, 7 + i};
            at += shown[kind];
            source += read[kind];
        }
        return std::pair{at, source};
    };
    TextSource growing;
    TextSource packed;
    const auto [length, sourceLength] = build(growing);
    build(packed);
    packed.Squeeze();
    for (int i = 0; i <= length; ++i) {
        ASSERT_EQ(packed.SourceOf(i), growing.SourceOf(i)) << i;
        ASSERT_EQ(packed.SourceEndOf(i), growing.SourceEndOf(i)) << i;
    }
    for (int s = -1; s <= sourceLength + 1; ++s)
        for (SourceAffinity affinity : {SourceAffinity::Preceding, SourceAffinity::Following}) {
            int laterIndex[2], laterSource[2];
            const int index = packed.IndexOf(s, laterIndex[0], laterSource[0], affinity);
            ASSERT_EQ(index, growing.IndexOf(s, laterIndex[1], laterSource[1], affinity)) << s;
            ASSERT_EQ(laterIndex[0], laterIndex[1]) << s;
            ASSERT_EQ(laterSource[0], laterSource[1]) << s;
        }
}

} // namespace
