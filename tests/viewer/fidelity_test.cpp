// Pages as people really write them: stray "<" and ">", percentages that do
// not add up, rules after lists, the full entity set, text beyond Latin-1.
#include "viewertestutil.h"
#include "viewer/htmltable.h"
#include "viewer/qtcanvas.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// All text of the document's top-level sections, joined with "|".
QString AllText(const QString& html)
{
    HtmlDocument page;
    page.LoadText(html);
    QString text;
    for (int i = 0; i < page.Doc.Count(); ++i)
        if (auto* s = dynamic_cast<TSection*>(page.Doc[i]); s && !s->IsEmpty())
            text += s->Buff + QLatin1Char('|');
    return text;
}

TEST(StrayAngleBrackets, AreTextUnlessATagStarts)
{
    EXPECT_EQ(AllText("<P>if a < b and c > d then x"), "if a < b and c > d then x|");
    EXPECT_EQ(AllText("<P>[<\"][^>\"]+[\">]"), "[<\"][^>\"]+[\">]|");
    EXPECT_EQ(AllText("x<=y, 1 <2, a<\r\nb, end <"), "x<=y, 1 <2, a< b, end <|");
    // What does start a tag still does: letters, "/", "!", "?".
    EXPECT_EQ(AllText("a<B>b</B><!-- c -->d<?xml x?>e<Unknown>f"), "abdef|");
    EXPECT_EQ(AllText("<PRE>if (a < 0 && b>c)</PRE>"), "if (a < 0 && b>c)|");
}

ThtmlTable* FirstTable(LaidOutPage& p)
{
    for (int i = 0; i < p.Doc().Count(); ++i)
        if (auto* t = dynamic_cast<ThtmlTable*>(p.Doc()[i]))
            return t;
    return nullptr;
}

QString Chars(std::initializer_list<char32_t> codes)
{
    QString s;
    for (char32_t c : codes)
        s += QString::fromUcs4(&c, 1);
    return s;
}

TEST(References, TheHtml4NamesAndNumbersBeyondLatin1)
{
    EXPECT_EQ(AllText("a&mdash;b&ndash;&ldquo;q&rdquo;&rsquo;&hellip;&trade;&euro;"),
              "a" + Chars({0x2014}) + "b" + Chars({0x2013, 0x201C}) + "q" + Chars({0x201D, 0x2019, 0x2026, 0x2122, 0x20AC}) + "|");
    EXPECT_EQ(AllText("&frac12;&sup2;&frac34;&bull;&middot;&thetasym;&Omega;&alefsym;"),
              Chars({189, 178, 190, 0x2022, 183, 0x3D1, 0x3A9, 0x2135}) + "|");
    EXPECT_EQ(AllText("&#8212;&#x40;&#X4a;&#x1F600;&#128512;"), Chars({0x2014, '@', 'J', 0x1F600, 0x1F600}) + "|");
    // 128 to 159 as Windows-1252, holes and the unusable stay as written.
    EXPECT_EQ(AllText("&#151;&#146;&#128;&#x96;"), Chars({0x2014, 0x2019, 0x20AC, 0x2013}) + "|");
    EXPECT_EQ(AllText("&#129;&#0;&#xD800;&#x110000;&#99999999999;&#x;&#7"),
              "&#129;&#0;&#xD800;&#x110000;&#99999999999;&#x;&#7|");

    // The old Latin-1 names keep their rules; the new ones need their ";".
    EXPECT_EQ(AllText("&copy1997 &sup2 &eacutex &mdash &nothing &Mdash; &bogus;"),
              Chars({169}) + "1997 &sup2 &eacutex &mdash &nothing &Mdash; &bogus;|");
    EXPECT_EQ(AllText("&thetasyms; &amp;lt;"), "&thetasyms; &lt;|");
}

