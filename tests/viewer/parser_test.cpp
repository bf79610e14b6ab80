#include "viewer/formcontrols.h"
#include "viewer/htmldocument.h"
#include "viewer/htmlimage.h"
#include "viewer/htmltable.h"
#include "viewer/sections.h"

#include <gtest/gtest.h>

namespace {

struct Parsed {
    HtmlDocument page;
    explicit Parsed(const QString& html) { page.LoadText(html); }

    // Text sections in order, with their text.
    std::vector<TSection*> Texts(const TCell& cell) const
    {
        std::vector<TSection*> result;
        for (int i = 0; i < cell.Count(); ++i)
            if (auto* s = dynamic_cast<TSection*>(cell[i]))
                result.push_back(s);
        return result;
    }
    QString AllText() const
    {
        QString text;
        for (TSection* s : Texts(page.Doc))
            text += s->Buff + QLatin1Char('|');
        return text;
    }
    TSection* First() const
    {
        for (TSection* s : Texts(page.Doc))
            if (!s->IsEmpty())
                return s;
        return nullptr;
    }
    QString SectionAfter(const QString& text) const
    {
        bool seen = false;
        for (TSection* s : Texts(page.Doc)) {
            if (seen && !s->IsEmpty())
                return s->Buff;
            seen = seen || s->Buff == text;
        }
        return QString();
    }
    template <typename T> std::vector<T*> All() const
    {
        std::vector<T*> result;
        for (int i = 0; i < page.Doc.Count(); ++i)
            if (auto* s = dynamic_cast<T*>(page.Doc[i]))
                result.push_back(s);
        return result;
    }
};

QString Text(const QString& html)
{
    Parsed p(html);
    TSection* s = p.First();
    return s ? s->Buff : QString();
}

TEST(Entities, NumericNamedAndMalformed)
{
    EXPECT_EQ(Text("&#65;"), "A");
    EXPECT_EQ(Text("x&#65y"), "xAy");
    EXPECT_EQ(Text("&#7;"), "&#7;");                 // control characters stay as written
    EXPECT_EQ(Text("&#0065;"), "A");                 // leading zeros are part of the number
    EXPECT_EQ(Text("&#;"), "&#;");
    EXPECT_EQ(Text("&#300;"), QString(QChar(300)));
    EXPECT_EQ(Text("&#9;x"), "\tx");
    EXPECT_EQ(Text("&copy 1997"), QString(QChar(169)) + " 1997");
    EXPECT_EQ(Text("&Copy;"), "&Copy;");              // names are case-sensitive
    EXPECT_EQ(Text("&abcdefgh;"), "&abcdefgh;");      // seven letters or more: text
    EXPECT_EQ(Text("&eacute;t&eacute;"), QString::fromUtf8("été"));
    EXPECT_EQ(Text("&yuml;&AElig;&THORN;"), QString(QChar(255)) + QChar(198) + QChar(222));
    EXPECT_EQ(Text("a & b"), "a & b");
    EXPECT_EQ(Text("&lt;B&gt; &amp; &quot;&nbsp;"), QString("<B> & \"") + QChar(160));
}

TEST(Reader, LineEndsTabsAndBlankRuns)
{
    EXPECT_EQ(Text("one\r\ntwo\n\rthree\rfour\nfive\tsix   seven"), "one two three four five six seven");
    Parsed pre("<PRE>a\r\nb\n\rc\rd\ne\tf  g</PRE>");
    std::vector<QString> lines;
    for (TSection* s : pre.Texts(pre.page.Doc))
        if (dynamic_cast<TPreFormated*>(s))
            lines.push_back(s->Buff);
    EXPECT_EQ(lines, (std::vector<QString>{"a", "b", "c", "d", "e       f  g"}));   // a tab to column 8
}

TEST(Reader, CommentsAreRemovedEverywhere)
{
    EXPECT_EQ(Text("a<!-- x -- y -->b"), "ab");
    EXPECT_EQ(Text("a<!-- x -- \r\n >b"), "ab");
    EXPECT_EQ(Text("a<!-- x ---->b"), "ab");
    EXPECT_EQ(Text("a<!DOCTYPE html>b"), "ab");
    Parsed attr("<FONT COLOR=\"#FF<!-- c -->0000\">x</FONT>");
    EXPECT_EQ(attr.First()->Fonts[0].Font->Color, QColor(255, 0, 0));
}

TEST(Reader, OpenCommentKeepsWhatCameBefore)
{
    Parsed p("<B>shown</B> text <!-- never closed");
    EXPECT_EQ(p.page.ParseError, "Open Comment at End of HTML File");
    EXPECT_EQ(p.First()->Buff, "shown text ");
    Parsed q("before <!DOCTYPE never closed");
    EXPECT_EQ(q.page.ParseError, "Open Comment at End of HTML File");
    EXPECT_EQ(q.First()->Buff, "before ");
}

TEST(Attributes, ValueForms)
{
    Parsed p("<TABLE BORDER CELLPADDING=100 CELLSPACING=0 WIDTH=\" 50% \" BGCOLOR=FF0000 BORDERCOLOR='navy'>"
             "<TR><TD>x</TABLE>");
    auto tables = p.All<ThtmlTable>();
    ASSERT_EQ(tables.size(), 1u);
    const ThtmlTable& t = *tables[0];
    EXPECT_EQ(t.Border, 1);
    EXPECT_EQ(t.CellPadding, 50);
    EXPECT_EQ(t.CellSpacing, 1);
    EXPECT_TRUE(t.SpecWidthPercent);
    EXPECT_EQ(t.SpecWidth, 50);
    EXPECT_EQ(t.BgColor, QColor(255, 0, 0));
    EXPECT_EQ(t.BorderColor, QColor(0, 0, 0x80));
    Parsed q("<TABLE BORDER=0 WIDTH=300><TR><TD>x</TABLE>");
    EXPECT_EQ(q.All<ThtmlTable>()[0]->Border, 0);
    EXPECT_EQ(q.All<ThtmlTable>()[0]->SpecWidth, 300);
    EXPECT_FALSE(q.All<ThtmlTable>()[0]->SpecWidthPercent);

    // An unquoted value that goes on after a number is one word: the file
    // is "89.gif", not "89"; a number keeps the digits it starts with.
    Parsed r("<IMG SRC=89.gif WIDTH=20px HEIGHT=10px ALT=2x><TABLE WIDTH=40%x><TR><TD>x</TABLE>");
    const TSection* s = r.First();
    ASSERT_TRUE(s && s->Images.size() == 1u);
    EXPECT_EQ(s->Images[0]->Source, "89.gif");
    EXPECT_EQ(s->Images[0]->Alt, "2x");
    EXPECT_EQ(s->Images[0]->SpecWidth, 20);
    EXPECT_EQ(s->Images[0]->SpecHeight, 10);
    EXPECT_EQ(r.All<ThtmlTable>()[0]->SpecWidth, 40);
}

TEST(Colors, NamesAndHexadecimal)
{
    Parsed p("<BODY BGCOLOR=silver TEXT=\"#00ff00\" LINK=Purple>x");
    EXPECT_EQ(p.page.Doc.Background, QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(p.page.Doc.FontColor, QColor(0, 0xFF, 0));
    EXPECT_EQ(p.page.Doc.HotSpotColor, QColor(0x80, 0, 0x80));
    EXPECT_EQ(p.First()->Fonts[0].Font->Color, QColor(0, 0xFF, 0));
    Parsed bad("<BODY BGCOLOR=\"#zzzzzz\">x");
    EXPECT_EQ(bad.page.Doc.Background, SysColors::ButtonFace());
}

TEST(Body, TextAfterEndAndSecondBody)
{
    EXPECT_EQ(Parsed("<BODY>shown</BODY>hidden").AllText().contains("hidden"), false);
    Parsed p("<BODY BGCOLOR=red><P>text<BODY BGCOLOR=blue TEXT=green>more");
    EXPECT_EQ(p.page.Doc.Background, QColor(255, 0, 0));
    EXPECT_TRUE(p.AllText().contains("textmore"));
    Parsed q("lost<BODY>kept");
    EXPECT_EQ(q.AllText(), "kept|");
}

TEST(TitleAndBase, Kept)
{
    Parsed p("<HEAD><TITLE>My &amp; page</TITLE><BASE HREF=\"http://x/\" TARGET=main></HEAD>body");
    EXPECT_EQ(p.page.Title, "My & page");
    EXPECT_EQ(p.page.Base, "http://x/");
    EXPECT_EQ(p.page.BaseTarget, "main");
}

TEST(Lists, EndOfUlClosesOlAndLiOutsideIsSkipped)
{
    Parsed p("<OL><LI>one<LI>two</UL>after<LI>skipped");
    auto items = p.All<TOListItem>();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1]->ListNumber, 2);
    auto texts = p.Texts(p.page.Doc);
    EXPECT_EQ(texts.back()->Buff, "afterskipped");
    EXPECT_EQ(texts.back()->ListLevel, 0);
    EXPECT_TRUE(p.All<TUListItem>().empty());
}

