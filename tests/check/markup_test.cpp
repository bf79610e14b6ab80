// The markup as libtidy reads it, placed where the editor shows it.
#include "checkfixture.h"

#include "check/checkreport.h"
#include "check/markupcheck.h"

#include <QRandomGenerator>

TEST_F(PageCheckTest, PlacesCountTheEditorsCharactersAcrossCrLfTabsAndNonAscii)
{
    // A tab, a letter with a diaeresis and a character outside the basic
    // plane (two of the editor's characters) before each mistake.
    const QString text = Page(QString::fromUtf8("x\r\n\t\xC3\xA4\xF0\x9F\x98\x80 &bogus; y\r\n"
                                                "\t\xF0\x9F\x98\x80\xC3\xA4<FOO>z</FOO>"));
    const PageCheckResult result = Check(text);
    ASSERT_EQ(result.problems.size(), 3u) << Lines(result).join('\n').toStdString();
    const PageProblem& entity = result.problems[0];
    EXPECT_EQ(entity.line, 5);
    EXPECT_EQ(entity.column, 6);
    EXPECT_EQ(text.mid(entity.offset, entity.length), QStringLiteral("&bogus;"));
    const PageProblem& element = result.problems[1];
    EXPECT_EQ(element.line, 6);
    EXPECT_EQ(element.column, 5);
    EXPECT_EQ(text.mid(element.offset, element.length), QStringLiteral("<FOO>"));
    EXPECT_EQ(text.mid(result.problems[2].offset, result.problems[2].length), QStringLiteral("</FOO>"));
}

TEST_F(PageCheckTest, MarkupMistakesAreErrorsInPlainWords)
{
    const QString text = Page(QStringLiteral(
        "<P><B><I>crossed</B></I>\r\n"
        "<P ALIGN=left ALIGN=right>twice</P> <TABLE ALIGN=middle><TR><TD>x</TD></TR></TABLE>\r\n"
        "<FONT COLOUR=red>misspelt</FONT> <IMG SRC=\"#\">\r\n"
        "</H2>"));
    EXPECT_EQ(Lines(Check(text)),
              QStringList({"4:7 error: </b> comes before this tag is closed: the tags are crossed or the end tag is mistyped",
                           "5:1 error: <p> has the attribute \"align\" more than once",
                           "5:37 error: <table> attribute \"align\" has invalid value \"middle\"",
                           "6:1 warning: <font> attribute \"colour\" is not standard HTML: misspelt, or known to some "
                           "browsers only",
                           "6:34 warning: <img> lacks \"alt\" attribute",
                           "7:1 error: unexpected </h2>: nothing open here for it to close"}));
}

TEST_F(PageCheckTest, ValidHtml32And401PagesHaveNoError)
{
    const QString body = QStringLiteral(
        "<H1 ALIGN=center>Title</H1>\r\n<P>Text <B>bold</B> <FONT SIZE=\"+1\" COLOR=\"#FF0000\">red</FONT>&nbsp;&copy;\r\n"
        "<CENTER><IMG SRC=\"http://example.com/a.gif\" WIDTH=10 HEIGHT=10 ALT=\"A\" ALIGN=left BORDER=0></CENTER>\r\n"
        "<UL><LI>one<LI>two</UL>\r\n<TABLE BORDER=1 WIDTH=\"100%\"><TR><TD VALIGN=top>cell</TD></TR></TABLE>\r\n"
        "<FORM ACTION=\"http://example.com/cgi\" METHOD=post><INPUT TYPE=text NAME=q><INPUT TYPE=submit></FORM>\r\n"
        "<A NAME=\"end\" HREF=\"#end\">end</A>");
    const QString head = QStringLiteral("<HTML>\r\n<HEAD><TITLE>Test</TITLE></HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n");
    const QString tail = QStringLiteral("\r\n</BODY>\r\n</HTML>\r\n");
    for (const char* doctype : {"<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">\r\n",
                                "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" "
                                "\"http://www.w3.org/TR/html4/loose.dtd\">\r\n",
                                ""}) {
        const PageCheckResult result = Check(QLatin1String(doctype) + head + body + tail);
        EXPECT_EQ(result.errorCount, 0) << doctype << Lines(result).join('\n').toStdString();
        // Without a DOCTYPE the page is HTML 4.01, not HTML5 with FONT and CENTER gone.
        EXPECT_EQ(result.warningCount, 0) << doctype << Lines(result).join('\n').toStdString();
    }
}

TEST_F(PageCheckTest, HugeAndBinaryPagesEndWithABoundedList)
{
    QString many;
    for (int i = 0; i < 100000; ++i)
        many += QStringLiteral("<FOO>\r\n");
    const PageCheckResult result = Check(Page(many));
    EXPECT_EQ(result.problems.size(), size_t(kMaxListedProblems));
    EXPECT_EQ(result.errorCount, 100000);
    EXPECT_EQ(result.omitted, 100000 + result.warningCount - kMaxListedProblems);
    EXPECT_EQ(result.problems.front().line, 4);
    EXPECT_EQ(OmittedLine(result.omitted), QStringLiteral("%1 more problems not listed").arg(result.omitted));

    QByteArray noise(1 << 18, 0);
    QRandomGenerator generator(34);
    for (char& byte : noise)
        byte = char(generator.bounded(256));
    EXPECT_LE(Check(QString::fromLatin1(noise)).problems.size(), size_t(kMaxListedProblems));
    EXPECT_LE(Check(QString(20000, QLatin1Char('<')) + QStringLiteral("<DIV>").repeated(5000)).problems.size(),
              size_t(kMaxListedProblems));
    // Deep nesting is checked on a stack of its own; deeper still, the
    // markup is not checked at all.
    EXPECT_GT(Check(QStringLiteral("<TABLE><TR><TD>").repeated(kMaxCheckedNesting)).errorCount, 0);
    EXPECT_EQ(Lines(Check(QStringLiteral("<B>").repeated(kMaxCheckedNesting + 1))),
              QStringList({"1:1 error: elements are nested more than 10000 deep: the markup is not checked"}));
}