TEST(Unicode, KeptFoundCopiedAndMeasured)
{
    const QString words = QString::fromUtf8("\u03A9\u03BC\u03AD\u03B3\u03B1 \u65E5\u672C\u8A9E \U0001F600 end");
    LaidOutPage p("<P>" + words);
    TSection* s = p.SectionWith(QStringLiteral("end"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Buff, words);
    const int at = p.Doc().FindString(0, QString::fromUtf8("\u65E5\u672C\u8A9E"), MatchCase::Yes);
    ASSERT_GE(at, 0);
    p.Doc().SelStart = at;
    p.Doc().SelEnd = at + 6;   // the three characters, a blank and the two halves of the face
    EXPECT_EQ(p.Doc().SelectedText().trimmed(), QString::fromUtf8("\u65E5\u672C\u8A9E \U0001F600"));

    // Measured by the fonts that draw them: wider than nothing, and a run
    //  
    QtCanvas canvas;
    canvas.SelectFont(CanvasFont{});
    const QString han = QString::fromUtf8("\u65E5\u672C\u8A9E");
    EXPECT_GT(canvas.TextWidth(han), canvas.TextWidth(u"a"));
    EXPECT_GT(canvas.TextWidth(QString::fromUtf8("\U0001F600")), 0);
}

TEST(TablePercents, ShortOfAHundredFillTheWidthAskedFor)
{
    // 400 pixels of text; the default spacing of 3 leaves 397 for the columns.
    LaidOutPage full("<TABLE WIDTH=100% BORDER=1><TR><TD WIDTH=30%>a<TD WIDTH=30%>b</TABLE>");
    ASSERT_TRUE(FirstTable(full));
    EXPECT_EQ(FirstTable(full)->Widths, (std::vector<int>{198, 198}));
    LaidOutPage uneven("<TABLE WIDTH=100%><TR><TD WIDTH=10%>a<TD WIDTH=30%>b</TABLE>");
    EXPECT_EQ(FirstTable(uneven)->Widths, (std::vector<int>{397 * 25 / 100, 397 * 75 / 100}));
    LaidOutPage pixels("<TABLE WIDTH=203><TR><TD WIDTH=20%>a<TD WIDTH=20%>b</TABLE>");
    EXPECT_EQ(FirstTable(pixels)->Widths, (std::vector<int>{100, 100}));

    // Without a table width, or with a column left free, the shares stay as written.
    LaidOutPage free("<TABLE><TR><TD WIDTH=30%>a<TD WIDTH=30%>b</TABLE>");
    EXPECT_LT(FirstTable(free)->TableWidth, 200);
    LaidOutPage rest("<TABLE WIDTH=100%><TR><TD WIDTH=30%>a<TD>b</TABLE>");
    EXPECT_EQ(FirstTable(rest)->Widths[0], 397 * 30 / 100);
    EXPECT_GT(FirstTable(rest)->TableWidth, 395);
}

TEST(ListIndent, EndsWithTheListAlsoBeforeARuleOrTable)
{
    LaidOutPage p("<UL><LI>item<HR></UL><HR>text<DL><DD>d</DL><HR>"
                  "<UL><LI>x<TABLE><TR><TD>in</TABLE></UL><TABLE><TR><TD>out</TABLE>");
    std::vector<int> rules;
    for (int i = 0; i < p.Doc().Count(); ++i)
        if (auto* r = dynamic_cast<THorzLine*>(p.Doc()[i]))
            rules.push_back(r->LeftAtLayout);
    EXPECT_EQ(rules, (std::vector<int>{IndentManager::ListIndent, 0, 0}));
    std::vector<int> tables;
    for (int i = 0; i < p.Doc().Count(); ++i)
        if (auto* t = dynamic_cast<ThtmlTable*>(p.Doc()[i]))
            tables.push_back(t->LeftX);
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0] - tables[1], IndentManager::ListIndent);
}