TEST(Lists, LevelsStartPlainAndDefinitions)
{
    Parsed p("<OL START=5><LI>a<UL PLAIN><LI> <P>b<DL><DT>t<DD>d</DL></UL><LI>c</OL>");
    auto ol = p.All<TOListItem>();
    ASSERT_EQ(ol.size(), 2u);
    EXPECT_EQ(ol[0]->ListNumber, 5);
    EXPECT_EQ(ol[1]->ListNumber, 6);
    auto ul = p.All<TUListItem>();
    ASSERT_EQ(ul.size(), 1u);
    EXPECT_TRUE(ul[0]->Plain);
    EXPECT_EQ(ul[0]->ListLevel, 2);
    EXPECT_EQ(ul[0]->Buff, "b");     // blanks and one P after LI are skipped
    auto dl = p.All<TDListItem>();
    ASSERT_EQ(dl.size(), 2u);
    EXPECT_EQ(dl[0]->ListLevel, 2);  // DT one level out
    EXPECT_EQ(dl[1]->ListLevel, 3);
    Parsed neg("<OL START=-3><LI>x</OL>");
    EXPECT_EQ(neg.All<TOListItem>()[0]->ListNumber, 1);
}

TEST(Fonts, BigAndSmallStopAtTheEndsButTheirEndTagsStillPop)
{
    Parsed p("<FONT SIZE=7>a<BIG>b</BIG>c</FONT><FONT SIZE=1>d<SMALL>e</SMALL>f</FONT>g<BIG>h</BIG>i");
    const TSection* s = p.First();
    auto sizeAt = [s](QChar c) { return s->Fonts.At(int(s->Buff.indexOf(c))).Font->Size; };
    EXPECT_EQ(sizeAt('a'), 36);
    EXPECT_EQ(sizeAt('b'), 36);
    EXPECT_EQ(sizeAt('c'), 12);   // </BIG> popped the FONT level
    EXPECT_EQ(sizeAt('d'), 8);
    EXPECT_EQ(sizeAt('e'), 8);
    EXPECT_EQ(sizeAt('f'), 12);
    EXPECT_EQ(sizeAt('h'), 14);
    EXPECT_EQ(sizeAt('i'), 12);
}

