#include "wizards/bodytag.h"

#include <gtest/gtest.h>

namespace {

QString WithColor(const QString& tag, BodyColorAttr attr, const QColor& colour)
{
    return SetAttr(tag, BodyColorAttrName(attr), BodyColorAttrText(attr, colour));
}

}  // namespace

TEST(BodyTag, WhiteBackgroundThenBlackTextFromAnEmptyTag)
{
    QString tag = WithColor(QStringLiteral("<BODY>"), BodyColorAttr::Background, Qt::white);
    EXPECT_EQ(tag, R"(<BODY BGCOLOR="#FFFFFF" >)");
    tag = WithColor(tag, BodyColorAttr::Text, Qt::black);
    EXPECT_EQ(tag, R"(<BODY BGCOLOR="#FFFFFF"  TEXT="#000000" >)");
}

TEST(BodyTag, ChangingAColourAgainReplacesItWhereItStands)
{
    QString tag = QStringLiteral(R"(<BODY TEXT="#000000" LINK="#0000FF">)");
    tag = WithColor(tag, BodyColorAttr::Text, Qt::red);
    EXPECT_EQ(tag, R"(<BODY TEXT="#FF0000" LINK="#0000FF">)");
    tag = WithColor(tag, BodyColorAttr::Text, Qt::green);
    EXPECT_EQ(tag, R"(<BODY TEXT="#00FF00" LINK="#0000FF">)");
    // The last attribute: the closing ">" stays.
    tag = WithColor(tag, BodyColorAttr::Link, QColor(0x80, 0, 0));
    EXPECT_EQ(tag, R"(<BODY TEXT="#00FF00" LINK="#800000" >)");
    EXPECT_EQ(tag.count(QStringLiteral("LINK=")), 1);
}

TEST(BodyTag, LinkLeavesVlinkAlone)
{
    QString tag = WithColor(QStringLiteral(R"(<BODY VLINK="#800080">)"), BodyColorAttr::Link, Qt::red);
    EXPECT_EQ(tag, R"(<BODY VLINK="#800080" LINK="#FF0000" >)");
    tag = WithColor(tag, BodyColorAttr::Link, Qt::blue);
    EXPECT_EQ(tag, R"(<BODY VLINK="#800080" LINK="#0000FF" >)");

    tag = WithColor(QStringLiteral("<BODY VLINK=purple LINK=red ALINK=lime>"), BodyColorAttr::Link, Qt::blue);
    EXPECT_EQ(tag, R"(<BODY VLINK=purple LINK="#0000FF" ALINK=lime>)");
}

TEST(BodyTag, LowerCaseAndUnquotedAttributes)
{
    const QString tag = QStringLiteral(R"(<body bgcolor=red text="#123456" background=pics/sky.gif>)");
    EXPECT_EQ(GetAttrValue("BACKGROUND", tag), "pics/sky.gif");
    EXPECT_EQ(GetAttrValue("TEXT", tag), "#123456");
    EXPECT_EQ(GetAttrValue("bgcolor", tag), "red");
    EXPECT_EQ(WithColor(tag, BodyColorAttr::Background, Qt::white),
              R"(<body BGCOLOR="#FFFFFF" text="#123456" background=pics/sky.gif>)");
    EXPECT_EQ(SetAttr(tag, "BACKGROUND", BackgroundAttrText("sea.gif")),
              R"(<body bgcolor=red text="#123456" BACKGROUND="sea.gif" >)");
}

TEST(BodyTag, QuotedValuesAreTakenWhole)
{
    // A path with a blank in it: nothing of the old value is left behind.
    const QString tag = QStringLiteral(R"(<BODY BACKGROUND="my pics/sky.gif" TEXT='#000000'>)");
    EXPECT_EQ(GetAttrValue("BACKGROUND", tag), "my pics/sky.gif");
    EXPECT_EQ(GetAttrValue("TEXT", tag), "#000000");
    EXPECT_EQ(SetAttr(tag, "BACKGROUND", BackgroundAttrText("sea.gif")), R"(<BODY BACKGROUND="sea.gif" TEXT='#000000'>)");
    // A name inside another attribute's value is no attribute.
    const QString script = QStringLiteral(R"x(<BODY onLoad="go(' TEXT=1')">)x");
    EXPECT_EQ(GetAttrValue("TEXT", script), "");
    EXPECT_EQ(WithColor(script, BodyColorAttr::Text, Qt::black), R"x(<BODY onLoad="go(' TEXT=1')" TEXT="#000000" >)x");
}

TEST(BodyTag, MissingAttributesAndBrokenTags)
{
    EXPECT_EQ(GetAttrValue("BACKGROUND", "<BODY>"), "");
    EXPECT_EQ(GetAttrValue("TEXT", "<BODY TEXT>"), "");
    EXPECT_EQ(GetAttrValue("TEXT", ""), "");
    // What the user typed into the code field need not be a whole tag.
    EXPECT_EQ(SetAttr("", "TEXT", " TEXT=\"#000000\" "), " TEXT=\"#000000\" ");
    EXPECT_EQ(SetAttr("<BODY", "TEXT", " TEXT=\"#000000\" "), "<BODY TEXT=\"#000000\" ");
    EXPECT_EQ(SetAttr("<BODY TEXT=", "TEXT", " TEXT=\"#000000\" "), "<BODY TEXT=\"#000000\" ");
}