TEST(Blocks, DivAlignmentNoShadeRuleAndPreLineEnds)
{
    LaidOutPage p("x<DIV ALIGN=center>mid</DIV>after<DIV align=right>rhs<DIV>inner</DIV>still</DIV>left"
                  "<HR NOSHADE SIZE=4><HR>"
                  "<PRE>\r\nline1\r\n\r\nline3\r\n</PRE><PRE>one</PRE>");
    auto alignOf = [&](const char* word) { return p.SectionWith(QString::fromLatin1(word))->Align; };
    EXPECT_EQ(alignOf("x"), TextAlign::Left);
    EXPECT_EQ(alignOf("mid"), TextAlign::Center);
    EXPECT_EQ(alignOf("after"), TextAlign::Left);
    EXPECT_EQ(alignOf("rhs"), TextAlign::Right);
    EXPECT_EQ(alignOf("inner"), TextAlign::Right);
    EXPECT_EQ(alignOf("still"), TextAlign::Right);
    EXPECT_EQ(alignOf("left"), TextAlign::Left);
    EXPECT_NE(p.SectionWith("x"), p.SectionWith("mid"));   // a block, not inline

    std::vector<THorzLine*> rules;
    std::vector<QString> pre;
    for (int i = 0; i < p.Doc().Count(); ++i) {
        if (auto* r = dynamic_cast<THorzLine*>(p.Doc()[i]))
            rules.push_back(r);
        if (auto* s = dynamic_cast<TPreFormated*>(p.Doc()[i]))
            pre.push_back(s->Buff);
    }
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_TRUE(rules[0]->NoShade);
    EXPECT_FALSE(rules[1]->NoShade);
    // The solid bar is one fill of the rule's thickness; the engraved one is lines.
    p.canvas.fills.clear();
    rules[0]->Draw(p.canvas, QRect(0, 0, 1000, 100000), p.Doc().IMgr, 0, 0);
    ASSERT_EQ(p.canvas.fills.size(), 1u);
    EXPECT_EQ(p.canvas.fills[0].height(), 4);
    EXPECT_EQ(pre, (std::vector<QString>{"line1", " ", "line3", "one"}));   // a blank line keeps its height
}

TEST(ListMarkers, DrawnOnTheItemsFirstLineWhateverItHolds)
{
    LaidOutPage p("<OL><LI><H3>First question</H3>Answer.<LI>Plain item<LI><A NAME=q3></A><H3>Third</H3></OL>"
                  "<UL><LI><H4>Head</H4>text</UL>");
    FakeCanvas draw;
    p.Doc().Draw(draw, QRect(0, 0, 500, 1000), HtmlDocument::ClipWidth, HtmlDocument::Margin, 0);
    const FakeCanvas::TextCall* one = draw.Find("1.");
    const FakeCanvas::TextCall* first = draw.Find("First question");
    const FakeCanvas::TextCall* three = draw.Find("3.");
    const FakeCanvas::TextCall* third = draw.Find("Third");
    ASSERT_TRUE(one && first && draw.Find("2.") && three && third);
    EXPECT_EQ(std::count_if(draw.texts.begin(), draw.texts.end(), [](const auto& t) { return t.text.endsWith('.') && t.text.size() == 2; }), 3);
    // In the item's own font, on the heading's baseline (ascents 12 and 15).
    EXPECT_EQ(one->font.points, 12);
    EXPECT_EQ(one->x, 10 + 35 - 5 - 16);
    EXPECT_EQ(one->y + 12, first->y + 15);
    EXPECT_EQ(three->y + 12, third->y + 15);
    EXPECT_TRUE(p.page.Names.contains("Q3"));
    TSection* head = p.SectionWith("Head");
    ASSERT_EQ(draw.ellipses.size(), 1u);
    const LineRec& line = head->Lines[0];
    EXPECT_EQ(draw.ellipses[0].first, QRect(10 + 35 - 8, line.Top + line.SpaceBefore + (line.LineHt - 5) / 2, 5, 5));

    // Only vertical space may stand between: after a table the text draws none.
    LaidOutPage table("<UL><LI><TABLE><TR><TD>cell</TABLE>after<LI><B><P>para</UL>");
    FakeCanvas draw2;
    table.Doc().Draw(draw2, QRect(0, 0, 500, 1000), HtmlDocument::ClipWidth, HtmlDocument::Margin, 0);
    ASSERT_EQ(draw2.ellipses.size(), 1u);
    EXPECT_EQ(draw2.ellipses[0].first.top(), table.SectionWith("para")->Lines[0].Top + 5);
}