TEST(Fonts, RelativeSizesBaseFontFaceAndColour)
{
    Parsed p("<BASEFONT SIZE=5><FONT SIZE=+1 FACE=Arial COLOR=red>a</FONT><FONT SIZE=-9>b</FONT>"
             "<FONT SIZE=30>c</FONT><PRE><FONT SIZE=7>d</FONT></PRE>");
    const TSection* s = p.First();
    const TMyFont& a = *s->Fonts.At(int(s->Buff.indexOf('a'))).Font;
    EXPECT_EQ(a.Size, 24);
    EXPECT_EQ(a.Name, "Arial");
    EXPECT_EQ(a.Color, QColor(255, 0, 0));
    EXPECT_EQ(s->Fonts.At(int(s->Buff.indexOf('b'))).Font->Size, 8);
    EXPECT_EQ(s->Fonts.At(int(s->Buff.indexOf('c'))).Font->Size, 36);
    auto pre = p.All<TPreFormated>();
    ASSERT_FALSE(pre.empty());
    EXPECT_EQ(pre[0]->Fonts.At(int(pre[0]->Buff.indexOf('d'))).Font->Size, 30);
}

TEST(Fonts, StylesSubSupAndLinks)
{
    Parsed p("<B>1<I>2</B>3</I><U>4</U>5<SUB>6</SUB><A HREF=\"t.htm\" TARGET=f>7</A>8");
    const TSection* s = p.First();
    auto at = [s](char c) -> const TFontObj& { return s->Fonts.At(int(s->Buff.indexOf(QLatin1Char(c)))); };
    EXPECT_TRUE(at('2').Font->Bold && at('2').Font->Italic);
    EXPECT_FALSE(at('3').Font->Bold);
    EXPECT_TRUE(at('3').Font->Italic);
    EXPECT_TRUE(at('4').Font->Underline);
    EXPECT_FALSE(at('5').Font->Underline || at('5').Font->Italic);
    EXPECT_EQ(at('6').SubSuper, SubSuperState::Sub);
    EXPECT_EQ(at('6').Font->Size, 9);
    EXPECT_EQ(at('7').Url->Url, "t.htm");
    EXPECT_EQ(at('7').Url->Target, "f");
    EXPECT_TRUE(at('7').Font->Underline);
    EXPECT_EQ(at('7').Font->Color, QColor(0, 0, 255));
    EXPECT_FALSE(at('8').Url->HasUrl());
    EXPECT_FALSE(at('8').Font->Underline);
}

