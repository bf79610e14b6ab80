#include "wizards/imagetag.h"

#include <gtest/gtest.h>

namespace {

ImageTagOptions Sized(int width, int height, PictureAlign align = PictureAlign::Default, QString alt = {})
{
    ImageTagOptions options;
    options.width = width;
    options.height = height;
    options.align = align;
    options.alt = std::move(alt);
    return options;
}

QString PictureTag(const QString& path, const ImageTagOptions& options)
{
    return MakeImageTag(path, options, ImageDialogMode::Picture);
}

}  // namespace

TEST(ImageTag, AttributesComeInTheirOrder)
{
    EXPECT_EQ(PictureTag("pics/Logo.gif", Sized(120, 60, PictureAlign::Left, "Logo")),
              R"(<IMG ALIGN=LEFT SRC="pics/Logo.gif" WIDTH=120 HEIGHT=60 ALT="Logo">)");
    ImageTagOptions map = Sized(0, 0);
    map.isMap = true;
    EXPECT_EQ(PictureTag("m.gif", map), R"(<IMG SRC="m.gif" ISMAP WIDTH=0 HEIGHT=0>)");
    // Nothing is quoted or escaped: what the user typed goes in as typed.
    EXPECT_EQ(PictureTag(R"(a "b".gif)", Sized(1, 2, PictureAlign::Default, R"(x"<y)")),
              R"(<IMG SRC="a "b".gif" WIDTH=1 HEIGHT=2 ALT="x"<y">)");
    EXPECT_EQ(PictureTag({}, Sized(0, 0)), R"(<IMG SRC="" WIDTH=0 HEIGHT=0>)");
}

TEST(ImageTag, AlignmentIsTheItemsCaptionInCapitalsAndDefaultWritesNone)
{
    const std::pair<PictureAlign, const char*> items[] = {{PictureAlign::Left, " ALIGN=LEFT"},     {PictureAlign::Right, " ALIGN=RIGHT"},
                                                        {PictureAlign::Top, " ALIGN=TOP"},       {PictureAlign::Bottom, " ALIGN=BOTTOM"},
                                                        {PictureAlign::Middle, " ALIGN=MIDDLE"}, {PictureAlign::Default, ""}};
    for (const auto& [align, attribute] : items)
        EXPECT_EQ(PictureTag("a.gif", Sized(3, 4, align)),
                  QStringLiteral("<IMG%1 SRC=\"a.gif\" WIDTH=3 HEIGHT=4>").arg(QLatin1String(attribute)));
}

TEST(ImageTag, AltTextIsWrittenOnlyWhenSetAndBackgroundModeWritesTheBodyTag)
{
    for (const char* unset : {"", " ", "\tx"})
        EXPECT_EQ(PictureTag("a.gif", Sized(1, 1, PictureAlign::Default, unset)), R"(<IMG SRC="a.gif" WIDTH=1 HEIGHT=1>)");
    EXPECT_EQ(PictureTag("a.gif", Sized(1, 1, PictureAlign::Default, "  ")),
              R"(<IMG SRC="a.gif" WIDTH=1 HEIGHT=1 ALT="  ">)");
    EXPECT_EQ(MakeImageTag("/site/tile.gif", Sized(5, 5, PictureAlign::Left, "x"), ImageDialogMode::Background),
              R"(<BODY BACKGROUND="/site/tile.gif">)");
}

TEST(ImageResult, PictureAddressIsRelativeToTheDocumentAndKeepsItsCase)
{
    const QString document = QStringLiteral("/site/pages/a.htm");
    const ImageTagOptions options = Sized(10, 20);
    EXPECT_EQ(ImageDialogResult("/site/pages/img/Logo.GIF", false, document, options, ImageDialogMode::Picture),
              R"(<IMG SRC="img/Logo.GIF" WIDTH=10 HEIGHT=20>)");
    EXPECT_EQ(ImageDialogResult("/site/Pics/b.gif", false, document, options, ImageDialogMode::Picture),
              R"(<IMG SRC="../Pics/b.gif" WIDTH=10 HEIGHT=20>)");
    // A document without a name yet: the picture's own address.
    EXPECT_EQ(ImageDialogResult("/home/Me/b.gif", false, {}, options, ImageDialogMode::Picture),
              R"(<IMG SRC="file:///home/Me/b.gif" WIDTH=10 HEIGHT=20>)");
    EXPECT_EQ(ImageDialogResult("/home/Me/My Logo.GIF", true, document, options, ImageDialogMode::Picture),
              R"(<IMG SRC="My Logo.GIF" WIDTH=10 HEIGHT=20>)");
    EXPECT_EQ(ImageDialogResult({}, false, document, options, ImageDialogMode::Picture),
              R"(<IMG SRC="" WIDTH=10 HEIGHT=20>)");
}

TEST(ImageResult, BackgroundModeReturnsTheFullPath)
{
    for (bool fileNameOnly : {false, true})
        EXPECT_EQ(ImageDialogResult("/site/Pics/Tile.gif", fileNameOnly, "/site/a.htm", {}, ImageDialogMode::Background),
                  "/site/Pics/Tile.gif");
    EXPECT_EQ(ImageDialogResult({}, false, "/site/a.htm", {}, ImageDialogMode::Background), "");
}