// The first text section holding the word, in table cells too.
TSection* FindText(const TCell& cell, const QString& word)
{
    for (int i = 0; i < cell.Count(); ++i) {
        if (auto* s = dynamic_cast<TSection*>(cell[i]); s && s->Buff.contains(word))
            return s;
        if (auto* t = dynamic_cast<ThtmlTable*>(cell[i]))
            for (const TCellList& row : t->Rows)
                for (const auto& c : row)
                    if (TSection* found = FindText(*c->Cell, word))
                        return found;
    }
    return nullptr;
}

// The font a word is drawn in.
const TMyFont& FontOf(LaidOutPage& p, const QString& word)
{
    TSection* s = FindText(p.Doc(), word);
    if (!s)
        throw std::runtime_error("no " + word.toStdString());
    return *s->Fonts.At(int(s->Buff.indexOf(word))).Font;
}

TEST(PhraseTags, LeftOpenEndWithTheBlockThatHoldsThem)
{
    // Each word's font: f fixed, i italic, b bold, then its nominal size.
    auto styles = [](const char* html, std::initializer_list<const char*> words) {
        LaidOutPage p(QString::fromLatin1(html));
        QStringList out;
        for (const char* word : words) {
            const TMyFont& f = FontOf(p, QString::fromLatin1(word));
            out << QString(f.Fixed ? "f" : "") + (f.Italic ? "i" : "") + (f.Bold ? "b" : "") + QString::number(f.NominalSize);
        }
        return out.join(QLatin1Char(' '));
    };
    EXPECT_EQ(styles("<DL><DT><KBD>-opt<DD>Description.</DL><H3>Next heading</H3><P>Normal paragraph.",
                     {"-opt", "Description.", "Next heading", "Normal"}), "f10 12 b15 12");
    // List items, cells, headings and paragraphs; the italic ones too.
    EXPECT_EQ(styles("<UL><LI><VAR>var<LI>item</UL><TABLE><TR><TD><CODE>code<TD>cell</TABLE>"
                     "<H2><SAMP>samp</H2>after<P><DFN>dfn<CITE>cite<P>plain<P><TT>tt<P>last",
                     {"var", "item", "code", "cell", "samp", "after", "dfn", "cite", "plain", "tt", "last"}),
              "i12 12 f10 12 fb10 12 i12 i12 12 f10 12");
    // B and FONT carry on; the end tag of a phrase its block closed pops nothing.
    EXPECT_EQ(styles("<FONT SIZE=5><P><B><KBD>kbd<P>next</KBD>more</FONT>base", {"next", "more", "base"}),
              "b18 b18 b12");
}

TEST(Preformatted, TabsGoOnToTheNextMultipleOfEightColumns)
{
    LaidOutPage p("<PRE>a\tb\n1234567\tc\n\tindented\n12345678\tx&lt;\ty</PRE>a\tb");
    std::vector<QString> lines;
    for (int i = 0; i < p.Doc().Count(); ++i)
        if (auto* s = dynamic_cast<TPreFormated*>(p.Doc()[i]))
            lines.push_back(s->Buff);
    EXPECT_EQ(lines, (std::vector<QString>{"a       b", "1234567 c", "        indented",
                                           "12345678        x<      y"}));
    EXPECT_TRUE(p.SectionWith("a b"));   // outside PRE a tab is a blank
    // The blanks all stand for the tab in the source, which follows "<PRE>a".
    const TextSource& source = p.SectionWith("a       b")->Source;
    EXPECT_EQ(source.SourceOf(1), 6);
    EXPECT_EQ(source.SourceOf(7), 6);
    EXPECT_EQ(source.SourceOf(8), 7);
    EXPECT_EQ(source.SourceEndOf(7), 7);
}