TEST(Headings, SizesSpacesAndAlignment)
{
    Parsed p("<H1 ALIGN=center>big</H1>after<H7>no level</H7>");
    auto spaces = p.All<THeadingSpace>();
    ASSERT_GE(spaces.size(), 2u);
    EXPECT_EQ(spaces[0]->HeadingSize, 1);
    EXPECT_EQ(spaces[0]->DrawHeight, 16);
    TSection* h = p.Texts(p.page.Doc)[0];
    EXPECT_EQ(h->Buff, "big");
    EXPECT_EQ(h->Align, TextAlign::Center);
    EXPECT_EQ(h->Fonts[0].Font->Size, 24);
    EXPECT_TRUE(h->Fonts[0].Font->Bold);
    EXPECT_EQ(p.SectionAfter("big"), "after");
}

TEST(Scaling, DefaultFontSizeTen)
{
    HtmlDocument page;
    page.Doc.DefFontSize = 10;
    page.LoadText("<H1>head</H1><P>para");
    bool checkedSpace = false, checkedHeading = false;
    for (int i = 0; i < page.Doc.Count(); ++i) {
        if (auto* space = dynamic_cast<TParagraphSpace*>(page.Doc[i])) {
            EXPECT_EQ(space->DrawHeight, 12);   // 14 * 10 / 12, rounded
            checkedSpace = true;
        }
        if (auto* s = dynamic_cast<TSection*>(page.Doc[i]); s && s->Buff == "head") {
            EXPECT_EQ(s->Fonts[0].Font->Size, 20);
            EXPECT_EQ(s->Fonts[0].Font->NominalSize, 24);
            checkedHeading = true;
        }
    }
    EXPECT_TRUE(checkedSpace && checkedHeading);
}

TEST(Rules, SizeAndWidth)
{
    Parsed p("<HR SIZE=30><HR WIDTH=150%><HR WIDTH=50% SIZE=5><HR WIDTH=200>");
    auto rules = p.All<THorzLine>();
    ASSERT_EQ(rules.size(), 4u);
    EXPECT_EQ(rules[0]->Thickness, 2);
    EXPECT_EQ(rules[0]->DrawHeight, 20);
    EXPECT_FALSE(rules[1]->HasWidth);
    EXPECT_TRUE(rules[2]->Percent);
    EXPECT_EQ(rules[2]->HWidth, 50);
    EXPECT_EQ(rules[2]->DrawHeight, 23);
    EXPECT_FALSE(rules[3]->Percent);
    EXPECT_EQ(rules[3]->HWidth, 200);
}

TEST(Paragraphs, MergeAndAlign)
{
    Parsed p("a<P><P ALIGN=right> </P><P ALIGN=center>b<P>c");
    EXPECT_EQ(p.All<TParagraphSpace>().size(), 2u);
    TSection* b = nullptr;
    TSection* c = nullptr;
    for (TSection* s : p.Texts(p.page.Doc)) {
        if (s->Buff == "b") b = s;
        if (s->Buff == "c") c = s;
    }
    ASSERT_TRUE(b && c);
    EXPECT_EQ(b->Align, TextAlign::Center);
    EXPECT_EQ(c->Align, TextAlign::Left);
}

