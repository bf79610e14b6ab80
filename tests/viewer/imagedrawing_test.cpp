// Images in a page: their sizes, how they are painted and what a click on them links to.
#include "testpictures.h"
#include "viewertestutil.h"

#include "viewer/builtinpictures.h"
#include "viewer/headlesshost.h"
#include "viewer/htmlimage.h"
#include "viewer/imageloader.h"
#include "viewer/qtcanvas.h"

#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace TestPictures;

const TImageObj& FirstImage(LaidOutPage& p)
{
    return *p.Section(0)->Images[0];
}

QSize ObjectSize(const TImageObj& image)
{
    return QSize(image.ObjWidth, image.ObjHeight);
}

TEST(ImageSize, DeclaredSizeOnlyWithBothAttributesAndAFrameOnlyInALink)
{
    LaidOutPage own("<IMG SRC=p WIDTH=30>");   // pictures here are 8 x 8
    EXPECT_EQ(ObjectSize(FirstImage(own)), QSize(8, 8));
    LaidOutPage declared("<IMG SRC=p WIDTH=30 HEIGHT=20>");
    EXPECT_EQ(ObjectSize(FirstImage(declared)), QSize(30, 20));
    LaidOutPage linked("<A HREF=x.htm><IMG SRC=p></A>");
    EXPECT_TRUE(FirstImage(linked).Bordered);
    EXPECT_EQ(ObjectSize(FirstImage(linked)), QSize(10, 10));
    LaidOutPage plain("<A HREF=x.htm><IMG SRC=p BORDER=0></A>");
    EXPECT_EQ(ObjectSize(FirstImage(plain)), QSize(8, 8));
}

TEST(ImageSize, StandInsTakeTheirOwnSizeAFrameAndTheAltText)
{
    // No picture: the broken-image picture, whatever the declared size.
    LaidOutPage broken("<IMG ALT=\"Alt\" WIDTH=100 HEIGHT=100>");
    const TImageObj& b = FirstImage(broken);
    EXPECT_TRUE(b.Broken && b.Bordered);
    EXPECT_EQ(QSize(b.ImageWidth, b.ImageHeight), QSize(27, 30));
    EXPECT_EQ(ObjectSize(b), QSize(27 + 2 + 3 * 8 + 4, 32));
    LaidOutPage bare("<IMG SRC=\"\">");
    EXPECT_FALSE(FirstImage(bare).Bordered);   // no ALT, no link: no frame

    // Images off: the 32 x 32 placeholder, framed, the text 2 pixels right of it.
    LaidOutPage off("x<IMG SRC=p ALT=\"Alt\" WIDTH=100 HEIGHT=100>");
    off.Doc().ShowImages = false;
    off.page.Layout(off.canvas, 420);
    const TImageObj& image = *off.Section(0)->Images[0];
    EXPECT_EQ(ObjectSize(image), QSize(34 + 3 * 8 + 4, 34));
    FakeCanvas paint;
    off.Doc().Draw(paint, QRect(0, 0, 420, 400), 1300, 0, 0);
    ASSERT_EQ(paint.images.size(), 1u);
    const QRect picture = paint.images[0].first;
    EXPECT_EQ(picture, QRect(image.DrawLeft + 1, image.DrawTop + 1, 32, 32));
    EXPECT_EQ(paint.images[0].second.size(), ImagesOffPicture().size());
    ASSERT_EQ(paint.frames.size(), 1u);
    EXPECT_EQ(paint.frames[0].first.size(), ObjectSize(image));
    const FakeCanvas::TextCall* alt = paint.Find("Alt");
    ASSERT_TRUE(alt);
    EXPECT_EQ(alt->x, picture.right() + 1 + 2);
    // Turning pictures on again fetches them.
    off.Doc().ShowImages = true;
    off.page.Layout(off.canvas, 420);
    EXPECT_EQ(ObjectSize(image), QSize(100, 100));
}

// Pages painted for real, their pictures in a folder beside them.
class PaintedPage : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QImage Render(const QString& html)
    {
        const QString path = Write(QDir(dir.path()), "page.html", html.toUtf8());
        document.SetHost(&host);
        document.LoadFile(path);
        return document.Render(300);
    }
    const TImageObj& Image(int i) { return *dynamic_cast<TSection*>(document.Doc[0])->Images[size_t(i)]; }
    QColor At(const QImage& page, int image, int x, int y)
    {
        return QColor(page.pixel(HtmlDocument::Margin + Image(image).DrawLeft + x, Image(image).DrawTop + y));
    }
    QTemporaryDir dir;
    HtmlDocument document;
    HeadlessHost host{document, dir.filePath("page.html")};
};

const std::vector<QRgb> kPalette{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};

