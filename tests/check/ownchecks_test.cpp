// The checks only the page and its folder can make.
#include "checkfixture.h"
#include "wizards/imagefiles.h"

namespace {

QString Selected(const QString& text, const PageProblem& problem)
{
    return text.mid(problem.offset, problem.length);
}

}  // namespace

TEST_F(PageCheckTest, BookmarkLinksNeedABookmarkAndBookmarksAreDefinedOnce)
{
    const QString text = Page(QStringLiteral(
        "<A HREF=\"#top\">a</A> <A HREF=\"#Here\">b</A> <A HREF=\"#gone\">c</A> <A HREF=\"#\">d</A>\r\n"
        "<A NAME=\"top\">t</A> <A NAME=\"here\">h</A> <A NAME=\"top\">again</A> <P ID=\"para\">p</P>"
        " <A NAME=\"para\">dup</A> <A NAME=\"same\" ID=\"same\">ok</A>"));
    const PageCheckResult result = Check(text);
    EXPECT_EQ(Lines(result),
              QStringList({"4:31 warning: the bookmark is spelt \"here\": the preview finds it, but browsers tell "
                           "capitals from small letters",
                           "4:53 error: no bookmark \"gone\" in the page",
                           "5:42 error: bookmark \"top\" is defined twice (first on line 5)",
                           "5:85 error: bookmark \"para\" is defined twice (first on line 5)"}));
    ASSERT_EQ(result.problems.size(), 4u);
    EXPECT_EQ(Selected(text, result.problems[1]), QStringLiteral("#gone"));
    EXPECT_EQ(Selected(text, result.problems[2]), QStringLiteral("<A NAME=\"top\">"));
}

TEST_F(PageCheckTest, LocalFilesMustBeThereAndPicturesKeepTheirSize)
{
    WriteFile(Path("img.gif"), imagefiles::Gif("GIF89a", 10, 20));
    ASSERT_TRUE(QDir(folder.path()).mkpath("sub"));
    WriteFile(Path("sub/other.htm"), "<HTML></HTML>");
    const QString text = QStringLiteral(
        "<HTML><HEAD><TITLE>T</TITLE></HEAD>\r\n"
        "<BODY BACKGROUND=\"bg.gif\">\r\n"
        "<A HREF=\"sub/other.htm#x\">a</A> <A HREF=\"gone.htm?q=1\">b</A> <A HREF=\"http://example.com/x.htm\">c</A>"
        " <A HREF=\"mailto:a@example.com\">d</A> <A HREF=\"sub/\">e</A>\r\n"
        "<IMG SRC=\"img.gif\" WIDTH=10 HEIGHT=20 ALT=\"a\"> <IMG SRC=\"img.gif\" WIDTH=30 HEIGHT=20 ALT=\"b\">"
        " <IMG SRC=\"img.gif\" WIDTH=\"50%\" HEIGHT=20 ALT=\"c\"> <IMG SRC=\"nopic.gif\" ALT=\"d\">\r\n"
        "<FORM ACTION=\"cgi/send.pl\"><INPUT NAME=\"a\"></FORM> <FORM ACTION=\"http://example.com/cgi\"></FORM>\r\n"
        "</BODY></HTML>\r\n");
    const PageCheckResult result = Check(text);
    const QString missing = QStringLiteral("%1 \"%2\" not found: %3");
    EXPECT_EQ(Lines(result),
              QStringList({"2:19 error: " + missing.arg("background picture", "bg.gif", Path("bg.gif")),
                           "3:42 error: " + missing.arg("linked file", "gone.htm?q=1", Path("gone.htm")),
                           "4:48 warning: the picture is 10 x 20 pixels, but WIDTH and HEIGHT say 30 x 20: it is "
                           "shown stretched",
                           "4:155 error: " + missing.arg("picture", "nopic.gif", Path("nopic.gif")),
                           "5:15 warning: " + missing.arg("form action", "cgi/send.pl", Path("cgi/send.pl"))}));

    // A page not saved yet looks beside the current folder, and says so.
    const PageCheckResult unsaved = CheckPage(text, PageLocation{QString(), folder.path()});
    ASSERT_EQ(unsaved.problems.size(), 5u);
    EXPECT_EQ(unsaved.problems[0].message,
              missing.arg("background picture", "bg.gif", Path("bg.gif")) +
                  " (the page is not saved yet: looked for in the current folder)");
}

TEST_F(PageCheckTest, ImageMapsAndFormControlsNeedTheirNames)
{
    WriteFile(Path("img.gif"), imagefiles::Gif("GIF89a", 10, 20));
    WriteFile(Path("page.htm"), "");
    const QString text = Page(QStringLiteral(
        "<IMG SRC=\"img.gif\" ALT=\"a\" USEMAP=\"#nav\"> <IMG SRC=\"img.gif\" ALT=\"b\" USEMAP=\"#none\">\r\n"
        "<MAP NAME=\"NAV\"><AREA HREF=\"page.htm\" SHAPE=rect COORDS=\"0,0,1,1\" ALT=\"x\"></MAP>\r\n"
        "<FORM ACTION=\"page.htm\"><INPUT NAME=\"a\"> <INPUT TYPE=checkbox> <SELECT><OPTION>a</SELECT>"
        " <TEXTAREA NAME=\"t\" ROWS=2 COLS=20></TEXTAREA> <INPUT TYPE=submit> <INPUT NAME=\"\"></FORM>"));
    const PageCheckResult result = Check(text);
    EXPECT_EQ(Lines(result),
              QStringList({"4:78 error: USEMAP names no MAP of the page: no <MAP NAME=\"none\">",
                           "6:42 warning: <INPUT TYPE=CHECKBOX> has no NAME: its value is not sent with the form",
                           "6:64 warning: <SELECT> has no NAME: its value is not sent with the form",
                           "6:157 warning: <INPUT TYPE=TEXT> has no NAME: its value is not sent with the form",
                           "6:157 warning: <input> attribute \"name\" lacks value"}));
    ASSERT_FALSE(result.problems.empty());
    EXPECT_EQ(Selected(text, result.problems[0]), QStringLiteral("#none"));
}
