#include "viewer/expandlinkname.h"

#include <gtest/gtest.h>

namespace {

QString Win(const QString& link, const QString& base = QString(), const QString& current = QString())
{
    return ExpandLinkName(link, base, current, ViewerPathStyle::Windows);
}

QString Native(const QString& link, const QString& base = QString(), const QString& current = QString())
{
    return ExpandLinkName(link, base, current, ViewerPathStyle::Native);
}

} // namespace

TEST(ExpandLinkName, WindowsStyleKeepsTheClassicRules)
{
    EXPECT_EQ(Win("file:///C|/Web/Page.HTM"), "c:\\web\\page.htm");
    EXPECT_EQ(Win("file://C|/Web/Page.HTM"), "c:\\web\\page.htm");
    EXPECT_EQ(Win(" \tD:\\Docs\\A.htm\r\n"), "D:\\Docs\\A.htm");   // no "/": case kept, only trimmed
    // Relative names take the shown file's folder, or the base when there is one.
    EXPECT_EQ(Win("Sub/Other.HTM", {}, "c:\\web\\index.htm"), "c:\\web\\sub\\other.htm");
    EXPECT_EQ(Win("other.htm", "file:///C|/Base/", "c:\\web\\index.htm"), "c:\\base\\other.htm");
    EXPECT_EQ(Win("other.htm", "DosPath", "c:\\web\\index.htm"), "other.htm");
    EXPECT_EQ(Win("other.htm"), "other.htm");
}

TEST(ExpandLinkName, NativeStyleKeepsCaseAndSlashes)
{
    EXPECT_EQ(Native("file:///home/Ann/Web/Page.HTM"), "/home/Ann/Web/Page.HTM");
    EXPECT_EQ(Native("Pics/Page.htm", {}, "/home/Ann/Web/Index.htm"), "/home/Ann/Web/Pics/Page.htm");
    EXPECT_EQ(Native("../Up.htm", {}, "/home/Ann/Web/Index.htm"), "/home/Ann/Up.htm");
    EXPECT_EQ(Native("./Index.htm", {}, "/home/Ann/Web/Index.htm"), "/home/Ann/Web/Index.htm");
    EXPECT_EQ(Native("Page.htm", "file:///srv/Site/Home.htm", "/home/Ann/Web/Index.htm"), "/srv/Site/Page.htm");
    EXPECT_EQ(Native("Page.htm", "dospath", "/home/Ann/Web/Index.htm"), "Page.htm");
    EXPECT_EQ(Native("  Page.htm "), "Page.htm");
    EXPECT_EQ(Native("file:///C|/Web/Page.HTM"), "C:/Web/Page.HTM");
    EXPECT_EQ(Native(""), "");
}