TEST(DefinitionLists, WhatComesBeforeTheFirstTermStandsAtTheListsMargin)
{
    LaidOutPage p("<DL><H3>General options</H3><DT>-B<DD>text</DL>"
                  "<UL><LI>item<DL><P>inner<DT>term<DD>desc</DL></UL>");
    auto indentOf = [&](const char* word) { return p.SectionWith(QString::fromLatin1(word))->Lines[0].LineIndent; };
    const int step = IndentManager::ListIndent;
    const std::vector<int> indents{indentOf("General options"), indentOf("-B"), indentOf("text"),
                                   indentOf("inner"), indentOf("term"), indentOf("desc")};
    EXPECT_EQ(indents, (std::vector<int>{0, 0, step, step, step, 2 * step}));
}

TEST(TableColumns, ColAndColgroupWidthsCountAsCellWidths)
{
    // 400 pixels of text; the default spacing of 3 leaves 397 for the columns.
    LaidOutPage percent("<TABLE BORDER=1 WIDTH=100%><COLGROUP><COL WIDTH=20%><COL WIDTH=20%><COL WIDTH=60%>"
                        "</COLGROUP><TR><TD>A<TD>B<TD>C</TABLE>");
    EXPECT_EQ(FirstTable(percent)->Widths, (std::vector<int>{79, 79, 238}));
    // A group's SPAN without COLs; COLs taking their group's WIDTH.
    LaidOutPage pixels("<TABLE><COLGROUP SPAN=2 WIDTH=100></COLGROUP><COLGROUP WIDTH=60><COL><COL WIDTH=30>"
                       "</COLGROUP><TR><TD>a<TD>b<TD>c<TD>d</TABLE>");
    EXPECT_EQ(FirstTable(pixels)->Widths, (std::vector<int>{100, 100, 60, 30}));
    // Shares divide what the others leave, in pixels and in percent.
    LaidOutPage shares("<TABLE WIDTH=403><COL WIDTH=100><COL WIDTH=1*><COL WIDTH=\"3*\"><TR><TD>a<TD>b<TD>c</TABLE>");
    EXPECT_EQ(FirstTable(shares)->Widths, (std::vector<int>{100, 75, 225}));
    LaidOutPage mixed("<TABLE WIDTH=100%><COL WIDTH=*><COL WIDTH=20%><COL WIDTH=3*><TR><TD>a<TD>b<TD>c</TABLE>");
    EXPECT_EQ(FirstTable(mixed)->Widths, (std::vector<int>{79, 79, 238}));
}

TEST(Quotations, QDrawsMarksAroundItsTextSingleOnesInside)
{
    EXPECT_EQ(AllText("<P>using <Q>message mode</Q>."), QStringLiteral(u"using \u201Cmessage mode\u201D.|"));
    EXPECT_EQ(AllText("<Q>a <Q>b</Q> c</Q></Q>d<PRE><Q>p</Q></PRE>"),
              QStringLiteral(u"\u201Ca \u2018b\u2019 c\u201Dd|\u201Cp\u201D|"));
    // In the source each mark stands for its tag: "<Q>" at 9, "</Q>" at 16.
    LaidOutPage p("<P>using <Q>mode</Q>.");
    const TextSource& source = p.SectionWith("mode")->Source;
    EXPECT_EQ(source.SourceOf(6), 9);
    EXPECT_EQ(source.SourceOf(11), 16);
}

TEST(Render, StopsAtTheHeightAsked)
{
    QString tall;
    for (int i = 0; i < 40; ++i)
        tall += QStringLiteral("line<BR>");
    HtmlDocument page;
    page.LoadText(tall);
    const QImage top = page.Render(300, 100);
    EXPECT_EQ(top.height(), 100);
    EXPECT_GT(page.Height, 100);
    EXPECT_EQ(page.Render(300, 100000).height(), page.Height + HtmlDocument::Margin);
}

} // namespace