TEST(Breaks, BlankLineAndClearModes)
{
    Parsed p("a<BR CLEAR=left>b<BR CLEAR=RIGHT>c<BR CLEAR=all>d<BR><BR>e");
    auto texts = p.Texts(p.page.Doc);
    ASSERT_GE(texts.size(), 6u);
    EXPECT_EQ(texts[1]->Clear, ClearMode::Left);
    EXPECT_EQ(texts[2]->Clear, ClearMode::Right);
    EXPECT_EQ(texts[3]->Clear, ClearMode::Both);
    EXPECT_EQ(texts[4]->Buff, " ");   // an empty line keeps its height
}

TEST(Anchors, NamesAreUpperCased)
{
    Parsed p("<A NAME=top>x</A><P><A NAME=\"Part2\" HREF=\"#top\">y</A><A NAME=top>again</A>");
    ASSERT_TRUE(p.page.Names.contains("TOP"));
    ASSERT_TRUE(p.page.Names.contains("PART2"));
    EXPECT_EQ(static_cast<TSection*>(p.page.Names["PART2"])->Buff, "yagain");
    EXPECT_EQ(static_cast<TSection*>(p.page.Names["TOP"])->Buff, "x");
}

TEST(Tables, StructureSpansCaptionAndStrayText)
{
    Parsed p("<TABLE ALIGN=center><CAPTION ALIGN=bottom>cap</CAPTION>stray<TR ALIGN=right VALIGN=top>"
             "<TH>h<TD ALIGN=left COLSPAN=2 ROWSPAN=3 WIDTH=30% BGCOLOR=#00FF00>d</TD><TR><TD>e</TABLE>tail");
    auto texts = p.Texts(p.page.Doc);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0]->Buff, "stray");   // shown before the table
    auto tables = p.All<ThtmlTable>();
    ASSERT_EQ(tables.size(), 1u);
    const ThtmlTable& t = *tables[0];
    EXPECT_EQ(t.Align, TextAlign::Center);
    EXPECT_FALSE(t.TopCaption);
    ASSERT_EQ(t.Rows.size(), 2u);
    ASSERT_EQ(t.Rows[0].size(), 2u);
    const TCellObj& th = *t.Rows[0][0];
    const TCellObj& td = *t.Rows[0][1];
    EXPECT_EQ(th.VertAlign, VAlign::Top);
    auto* hs = dynamic_cast<TSection*>((*th.Cell)[0]);
    ASSERT_TRUE(hs);
    EXPECT_EQ(hs->Align, TextAlign::Right);
    EXPECT_TRUE(hs->Fonts[0].Font->Bold);
    EXPECT_EQ(td.ColSpan, 2);
    EXPECT_EQ(td.RowSpan, 3);
    EXPECT_EQ(td.SpecWidth, 30);
    EXPECT_TRUE(td.SpecWidthPercent);
    EXPECT_EQ(td.BgColor, QColor(0, 255, 0));
    auto* ds = dynamic_cast<TSection*>((*td.Cell)[0]);
    EXPECT_EQ(ds->Align, TextAlign::Left);
    EXPECT_FALSE(ds->Fonts[0].Font->Bold);
    EXPECT_EQ(texts.back()->Buff, "tail");
    EXPECT_FALSE(texts.back()->Fonts[0].Font->Bold);
}

