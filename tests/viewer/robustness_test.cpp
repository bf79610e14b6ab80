// The parser and layout must survive anything a file can hold.
#include "fakecanvas.h"
#include "platform/kivoerror.h"
#include "viewer/htmldocument.h"
#include "viewer/htmlparser.h"
#include "viewer/sections.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

int LayOut(HtmlDocument& page, int width = 400)
{
    FakeCanvas canvas;
    return page.Layout(canvas, width);
}

QString Repeat(const QString& piece, int times)
{
    QString s;
    s.reserve(piece.size() * times);
    for (int i = 0; i < times; ++i)
        s += piece;
    return s;
}

TEST(Robustness, HundredThousandUnclosedTags)
{
    for (const char* tag : {"<UL><LI>x", "<TABLE><TR><TD>x", "<FONT SIZE=+1>x", "<B><I><A HREF=a>x", "<H1>x",
                            "<BLOCKQUOTE>x", "<DL><DT>x", "<SELECT><OPTION>x", "<PRE>x", "<ADDRESS>x",
                            "<CENTER><P ALIGN=right>x"}) {
        HtmlDocument page;
        page.LoadText(Repeat(QString::fromLatin1(tag), 100000));
        EXPECT_TRUE(page.ParseError.isEmpty()) << tag;
        EXPECT_GT(page.Doc.Count(), 0) << tag;
        EXPECT_GT(LayOut(page), 0) << tag;
    }
}

TEST(Robustness, DeepNestingIsFlattened)
{
    HtmlDocument page;
    page.LoadText(Repeat("<OL><LI>x", 1000) + Repeat("</OL>", 1000));
    int deepest = 0;
    for (int i = 0; i < page.Doc.Count(); ++i)
        if (auto* s = dynamic_cast<TSection*>(page.Doc[i]))
            deepest = std::max(deepest, s->ListLevel);
    EXPECT_EQ(deepest, HtmlParser::MaxNesting);
    EXPECT_GT(LayOut(page), 0);
}

TEST(Robustness, HugeSingleLine)
{
    HtmlDocument page;
    page.LoadText(Repeat("word ", 2 * 1024 * 1024));   // 10 MB without a line end
    ASSERT_EQ(page.Doc.Count(), 1);
    EXPECT_EQ(static_cast<TSection*>(page.Doc[0])->Buff.size(), 10 * 1024 * 1024);   // nothing cut

    HtmlDocument smaller;
    smaller.LoadText(Repeat("word ", 100000) + Repeat("x", 100000));
    EXPECT_GT(LayOut(smaller), 0);
}

TEST(Robustness, NulAndRandomBytes)
{
    QByteArray nul("a\0b<\0B>c&\0;<!\0>d", 17);
    HtmlDocument page;
    HtmlParser parser(page.Doc, page.Names);
    parser.ParseBuffer(nul);
    EXPECT_GT(LayOut(page), 0);

    QRandomGenerator random(1997);
    const QByteArray alphabet("<>&#;/=\"' \r\n\tABCDEFHILMOPRSTUVabcdefhiptr0123456789-!%+\x1a\xe9\xff\x00", 57);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes(int(random.bounded(1, 3000)), '\0');
        for (char& b : bytes)
            b = random.bounded(4) == 0 ? char(random.bounded(256)) : alphabet[int(random.bounded(alphabet.size()))];
        HtmlDocument doc;
        HtmlParser p(doc.Doc, doc.Names);
        try {
            p.ParseBuffer(bytes);
        } catch (const KivoError&) {
            // Only the open comment may be reported.
        }
        LayOut(doc, int(random.bounded(30, 900)));
        doc.Doc.SelStart = 0;
        doc.Doc.SelEnd = 1 << 30;
        doc.Doc.SelectedText();
        doc.Doc.FindString(0, QStringLiteral("a"), MatchCase::No);
    }
}

TEST(Robustness, ZeroAndTinyWidths)
{
    HtmlDocument page;
    page.LoadText("<UL><UL><UL><LI>text <IMG ALIGN=left WIDTH=50 HEIGHT=50> more text<TABLE BORDER><TR><TD>a<TD>b"
                  "</TABLE></UL></UL></UL><PRE>pre</PRE><HR WIDTH=10%>");
    for (int width : {0, 1, 5, 21, 60})
        EXPECT_GT(LayOut(page, width), 0) << width;
}

} // namespace
