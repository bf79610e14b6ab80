#include "viewer/htmlreader.h"

#include <gtest/gtest.h>

namespace {

// Where each character of a text token came from: "src+n" for n characters
// read one for one, "src:end" for one that stands for more (or less).
QString SourceRuns(const HtmlReader& r)
{
    QString out;
    for (int i = 0; i < r.TokenText.size();) {
        const int from = r.TokenSource.SourceOf(i);
        int n = 0;
        while (i + n < r.TokenText.size() && r.TokenSource.SourceOf(i + n) == from + n
               && r.TokenSource.SourceEndOf(i + n) == from + n + 1)
            ++n;
        out += n ? QStringLiteral(" %1+%2").arg(from).arg(n)
                 : QStringLiteral(" %1:%2").arg(from).arg(r.TokenSource.SourceEndOf(i));
        i += n ? n : 1;
    }
    return out;
}

// The whole token stream, one token a line, as the parser sees it.
QString Tokens(const QString& html)
{
    HtmlReader r(html);
    QString out;
    for (r.Next(); r.Sym != TagSymbol::EofSy; r.Next()) {
        const int s = int(r.Sym);
        out += QStringLiteral("%1-%2 ").arg(r.TokenStart).arg(r.SourceAfterToken());
        if (r.Sym == TagSymbol::TextSy) {
            out += QLatin1Char('"') + r.TokenText + QLatin1Char('"') + SourceRuns(r) + QLatin1Char('\n');
            continue;
        }
        if (s >= int(TagSymbol::HtmlEndSy) && s < int(TagSymbol::LISy))
            out += QLatin1Char('/');
        out += QLatin1String(SymbolName(r.Sym));
        if (r.Sym == TagSymbol::HeadingSy || r.Sym == TagSymbol::HeadingEndSy)
            out += QString::number(r.HeadingLevel);
        for (const TAttribute& a : r.Attributes.Items())
            out += QStringLiteral(" %1=%2'%3'").arg(QLatin1String(SymbolName(a.Which))).arg(a.Value).arg(a.Name);
        if (r.Sym == TagSymbol::PreSy || r.Sym == TagSymbol::PreEndSy)
            r.SetPreformatted(r.Sym == TagSymbol::PreSy);
        if (r.Sym == TagSymbol::TextAreaSy)
            out += QLatin1Char(' ') + r.ReadTextAreaLines().join(QLatin1Char('|'));
        out += QLatin1Char('\n');
    }
    return r.OpenCommentAtEnd() ? out + QStringLiteral("open comment") : out;
}

// Tag and attribute names in any case, values quoted and not, with line
// ends, tabs and comments inside, numbers at their start, a name too long
// for any table, a tag whose attributes are dropped, the end of text in a value.
TEST(HtmlReaderTest, TagsAndAttributes)
{
    EXPECT_EQ(Tokens(QStringLiteral("<P ALIGN=center><img src=89.gif width=100% border hspace=+1 alt=\"a\r\nb\tc"
                                    "<!-- > -->d \" Name = ' Q ' id=x<!---->y ><Table Border=2 CellPadding = \"5%\">"
                                    "<h3 align=right>x</H3 ><FONT SIZE=-1 COLOR=#FF0000><br clear=all><b class=x>"
                                    "</BR><tag1 a=1><%1 x=1><Font face=\"a>b\"><a href='x")
                         .arg(QString(160, QLatin1Char('q')))),
              QStringLiteral(
                  "0-16 P ALIGN=0'center'\n"
                  "16-112 IMG SRC=89'89.gif' WIDTH=100'100%' BORDER=1'' attribute=1'+1' ALT=0'ab cd' NAME=0'Q' attribute=0'xy'\n"
                  "112-147 TABLE BORDER=2'2' CELLPADDING=5'5%'\n147-163 H3 ALIGN=0'right'\n163-164 \"x\" 163+1\n"
                  "164-170 /H3 ALIGN=0'right'\n170-198 FONT SIZE=-1'-1' COLOR=0'#FF0000'\n198-212 BR CLEAR=0'all'\n"
                  "212-223 B CLEAR=0'all'\n223-228 command CLEAR=0'all'\n228-238 command CLEAR=0'all'\n"
                  "238-404 command CLEAR=0'all'\n404-418 FONT FACE=0'a'\n418-421 \"b\">\" 418+3\n421-431 A HREF=0'x'\n"));
}

// Blanks, tabs and line ends in and out of preformatted text, "<" and ">"
// that start no tag, references that stand and that do not, a control
// character, a text area, text longer than a token, comments to the end.
TEST(HtmlReaderTest, TextReferencesAndPreformatted)
{
    EXPECT_EQ(Tokens(QStringLiteral("a  b\tc\r\n\nd < e > f a<3 &amp;&lt &#65;&#1234;&nbsp;x&bogus; &#x41;\x01z"
                                    "<!DOCTYPE x><pre>a  b\tc\r\n\r\nd\n</pre> <textarea>x\r\n<b>y</TEXTAREA>%1 q")
                         .arg(QString(120, QLatin1Char('w')))),
              QStringLiteral(
                  "0-23 \"a b c d < e > f a<3 \" 0+1 1:3 3+3 6:9 9+14\n23-28 \"&\" 23:28\n28-31 \"<\" 28:31\n"
                  "31-32 \" \" 31+1\n32-37 \"A\" 32:37\n37-44 \"\u04D2\" 37:44\n44-50 \"\u00A0\" 44:50\n"
                  "50-51 \"x\" 50+1\n51-58 \"&bogus;\" 51+7\n58-59 \" \" 58+1\n59-65 \"A\" 59:65\n65-66 other\n"
                  "66-79 \"z\" 66+1\n79-84 PRE\n84-88 \"a  b\" 84+4\n88-89 \"\t\" 88+1\n89-90 \"c\" 89+1\n90-92 eol\n"
                  "92-94 eol\n94-95 \"d\" 94+1\n95-96 eol\n96-102 /PRE\n102-103 \" \" 102+1\n103-113 TEXTAREA x|<b>y\n"
                  "131-231 \"%1\" 131+100\n231-253 \"wwwwwwwwwwwwwwwwwwww q\" 231+22\n")
                  .arg(QString(100, QLatin1Char('w'))));
    EXPECT_EQ(Tokens(QStringLiteral("a<!-- open")), QStringLiteral("0-1 \"a\" 0+1\nopen comment"));
    EXPECT_EQ(Tokens(QStringLiteral("a \x1a<b>")), QStringLiteral("0-2 \"a \" 0+2\n"));
}

} // namespace