TEST(Forms, ControlsOptionsAndTextArea)
{
    Parsed p("<FORM METHOD=post ACTION=\"/cgi\"><INPUT NAME=a VALUE=v><INPUT TYPE=hidden NAME=h VALUE=1>"
             "<INPUT TYPE=CHECKBOX NAME=c CHECKED><INPUT TYPE=radio><INPUT TYPE=reset><INPUT TYPE=password SIZE=8>"
             "<SELECT NAME=s SIZE=2><OPTION VALUE=1>  one  <OPTION SELECTED>two</OPTION><OPTION></SELECT>"
             "<TEXTAREA ROWS=3 COLS=10>line 1\n<b>line 2</b>\n</TEXTAREA></FORM><SELECT><OPTION>x</SELECT>");
    ASSERT_EQ(p.page.Doc.htmlFormList.size(), 2u);
    const ThtmlForm& f = *p.page.Doc.htmlFormList[0];
    EXPECT_EQ(f.Method, "post");
    EXPECT_EQ(f.Action, "/cgi");
    ASSERT_EQ(f.ControlList.size(), 8u);
    EXPECT_EQ(f.NonHiddenCount, 7);
    EXPECT_STREQ(f.ControlList[0]->KindName(), "edit");
    EXPECT_STREQ(f.ControlList[1]->KindName(), "hidden");
    EXPECT_EQ(f.ControlList[2]->Value, "On");
    EXPECT_STREQ(f.ControlList[5]->KindName(), "password");
    auto* list = dynamic_cast<TListBoxFormControlObj*>(f.ControlList[6].get());
    ASSERT_TRUE(list);
    EXPECT_STREQ(list->KindName(), "listbox");
    ASSERT_EQ(list->Options.size(), 2u);
    EXPECT_EQ(list->Options[0].Text, "one");
    EXPECT_EQ(list->Options[0].Value, "1");
    EXPECT_TRUE(list->Options[1].Selected);
    auto* area = dynamic_cast<TTextAreaFormControlObj*>(f.ControlList[7].get());
    ASSERT_TRUE(area);
    EXPECT_EQ(area->InitialLines, (QStringList{"line 1", "<b>line 2</b>"}));
    // The hidden field has no marker in the text.
    EXPECT_EQ(p.First()->Buff.count(QChar(2)), 8);
    EXPECT_STREQ(p.page.Doc.htmlFormList[1]->ControlList[0]->KindName(), "combo");
    QStringList entries = f.CollectSubmission("x=y");
    EXPECT_EQ(entries, (QStringList{"a=v", "h=1", "c=On", "=", "s=two", "=line 1", "=<b>line 2</b>", "x=y"}));
}

TEST(Images, AttributesAndMaps)
{
    Parsed p("<IMG SRC=\"a.gif\" ALT=\"Alt\" ALIGN=right WIDTH=10 BORDER=0 ISMAP USEMAP=\"#Nav\" TRANSP>"
             "<IMG SRC=b.gif WIDTH=10><MAP NAME=nav><AREA SHAPE=circle COORDS=\"10,10,5\" HREF=c.htm>"
             "<AREA SHAPE=poly COORDS=\"1,2,3,4,5\" HREF=d.htm><AREA NOHREF COORDS=\"0,0,100,100\"></MAP>"
             "<MAP NAME=cut><AREA COORDS=\"1,1,2,2\">");
    const TSection* s = p.First();
    ASSERT_EQ(s->Images.size(), 2u);
    const TImageObj& a = *s->Images[0];
    EXPECT_EQ(a.Source, "a.gif");
    EXPECT_EQ(a.Alt, "Alt");
    EXPECT_EQ(a.Align, ImageAlign::Right);
    EXPECT_EQ(a.SpecWidth, 0);   // WIDTH without HEIGHT is not used
    EXPECT_TRUE(a.NoBorder && a.IsMap && a.UseMap && a.Transparent == 1);
    EXPECT_EQ(a.MapName, "NAV");
    ASSERT_EQ(p.page.Doc.MapList.size(), 1u);
    const TMapItem& map = *p.page.Doc.MapList[0];
    EXPECT_EQ(map.MapName, "NAV");
    EXPECT_EQ(map.Areas.size(), 2);   // the polygon with five numbers is ignored
    QString url, target;
    EXPECT_TRUE(map.GetURL(5, 10, url, target));
    EXPECT_EQ(url, "c.htm");
    EXPECT_TRUE(map.GetURL(15, 10, url, target));
    EXPECT_TRUE(map.GetURL(10, 5, url, target));
    EXPECT_FALSE(map.GetURL(15, 15, url, target) && url == "c.htm");
    EXPECT_FALSE(map.GetURL(4, 10, url, target));
    EXPECT_FALSE(map.GetURL(50, 50, url, target));   // NOHREF
}

} // namespace