TEST_F(PaintedPage, TransparentPixelsShowWhatIsBehindThemAndPrintWhite)
{
    // Two by two: red, green / blue, yellow; blue is the transparent index.
    Write(QDir(dir.path()), "89.gif", Gif(2, 2, kPalette, {GifFrame{{0, 1, 2, 3}, 2}}));
    Write(QDir(dir.path()), "87.gif", Gif(2, 2, kPalette, {GifFrame{{0, 1, 2, 3}, -1}}, false));
    QImage photo = Solid(16, 16, Qt::white);
    QPainter(&photo).fillRect(8, 0, 8, 16, Qt::black);
    Write(QDir(dir.path()), "photo.jpg", Encoded(photo, "jpg"));
    const QImage page = Render("<BODY BGCOLOR=\"#FF00FF\"><IMG SRC=\"89.gif\" WIDTH=20 HEIGHT=20>"
                               "<IMG SRC=\"87.gif\" WIDTH=20 HEIGHT=20><IMG SRC=photo.jpg TRANSP>");
    EXPECT_EQ(At(page, 0, 2, 2), QColor(Qt::red));
    EXPECT_EQ(At(page, 0, 2, 17), QColor(Qt::magenta));   // scaled, and transparent
    EXPECT_EQ(At(page, 1, 2, 17), QColor(Qt::blue));      // a GIF87a never is
    EXPECT_EQ(At(page, 2, 0, 15), QColor(Qt::magenta));   // TRANSP: the bottom-left pixel's colour
    EXPECT_LT(qGray(At(page, 2, 12, 8).rgb()), 64);
    EXPECT_EQ(Image(2).Transparent, TranspAttribute);

    // The printing copy draws the same pixels white.
    auto copy = document.Doc.CopyForPrinting();
    QImage paper(300, 60, QImage::Format_RGB32);
    paper.fill(Qt::white);
    {
        QPainter painter(&paper);
        QtCanvas canvas(&painter);
        int width = 0, curs = 0;
        copy->DoLogic(canvas, 0, 280, width, curs);
        copy->Draw(canvas, paper.rect(), 1300, 0, 0);
    }
    const auto* printed = dynamic_cast<TSection*>((*copy)[0]);
    const TImageObj& gif = *printed->Images[0];
    EXPECT_EQ(QColor(paper.pixel(gif.DrawLeft + 2, gif.DrawTop + 17)), QColor(Qt::white));
    EXPECT_EQ(QColor(paper.pixel(gif.DrawLeft + 2, gif.DrawTop + 2)), QColor(Qt::red));
}

TEST_F(PaintedPage, UnreadablePicturesShowTheBrokenImagePicture)
{
    Write(QDir(dir.path()), "cut.png", Encoded(Solid(30, 30, Qt::red), "png").left(40));
    Render("<IMG SRC=cut.png WIDTH=60 HEIGHT=60><IMG SRC=missing.gif>");
    for (int i : {0, 1}) {
        EXPECT_TRUE(Image(i).Broken) << i;
        EXPECT_EQ(Image(i).ImageWidth, 27) << i;
    }
}

TEST(ImageLinks, IsmapCoordinatesAndMapAreasInWritingOrder)
{
    LaidOutPage p("<A HREF=\"map.cgi\"><IMG SRC=p WIDTH=40 HEIGHT=30 ISMAP></A>"
                  "<IMG SRC=p WIDTH=40 HEIGHT=30 USEMAP=\"#Nav\">"
                  "<MAP NAME=nav><AREA SHAPE=rect COORDS=\"0,0,9,9\" NOHREF>"
                  "<AREA SHAPE=rect COORDS=\"0,0,39,29\" HREF=\"b.htm\" TARGET=\"main\"></MAP>");
    const TImageObj& ismap = *p.Section(0)->Images[0];
    const TImageObj& mapped = *p.Section(0)->Images[1];
    TUrlTarget url;
    ASSERT_TRUE(p.Doc().GetURL(p.canvas, ismap.DrawLeft + 12, ismap.DrawTop + 7, url));
    EXPECT_EQ(url.Url, "map.cgi?12,7");
    // The frame is drawn but not hit: 40 x 30 from the object's corner.
    url.Clear();
    EXPECT_FALSE(p.Doc().GetURL(p.canvas, ismap.DrawLeft + 40, ismap.DrawTop + 7, url) && url.Url.contains('?'));

    url.Clear();
    ASSERT_TRUE(p.Doc().GetURL(p.canvas, mapped.DrawLeft + 20, mapped.DrawTop + 20, url));
    EXPECT_EQ(url, (TUrlTarget{"b.htm", "main"}));
    // The NOHREF area written first wins where both lie.
    EXPECT_FALSE(p.Doc().GetURL(p.canvas, mapped.DrawLeft + 5, mapped.DrawTop + 5, url));
}

} // namespace
