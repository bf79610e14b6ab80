#include "editing/bookmarks.h"
#include "platform/editcontrol.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

// Found by the test framework next to Bookmark itself.
void PrintTo(const Bookmark& bookmark, std::ostream* os)
{
    *os << '{' << bookmark.name.toStdString() << ", " << bookmark.description.toStdString() << '}';
}

namespace {

Bookmark Mark(const char* name, const char* description)
{
    return {QString::fromUtf8(name), QString::fromUtf8(description)};
}

}  // namespace

TEST(Bookmarks, OnlyTheFirstAnchorOfALineCountsWithTheTextUpToTheNextTag)
{
    const auto bookmark =
        BookmarkInLine(QStringLiteral("<P><A NAME=\"one\">First <B>bold</B></A> and <A NAME=\"two\">Second</A>"));
    ASSERT_TRUE(bookmark);
    EXPECT_EQ(*bookmark, Mark("one", "First "));
}

TEST(Bookmarks, AnyLetterCaseIsFoundAndKeptInNameAndDescription)
{
    EXPECT_EQ(BookmarkInLine(QStringLiteral("<a name=\"Intro\">Getting Started</a>")), Mark("Intro", "Getting Started"));
    EXPECT_EQ(BookmarkInLine(QStringLiteral("<A nAmE=\"x\">y")), Mark("x", "y"));
}

TEST(Bookmarks, NameAndDescriptionRunToTheLineEndWhenUnclosed)
{
    EXPECT_EQ(BookmarkInLine(QStringLiteral("<A NAME=\"open ended")), Mark("open ended", ""));
    EXPECT_EQ(BookmarkInLine(QStringLiteral("<A NAME=\"n\">text to the end")), Mark("n", "text to the end"));
}

TEST(Bookmarks, EmptyOrMissingNamesGiveNoEntry)
{
    EXPECT_FALSE(BookmarkInLine(QStringLiteral("<A NAME=\"\">nothing</A>")));
    EXPECT_FALSE(BookmarkInLine(QStringLiteral("<A NAME=")));
    EXPECT_FALSE(BookmarkInLine(QStringLiteral("<A HREF=\"#top\">Top</A>")));
    EXPECT_FALSE(BookmarkInLine(QStringLiteral("<ANAME=\"x\">")));
}

TEST(Bookmarks, UnquotedNameIsReadAsHtmlWritesItNotFromALaterQuote)
{
    EXPECT_EQ(BookmarkInLine(QStringLiteral("<A NAME=top>Top of page</A>")), Mark("top", "Top of page"));
    // The quoted HREF further on is not this anchor's name.
    EXPECT_EQ(BookmarkInLine(QStringLiteral("<A NAME=top>Top</A> <A HREF=\"#end\">end</A>")), Mark("top", "Top"));
    EXPECT_EQ(BookmarkInLine(QStringLiteral("<A NAME='single'>S</A>")), Mark("single", "S"));
}

TEST(Bookmarks, PositionsStayExactAfterLettersThatGrowWhenUpperCased)
{
    EXPECT_EQ(BookmarkInLine(QStringLiteral("Straße ßß <a name=\"s\">Süß</a>")), Mark("s", "Süß"));
}

TEST(Bookmarks, LongLinesAreReadWhole)
{
    const QString padding(70000, QLatin1Char('x'));
    const QString description(5000, QLatin1Char('d'));
    const auto bookmark = BookmarkInLine(padding + QStringLiteral("<A NAME=\"far\">") + description + QStringLiteral("</A>"));
    ASSERT_TRUE(bookmark);
    EXPECT_EQ(bookmark->name, QStringLiteral("far"));
    EXPECT_EQ(bookmark->description, description);
}

TEST(Bookmarks, TheDocumentGivesOneEntryPerLineInOrder)
{
    EditControl edit;
    edit.SetText(QStringLiteral("<HTML>\r\n"
                                "<A NAME=\"top\">Top</A><A NAME=\"ignored\">x</A>\r\n"
                                "<p>no anchor</p>\r\n"
                                "<a name=\"Mid\">Middle</a>\r\n"
                                "<A NAME=\"\">empty</A>\r\n"
                                "<A NAME=\"end\">End</A>"));
    const std::vector<Bookmark> expected = {Mark("top", "Top"), Mark("Mid", "Middle"), Mark("end", "End")};
    EXPECT_EQ(CollectBookmarks(edit), expected);

    edit.SetText(QStringLiteral("<HTML>\r\n</HTML>\r\n"));
    EXPECT_TRUE(CollectBookmarks(edit).empty());
}
