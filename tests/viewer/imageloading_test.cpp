// Reading pictures from files and keeping them in the image cache.
#include "recordinghost.h"
#include "testpictures.h"

#include "viewer/headlesshost.h"
#include "viewer/htmldocument.h"
#include "viewer/imagecache.h"
#include "viewer/imageloader.h"
#include "viewer/sections.h"
#include "viewer/htmlimage.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace TestPictures;

const std::vector<QRgb> kPalette{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};

// Two by two: red, green / blue, yellow.
QByteArray FourColourGif(int transparentIndex = -1, bool version89 = true)
{
    return Gif(2, 2, kPalette, {GifFrame{{0, 1, 2, 3}, transparentIndex}}, version89);
}

bool IsWhite(const QImage& mask, int x, int y)
{
    return QColor(mask.pixel(x, y)) == QColor(Qt::white);
}

class PictureFiles : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString Put(const QString& name, const QByteArray& bytes) { return Write(QDir(dir.path()), name, bytes); }
    QTemporaryDir dir;
};

TEST_F(PictureFiles, GifTransparentColourOnlyFromAGif89aExtensionAfterTheTable)
{
    EXPECT_EQ(GifTransparentColor(Put("t.gif", FourColourGif(2))), QColor(0, 0, 255));
    EXPECT_FALSE(GifTransparentColor(Put("87.gif", FourColourGif(2, false))).isValid());
    EXPECT_FALSE(GifTransparentColor(Put("none.gif", FourColourGif())).isValid());
    EXPECT_FALSE(GifTransparentColor(Put("cut.gif", FourColourGif(2).left(20))).isValid());
    EXPECT_FALSE(GifTransparentColor(Put("empty.gif", {})).isValid());
    EXPECT_FALSE(GifTransparentColor(dir.filePath("missing.gif")).isValid());
}

TEST_F(PictureFiles, EveryFormatDecodesByItsContentBehindAKnownExtension)
{
    const QImage photo = Solid(6, 4, Qt::darkCyan);
    for (const char* format : {"png", "bmp", "jpg"}) {
        const QImage read = LoadImageFile(Put(QStringLiteral("a.") + format, Encoded(photo, format)));
        EXPECT_EQ(read.size(), QSize(6, 4)) << format;
    }
    // A name lying about its content.
    EXPECT_EQ(LoadImageFile(Put("really-png.gif", Encoded(photo, "png"))).size(), QSize(6, 4));
    EXPECT_EQ(LoadImageFile(Put("really-gif.JPEG", FourColourGif())).size(), QSize(2, 2));
    // Other extensions are not pictures of a page.
    EXPECT_TRUE(LoadImageFile(Put("a.txt", Encoded(photo, "png"))).isNull());

    // An animated GIF shows its first frame.
    const QImage first = LoadImageFile(
        Put("anim.gif", Gif(2, 2, kPalette, {GifFrame{{0, 0, 0, 0}, -1}, GifFrame{{2, 2, 2, 2}, -1}})));
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(QColor(first.pixel(1, 1)), QColor(Qt::red));
}

