// Layout on the fake canvas: a 12-point line is 16 pixels high with 4 below
// the baseline, and each of its characters is 8 pixels wide.
#include "recordinghost.h"
#include "viewertestutil.h"

#include "viewer/formcontrols.h"
#include "viewer/htmlimage.h"
#include "viewer/htmltable.h"
#include "viewer/qtcanvas.h"

#include <gtest/gtest.h>

namespace {

std::vector<QString> LineTexts(const TSection& s)
{
    std::vector<QString> lines;
    for (const LineRec& l : s.Lines)
        lines.push_back(s.Buff.mid(l.Start, l.Count));
    return lines;
}

TEST(Layout, WrapsAtBlanksAndKeepsTrailingBlanksOnTheLine)
{
    LaidOutPage p("aaa bbb  ccc", 40);
    TSection* s = p.SectionWith("aaa");
    ASSERT_TRUE(s);
    EXPECT_EQ(LineTexts(*s), (std::vector<QString>{"aaa ", "bbb ", "ccc"}));
    EXPECT_EQ(s->Lines[1].Top, 16);
    EXPECT_EQ(s->Lines[1].Width, 24);   // without the trailing blank
    EXPECT_EQ(s->DrawHeight, 48);
}

TEST(Layout, OverLongWordStaysWholeOnItsOwnLine)
{
    LaidOutPage p("a verylongword b", 40);
    TSection* s = p.SectionWith("verylongword");
    EXPECT_EQ(LineTexts(*s), (std::vector<QString>{"a ", "verylongword ", "b"}));
    EXPECT_EQ(s->Lines[1].Width, 96);
    EXPECT_GE(p.page.ScrollWidth, 96);   // the scroll width reaches the end of the word
}

TEST(Layout, ClearLeftStartsBelowTheFloatingImage)
{
    LaidOutPage p("<IMG SRC=p ALIGN=left WIDTH=50 HEIGHT=50>beside<BR CLEAR=left>below");
    TSection* beside = p.SectionWith("beside");
    ASSERT_EQ(beside->Lines.size(), 1u);
    EXPECT_EQ(beside->Lines[0].LineIndent, 55);
    EXPECT_EQ(beside->DrawHeight, 16);
    EXPECT_EQ(beside->SectionHeight, 50);
    TSection* below = p.SectionWith("below");
    EXPECT_EQ(below->YValue, 16);
    EXPECT_EQ(below->Lines[0].SpaceBefore, 35);
    EXPECT_EQ(below->Lines[0].Top + below->Lines[0].SpaceBefore, 51);
    EXPECT_EQ(below->Lines[0].LineIndent, 0);
    LaidOutPage q("<IMG SRC=p ALIGN=left WIDTH=50 HEIGHT=50>beside<BR CLEAR=right>same");
    EXPECT_EQ(q.SectionWith("same")->Lines[0].LineIndent, 55);
}

TEST(Layout, CentredTextBetweenFloatsNeverStartsLeftOfTheMargin)
{
    LaidOutPage p("<CENTER><IMG SRC=p ALIGN=left WIDTH=50 HEIGHT=50><IMG SRC=p ALIGN=right WIDTH=50 HEIGHT=50>abc</CENTER>");
    TSection* s = p.SectionWith("abc");
    EXPECT_EQ(s->Lines[0].LineIndent, (55 + 345 - 24) / 2);
    const QString word(37, QLatin1Char('w'));   // 296 pixels beside 290 free
    LaidOutPage q("<CENTER><IMG SRC=p ALIGN=left WIDTH=50 HEIGHT=50><IMG SRC=p ALIGN=right WIDTH=50 HEIGHT=50>" + word);
    EXPECT_EQ(q.SectionWith(word)->Lines[0].LineIndent, 55);
    LaidOutPage r("<P ALIGN=right>abc");
    EXPECT_EQ(r.SectionWith("abc")->Lines[0].LineIndent, 400 - 24);
}

TEST(Layout, FloatAfterContentWaitsForTheLineEnd)
{
    LaidOutPage p("first <IMG SRC=p ALIGN=left WIDTH=40 HEIGHT=30>words go on and on until the line is full and wraps", 200);
    TSection* s = p.SectionWith("first");
    ASSERT_GE(s->Lines.size(), 2u);
    EXPECT_EQ(s->Lines[0].LineIndent, 0);
    EXPECT_EQ(s->Images[0]->DrawTop, 16);   // registered below the first line
    EXPECT_EQ(s->Lines[1].LineIndent, 45);
    EXPECT_EQ(s->Lines[0].DrawHeight, 46);
}

TEST(Layout, ListIndentsAndLevelRecords)
{
    LaidOutPage p("<UL><LI>a<UL><LI>b<UL><LI>c</UL></UL></UL>after");
    EXPECT_EQ(p.SectionWith("a")->Lines[0].LineIndent, 35);
    EXPECT_EQ(p.SectionWith("b")->Lines[0].LineIndent, 70);
    EXPECT_EQ(p.SectionWith("c")->Lines[0].LineIndent, 105);
    TSection* after = p.SectionWith("after");
    EXPECT_EQ(after->Lines[0].LineIndent, 0);
    // The closed indents end just above it, and count as image-like records.
    EXPECT_EQ(p.Doc().IMgr.ImageBottom(), after->YValue - 1);
}

TEST(Layout, HeadingsAndParagraphSpaces)
{
    LaidOutPage p("<H1>Head</H1>text<P>next");
    TSection* head = p.SectionWith("Head");
    EXPECT_EQ(head->YValue, 16);
    EXPECT_EQ(head->DrawHeight, 32);
    EXPECT_EQ(p.SectionWith("text")->YValue, 64);
    EXPECT_EQ(p.SectionWith("next")->YValue, 64 + 16 + 14);
}

TEST(Layout, InlineImagesAndControlsRaiseTheLine)
{
    LaidOutPage p("a<IMG SRC=p WIDTH=20 HEIGHT=40>b");
    TSection* s = p.SectionWith("a");
    EXPECT_EQ(s->Lines[0].SpaceBefore, 40 + 4 - 16);
    EXPECT_EQ(s->Images[0]->DrawLeft, 8);
    EXPECT_EQ(s->Images[0]->DrawTop, 28 + 12 - 40);
    LaidOutPage top("a<IMG SRC=p ALIGN=top WIDTH=20 HEIGHT=40>b");
    EXPECT_EQ(top.SectionWith("a")->Lines[0].SpaceAfter, 24);
    LaidOutPage middle("a<IMG SRC=p ALIGN=middle WIDTH=20 HEIGHT=40>b");
    EXPECT_EQ(middle.SectionWith("a")->Lines[0].SpaceAfter, 12);
    EXPECT_EQ(middle.SectionWith("a")->Lines[0].SpaceBefore, 12);
    // An edit field is 20 high on the baseline; its width comes from the 10-point face.
    LaidOutPage form("x<INPUT SIZE=10>y");
    TSection* f = form.SectionWith("x");
    EXPECT_EQ(f->FormControls[0]->Width, 6 * 10 + 5);
    EXPECT_EQ(f->Lines[0].SpaceBefore, 20 - 16 + 4);
}

TEST(Layout, PreformattedNeverWraps)
{
    const QString line(100, QLatin1Char('p'));
    LaidOutPage p("<PRE>" + line + "</PRE>", 100);
    TSection* s = p.SectionWith(line);
    ASSERT_EQ(s->Lines.size(), 1u);
    EXPECT_EQ(s->Lines[0].Width, 100 * 6);
    int mn = 0, mx = 0;
    s->MinMaxWidth(p.canvas, mn, mx);
    EXPECT_EQ(mx, 600);
    EXPECT_EQ(mn, 500);
}

TEST(Layout, MinMaxWidthOfText)
{
    LaidOutPage p("<UL><LI>ab abcd <IMG SRC=p ALIGN=left WIDTH=30 HEIGHT=10>a</UL>");
    TSection* s = p.SectionWith("abcd");
    int mn = 0, mx = 0;
    s->MinMaxWidth(p.canvas, mn, mx);
    EXPECT_EQ(mn, 32 + 30 + 35);
    EXPECT_EQ(mx, 9 * 8 + 30 + 35);
}

TEST(Layout, FontsAreMeasuredAgainOnAnotherCanvas)
{
    // Twice the fake canvas's heights: a page laid out on one and then on
    // the other takes the other's lines.
    struct TallCanvas : FakeCanvas {
        CanvasFontMetrics Metrics() override
        {
            CanvasFontMetrics m = FakeCanvas::Metrics();
            m.height *= 2;
            m.descent *= 2;
            return m;
        }
    };
    LaidOutPage p("<P>one<P>two");
    TallCanvas tall;
    p.page.Layout(tall, 400);
    EXPECT_EQ(p.SectionWith("two")->Lines[0].LineHt, 32);
    p.page.Layout(p.canvas, 400);
    EXPECT_EQ(p.SectionWith("two")->Lines[0].LineHt, 16);
}

TEST(Painting, SubAndSuperscriptOffsets)
{
    LaidOutPage p("x<SUP>2</SUP>y<SUB>3</SUB>");
    FakeCanvas draw;
    p.Doc().Draw(draw, QRect(0, 0, 500, 500), HtmlDocument::ClipWidth, HtmlDocument::Margin, 0);
    ASSERT_TRUE(draw.Find("x") && draw.Find("2") && draw.Find("3"));
    EXPECT_EQ(draw.Find("x")->y, 0);
    EXPECT_EQ(draw.Find("x")->x, 10);
    EXPECT_EQ(draw.Find("2")->y, 12 - 9 - 5);   // raised a third of the line height
    EXPECT_EQ(draw.Find("3")->y, 12 - 9 + 2);   // lowered half the descent plus one
    EXPECT_EQ(draw.Find("2")->font.points, 9);
}

TEST(Painting, ListMarkers)
{
    LaidOutPage p("<BODY BGCOLOR=white><OL START=7><LI>seven</OL><UL><LI>a<UL><LI>b<UL><LI>c"
                  "<UL><LI>d</UL></UL></UL></UL><UL PLAIN><LI>plain</UL>");
    FakeCanvas draw;
    p.Doc().Draw(draw, QRect(0, 0, 500, 500), HtmlDocument::ClipWidth, HtmlDocument::Margin, 0);
    const FakeCanvas::TextCall* number = draw.Find("7.");
    ASSERT_TRUE(number);
    EXPECT_EQ(number->x, 10 + 35 - 5 - 16);
    ASSERT_EQ(draw.ellipses.size(), 4u);   // the plain item has none
    EXPECT_EQ(draw.ellipses[0].first, QRect(10 + 35 - 8, p.SectionWith("a")->YValue + 5, 5, 5));
    EXPECT_EQ(draw.ellipses[0].second, QColor(0, 0, 0x80));
    EXPECT_EQ(draw.ellipses[1].second, QColor(0x80, 0, 0));
    EXPECT_EQ(draw.ellipses[2].second, QColor(0xFF, 0, 0));
    EXPECT_EQ(draw.ellipses[3].second, QColor(0, 0, 0x80));
    LaidOutPage yellow("<BODY BGCOLOR=yellow><UL><LI>a</UL>");
    FakeCanvas draw2;
    yellow.Doc().Draw(draw2, QRect(0, 0, 500, 500), HtmlDocument::ClipWidth, HtmlDocument::Margin, 0);
    ASSERT_EQ(draw2.ellipses.size(), 1u);
    EXPECT_FALSE(draw2.ellipses[0].second.isValid());   // an outline only
}

TEST(Measuring, QtCanvasFitsWhatItsWidthsSayAndKeepsFontsApart)
{
    QtCanvas canvas;
    const CanvasFont plain{QStringLiteral("Times New Roman"), 12};
    const CanvasFont bold{QStringLiteral("Times New Roman"), 12, true};
    canvas.SelectFont(bold);
    const int boldWidth = canvas.TextWidth(u"WWWW mmmm");
    canvas.SelectFont(plain);
    EXPECT_LT(canvas.TextWidth(u"WWWW mmmm"), boldWidth);
    canvas.SelectFont(bold);
    EXPECT_EQ(canvas.TextWidth(u"WWWW mmmm"), boldWidth);
    // Latin-1 is walked once, anything else searched: both give the longest prefix that fits.
    for (const QString& text : {QStringLiteral("The quick fox, caf\u00e9 & co."), QStringLiteral("stra\u00dfe \u03b1\u03b2 \u6f22\u5b57 x")}) {
        for (int max = -1; max <= canvas.TextWidth(text) + 1; ++max) {
            int width = -1;
            const int fit = canvas.FitText(text, max, width);
            // Told the text is Latin-1 when it is not, the canvas still measures it right.
            int latin1Width = -1;
            EXPECT_EQ(canvas.FitLatin1Text(text, max, latin1Width), fit);
            EXPECT_EQ(latin1Width, width);
            EXPECT_EQ(width, canvas.TextWidth(QStringView(text).left(fit)));
            EXPECT_LE(width, std::max(max, 0));
            if (fit < text.size()) {
                EXPECT_GT(canvas.TextWidth(QStringView(text).left(fit + 1)), max) << max;
            }
        }
    }
}

TEST(Measuring, FontsAreFoundAgainWhenTheirObjectChanges)
{
    // Layout selects fonts by the objects it keeps; an object changed in
    // place, or a new one where an old one was, is a different font.
    QtCanvas canvas;
    TMyFont font;
    font.Name = QStringLiteral("Times New Roman");
    canvas.SelectFont(font.ToCanvasFont());
    const int small = canvas.Metrics().height;
    font.Size = 36;
    canvas.SelectFont(font.ToCanvasFont());
    EXPECT_GT(canvas.Metrics().height, small);
    font.Size = 12;
    canvas.SelectFont(font.ToCanvasFont());
    EXPECT_EQ(canvas.Metrics().height, small);
}

TEST(Layout, SectionsKnowWhetherTheirTextHoldsMarkersOrWideCharacters)
{
    LaidOutPage p("<P>plain caf\u00e9 <P>an <IMG SRC=x.gif> image<P>\u20ac sign");
    EXPECT_TRUE(p.SectionWith("plain")->Latin1Only);
    EXPECT_TRUE(p.SectionWith("plain")->MarkerFree);
    EXPECT_FALSE(p.SectionWith("image")->MarkerFree);
    EXPECT_FALSE(p.SectionWith("sign")->Latin1Only);
}

TEST(Painting, SelectionIsDrawnOpaqueInSwappedColours)
{
    HtmlDocument page;
    page.LoadText("<BODY BGCOLOR=white TEXT=black>aaaa bbbb cccc");
    page.Doc.SelStart = 5;
    page.Doc.SelEnd = 9;
    FakeCanvas fake;
    page.Layout(fake, 420);
    page.Doc.Draw(fake, QRect(0, 0, 500, 500), HtmlDocument::ClipWidth, HtmlDocument::Margin, 0);
    const FakeCanvas::TextCall* selected = fake.Find("bbbb");
    ASSERT_TRUE(selected);
    EXPECT_TRUE(selected->opaque);
    EXPECT_EQ(selected->color, QColor(255, 255, 255));
    EXPECT_EQ(selected->back, QColor(0, 0, 0));
    EXPECT_FALSE(fake.Find("aaaa ")->opaque);

    // And in real pixels: the selected word sits on a block of the text colour.
    const QImage image = page.Render(300);
    QtCanvas measure;
    page.Layout(measure, 300);
    const TSection* s = dynamic_cast<TSection*>(page.Doc[0]);
    ASSERT_TRUE(s);
    const int x0 = 10 + s->CharX(measure, s->Lines[0], 5);
    const int x1 = 10 + s->CharX(measure, s->Lines[0], 9);
    int dark = 0, light = 0, total = 0;
    for (int y = 2; y < s->Lines[0].LineHt - 2; ++y) {
        for (int x = x0 + 1; x < x1 - 1; ++x, ++total)
            dark += qGray(image.pixel(x, y)) < 128;
        for (int x = 10 + s->CharX(measure, s->Lines[0], 10); x < 10 + s->CharX(measure, s->Lines[0], 14); ++x)
            light += qGray(image.pixel(x, y)) >= 128;
    }
    EXPECT_GT(dark, total * 6 / 10);
    EXPECT_GT(light, total * 6 / 10);
}

TEST(HitTests, CursorUrlAndPositions)
{
    LaidOutPage p("aaa <A HREF=\"x.htm\" TARGET=t>link</A> bbb ccc", 80);
    TSection* s = p.SectionWith("link");
    ASSERT_EQ(LineTexts(*s), (std::vector<QString>{"aaa link ", "bbb ccc"}));
    TUrlTarget url;
    EXPECT_TRUE(p.Doc().GetURL(p.canvas, 4 * 8 + 3, 5, url));
    EXPECT_EQ(url.Url, "x.htm");
    EXPECT_EQ(url.Target, "t");
    EXPECT_FALSE(p.Doc().GetURL(p.canvas, 3, 5, url));
    int top = 0, height = 0, caret = 0;
    EXPECT_EQ(p.Doc().FindCursor(p.canvas, 21, 20, top, height, caret), s->StartCurs + 12);   // past the middle of "b"
    EXPECT_EQ(caret, 24);
    EXPECT_EQ(top, 16);
    EXPECT_EQ(p.Doc().FindCursor(p.canvas, 19, 20, top, height, caret), s->StartCurs + 11);
    EXPECT_EQ(caret, 16);
    EXPECT_EQ(p.Doc().FindCursor(p.canvas, 11, 20, top, height, caret), s->StartCurs + 10);
    EXPECT_EQ(p.Doc().FindCursor(p.canvas, 0, 5000, top, height, caret), -1);
    int x = 0, y = 0;
    EXPECT_TRUE(p.Doc().CursorToXY(p.canvas, s->StartCurs + 13, x, y));
    EXPECT_EQ(x, 8 * 4);
    EXPECT_EQ(y, 16);
    int sectionTop = 0, index = 0;
    EXPECT_EQ(p.Doc().FindSectionAtPosition(20, sectionTop, index), s);
}

TEST(Search, InsideSectionsAndNeverAcross)
{
    LaidOutPage p("alpha beta gamma delta<P>epsilon Zeta", 60);
    TSection* s = p.SectionWith("alpha");
    ASSERT_GE(s->Lines.size(), 2u);   // "beta gamma" runs across a line break
    EXPECT_EQ(p.Doc().FindString(0, "beta gamma", MatchCase::Yes), s->StartCurs + 6);
    EXPECT_EQ(p.Doc().FindString(0, "delta epsilon", MatchCase::No), -1);
    EXPECT_EQ(p.Doc().FindString(0, "zeta", MatchCase::Yes), -1);
    const int zeta = p.Doc().FindString(0, "zeta", MatchCase::No);
    EXPECT_EQ(zeta, p.SectionWith("Zeta")->StartCurs + 8);
    EXPECT_EQ(p.Doc().FindString(zeta + 1, "zeta", MatchCase::No), -1);
    EXPECT_EQ(p.Doc().FindString(s->StartCurs + 1, "alpha", MatchCase::No), -1);
}

TEST(Copy, AcrossParagraphSpaceAndIndents)
{
    LaidOutPage p("<P>first para<P>second para<UL><LI>item</UL><HR>");
    TSection* first = p.SectionWith("first");
    TSection* second = p.SectionWith("second");
    p.Doc().SelStart = first->StartCurs + 6;
    p.Doc().SelEnd = second->StartCurs + 6;
    EXPECT_EQ(p.Doc().SelectedText(), "para\r\n\r\nsecond\r\n");
    p.Doc().SelStart = 0;
    p.Doc().SelEnd = 1000;
    EXPECT_EQ(p.Doc().SelectedText(), "first para\r\n\r\nsecond para\r\n   item\r\n\r\n");
    p.Doc().SelEnd = 0;
    EXPECT_EQ(p.Doc().SelectedText(), "");
}

TEST(Copy, KeepsEverythingBeyondTheClassicLimit)
{
    QString text;
    for (int i = 0; i < 8000; ++i)
        text += QStringLiteral("word%1 ").arg(i % 10);
    LaidOutPage p(text, 300);
    p.Doc().SelStart = 0;
    p.Doc().SelEnd = 1 << 30;
    const QString copied = p.Doc().SelectedText();
    EXPECT_GT(copied.size(), 32500);
    EXPECT_EQ(copied.count("word"), 8000);
    EXPECT_TRUE(copied.endsWith("word9 \r\n"));
    p.Doc().CopyToClipboard();
}

TEST(Tables, TooManyColumnsIsReportedAndDropped)
{
    auto row = [](int n) {
        QString html = "<TABLE><TR>";
        for (int i = 0; i < n; ++i)
            html += "<TD>c";
        return html + "</TABLE>after";
    };
    RecordingHost host;
    const QStringList& messages = host.Errors;
    HtmlDocument ok(&host);
    ok.LoadText(row(30));
    FakeCanvas canvas;
    ok.Layout(canvas, 2000);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(ok.Doc.Count(), 2);
    HtmlDocument tooWide(&host);
    tooWide.LoadText(row(31));
    tooWide.Layout(canvas, 2000);
    EXPECT_EQ(messages, QStringList{"Table has too many Columns"});
    ASSERT_EQ(tooWide.Doc.Count(), 1);
    EXPECT_EQ(static_cast<TSection*>(tooWide.Doc[0])->Buff, "after");
    // An anchor inside the dropped table still names a live section.
    RecordingHost quiet;
    HtmlDocument anchored(&quiet);
    anchored.LoadText(row(31).replace("<TD>c", "<TD><A NAME=inside>c</A>"));
    anchored.Layout(canvas, 2000);
    ASSERT_TRUE(anchored.Names.contains("INSIDE"));
    EXPECT_EQ(static_cast<TSection*>(anchored.Names["INSIDE"])->Buff, "c");
}

} // namespace