TEST_F(PictureFiles, BadPicturesGiveNothingAndNeverAGiantAllocation)
{
    const QByteArray png = Encoded(Solid(64, 64, Qt::red), "png");
    QByteArray huge = png;   // the header's size fields, with a checksum nobody checks first
    huge.replace(16, 8, QByteArray::fromHex("00004E2000004E20"));
    QImage pattern(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            pattern.setPixel(x, y, qRgb(x * 4, y * 4, (x * y) & 0xFF));
    const QByteArray jpeg = Encoded(pattern, "jpg");
    EXPECT_FALSE(LoadImageFile(Put("whole.jpg", jpeg)).isNull());
    QByteArray hugeGif = FourColourGif();
    hugeGif.replace(6, 4, QByteArray::fromHex("204E204E"));
    const std::pair<const char*, QByteArray> bad[] = {
        {"empty.png", {}},
        {"cut.png", png.left(png.size() / 2)},
        {"header.png", png.left(30)},
        {"cut.gif", FourColourGif().left(25)},
        {"noise.jpg", QByteArray(500, '\x5A')},
        {"cut.jpg", jpeg.left(jpeg.size() * 2 / 3)},
        {"huge.png", huge},
        {"huge.gif", hugeGif},
    };
    for (const auto& [name, bytes] : bad)
        EXPECT_TRUE(LoadImageFile(Put(name, bytes)).isNull()) << name;
    EXPECT_TRUE(LoadImageFile(dir.filePath("missing.png")).isNull());
}

TEST_F(PictureFiles, MasksComeFromTheGifOrTheBottomLeftPixel)
{
    int mode = NoTransparency;
    QImage mask;
    const QImage gif = LoadImageWithMask(Put("t.gif", FourColourGif(2)), mode, mask);
    ASSERT_FALSE(gif.isNull());
    EXPECT_EQ(mode, NamedTransparentColor);
    EXPECT_TRUE(IsWhite(mask, 0, 1));   // the blue one
    EXPECT_FALSE(IsWhite(mask, 0, 0) || IsWhite(mask, 1, 0) || IsWhite(mask, 1, 1));

    mode = NoTransparency;   // a GIF87a never names one
    LoadImageWithMask(Put("87.gif", FourColourGif(2, false)), mode, mask);
    EXPECT_EQ(mode, NoTransparency);
    EXPECT_TRUE(mask.isNull());

    mode = TranspAttribute;   // TRANSP: the bottom-left pixel's colour, wherever it is
    QImage bmp = Solid(3, 3, Qt::white, Qt::magenta);
    bmp.setPixelColor(2, 0, Qt::magenta);
    LoadImageWithMask(Put("t.bmp", Encoded(bmp, "bmp")), mode, mask);
    EXPECT_EQ(mode, TranspAttribute);
    EXPECT_TRUE(IsWhite(mask, 0, 2) && IsWhite(mask, 2, 0));
    EXPECT_FALSE(IsWhite(mask, 1, 1));
}

// A page of pictures in its own folder, loaded as the command-line tool does.
class CachedPage : public PictureFiles {
protected:
    void Load(const QString& html, const QString& name = QStringLiteral("page.html"))
    {
        const QString path = Put(name, html.toUtf8());
        host = std::make_unique<HeadlessHost>(document, path);
        document.SetHost(host.get());
        document.LoadFile(path);
        document.Render(600);
    }
    TStringBitmapList& Cache() { return *document.Doc.BitmapList; }
    HtmlDocument document;
    std::unique_ptr<HeadlessHost> host;
};

TEST_F(CachedPage, ReloadingDecodesNothingAgainAndManyTagsShareOnePicture)
{
    QString html;
    for (int i = 0; i < 20; ++i)
        Put(QStringLiteral("p%1.png").arg(i), Encoded(Solid(4, 4, QColor(i * 10, 0, 0)), "png"));
    for (int i = 0; i < 500; ++i)
        html += QStringLiteral("<IMG SRC=\"p%1.png\">").arg(i % 20);
    Load(html);
    EXPECT_EQ(Cache().DecodeCount(), 20);
    EXPECT_EQ(Cache().Count(), 20);
    Load(html);
    Load(html);
    EXPECT_EQ(Cache().DecodeCount(), 20);

    // A picture changed on disk is read again at the next load.
    Put("p3.png", Encoded(Solid(5, 5, Qt::blue), "png"));
    QFile changed(dir.filePath("p3.png"));
    ASSERT_TRUE(changed.open(QIODevice::ReadWrite));
    changed.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    changed.close();
    Load(html);
    EXPECT_EQ(Cache().DecodeCount(), 21);
}

TEST_F(CachedPage, PicturesAgeOutUnlessUsedAndAFailureIsTriedAgainNextLoad)
{
    Put("a.png", Encoded(Solid(4, 4, Qt::red), "png"));
    Cache().SetMaxAge(2);
    Load("<IMG SRC=a.png><IMG SRC=later.png>");
    EXPECT_EQ(Cache().Count(), 1);
    Load("<P>none");
    Load("<IMG SRC=a.png>");   // one load old: still there, and young again
    Load("<P>none");
    Load("<P>none");
    EXPECT_EQ(Cache().Count(), 1);
    EXPECT_EQ(Cache().DecodeCount(), 2);   // a.png, and the host asked for later.png
    Load("<P>none");
    EXPECT_EQ(Cache().Count(), 0);   // older than two loads: dropped

    Put("later.png", Encoded(Solid(4, 4, Qt::red), "png"));
    Load("<IMG SRC=later.png>");
    EXPECT_EQ(Cache().Count(), 1);
    Cache().SetMaxAge(0);   // keeps what this load used
    EXPECT_EQ(Cache().Count(), 1);
    Load("<P>none");
    EXPECT_EQ(Cache().Count(), 0);
}

TEST_F(CachedPage, TheSameNameInAnotherFolderIsAnotherPicture)
{
    QDir(dir.path()).mkdir("sub");
    Put("logo.png", Encoded(Solid(4, 4, Qt::red), "png"));
    Put("sub/logo.png", Encoded(Solid(7, 7, Qt::blue), "png"));
    Load("<IMG SRC=logo.png>");
    Load("<IMG SRC=logo.png>", "sub/page.html");
    EXPECT_EQ(Cache().Count(), 2);
    const QImage shown = document.Render(600);
    const auto* section = dynamic_cast<TSection*>(document.Doc[0]);
    ASSERT_TRUE(section && section->Images.size() == 1);
    EXPECT_EQ(section->Images[0]->ImageWidth, 7);
    EXPECT_EQ(QColor(shown.pixel(HtmlDocument::Margin + 3, section->Images[0]->DrawTop + 3)), QColor(Qt::blue));
}

TEST(PictureRequests, AHostThatSuppliesPicturesIsAskedInsteadOfTheFiles)
{
    RecordingHost host;
    host.SuppliesAll = true;
    host.Folder = QDir::tempPath();
    host.Pictures["a.gif"] = Solid(3, 3, Qt::green, Qt::red);
    host.TransparentColors["a.gif"] = QColor(Qt::green);
    TStringBitmapList cache;
    int mode = TranspAttribute;
    auto item = cache.GetImage("a.gif", mode, &host);
    ASSERT_TRUE(item);
    EXPECT_EQ(mode, NamedTransparentColor);   // the host's colour wins over TRANSP
    EXPECT_EQ(QColor(item->Mask.pixel(1, 1)), QColor(Qt::white));
    EXPECT_EQ(QColor(item->Mask.pixel(0, 2)), QColor(Qt::black));
    mode = NoTransparency;
    EXPECT_EQ(cache.GetImage(" A.GIF ", mode, &host), item);   // one key for every spelling
    EXPECT_FALSE(cache.GetImage("none.gif", mode, &host));
    EXPECT_EQ(host.PicturesAsked, QStringList({"a.gif", "none.gif"}));
}

TEST(PictureRequests, ScaledCopiesAreKeptAndTheDecodedPictureStaysAsItWas)
{
    TBitmapItem item;
    item.Bitmap = Solid(40, 30, Qt::blue, Qt::red);
    item.Mask = MakeMask(item.Bitmap, false);
    const qint64 decoded = item.Bitmap.cacheKey();
    const QImage& small = item.Shown(QSize(20, 15), true);
    EXPECT_EQ(small.size(), QSize(20, 15));
    const qint64 kept = small.cacheKey();
    EXPECT_EQ(item.Shown(QSize(20, 15), true).cacheKey(), kept);   // not scaled again
    EXPECT_EQ(qAlpha(item.Shown(QSize(40, 30), true).pixel(0, 29)), 0);
    EXPECT_EQ(qAlpha(item.Shown(QSize(40, 30), false).pixel(0, 29)), 255);
    EXPECT_EQ(QColor(item.Printed(true).pixel(0, 29)), QColor(Qt::white));
    EXPECT_EQ(item.Bitmap.cacheKey(), decoded);
    EXPECT_EQ(QColor(item.Bitmap.pixel(0, 29)), QColor(Qt::red));
}

} // namespace
