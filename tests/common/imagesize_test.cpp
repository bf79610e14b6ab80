#include "common/imagesize.h"

#include "wizards/imagefiles.h"
#include "platform/kivoerror.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

using namespace imagefiles;

namespace {

class ImageSizeTest : public ::testing::Test {
protected:
    QString File(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(Write(path, bytes));
        return path;
    }
    QString Message(const std::function<void()>& read)
    {
        try {
            read();
        } catch (const KivoError& error) {
            return error.Message();
        }
        return QStringLiteral("no error");
    }
    QTemporaryDir folder;
};

// Zeros with the baseline frame pattern and a 640 x 480 size at `at`.
QByteArray PatternAt(qsizetype at, qsizetype length)
{
    QByteArray bytes(length, '\0');
    const QByteArray frame("\xC0\x00\x11\x08\x01\xE0\x02\x80", 8);
    bytes.replace(at, std::min<qsizetype>(frame.size(), length - at), frame.left(length - at));
    return bytes;
}

}  // namespace

TEST_F(ImageSizeTest, GifHeaderGivesTheLogicalScreenSize)
{
    EXPECT_EQ(ReadGifSize(File("a.gif", Gif("GIF89a", 300, 200))), (ImageSize{300, 200}));
    EXPECT_EQ(ReadGifSize(File("b.gif", Gif("GIF87a", 65535, 1))), (ImageSize{65535, 1}));
    // The signature is compared case by case; a JPEG named .gif has none.
    EXPECT_EQ(ReadGifSize(File("c.gif", Gif("gif89a", 300, 200))), std::nullopt);
    EXPECT_EQ(ReadGifSize(File("d.gif", Gif("GIF90a", 300, 200))), std::nullopt);
    EXPECT_EQ(ReadGifSize(File("e.gif", Jpeg(20, 10))), std::nullopt);
    EXPECT_EQ(ReadGifSize(folder.filePath("missing.gif")), std::nullopt);
}

TEST_F(ImageSizeTest, ShortGifRaisesAReadError)
{
    const QString path = File("short.gif", Gif("GIF89a", 300, 200).left(11));
    EXPECT_EQ(Message([&] { ReadGifSize(path); }), "Read beyond end of file " + path);
    EXPECT_EQ(Message([&] { ReadGifSize(File("empty.gif", {})); }).left(23), "Read beyond end of file");
}

TEST_F(ImageSizeTest, JpegBaselineFrameGivesItsSize)
{
    EXPECT_EQ(ReadJpegSize(File("a.jpg", Jpeg(120, 60))), (ImageSize{120, 60}));
    // Grey and progressive frames do not match the baseline pattern.
    EXPECT_EQ(ReadJpegSize(File("grey.jpg", Jpeg(120, 60, JpegKind::Grey))), std::nullopt);
    EXPECT_EQ(ReadJpegSize(File("prog.jpg", Jpeg(120, 60, JpegKind::Progressive))), std::nullopt);
    EXPECT_EQ(ReadJpegSize(File("empty.jpg", {})), std::nullopt);
}

TEST_F(ImageSizeTest, JpegLaterOfTwoFramesWins)
{
    // A thumbnail's frame comes first, inside an application segment.
    const QByteArray jpeg = WithSegmentsAfterStart(Jpeg(100, 50), Segment(0xE1, Jpeg(16, 8)));
    const QString path = File("thumb.jpg", jpeg);
    EXPECT_EQ(ReadJpegSize(path), (ImageSize{100, 50}));
    EXPECT_EQ(ReadJpegFrameSize(path), (ImageSize{100, 50}));
}

TEST_F(ImageSizeTest, JpegScanCoversTheFirst19994PositionsWithTheirSizeBytes)
{
    EXPECT_EQ(ReadJpegSize(File("a.jpg", PatternAt(0, 8))), (ImageSize{640, 480}));
    EXPECT_EQ(ReadJpegSize(File("b.jpg", PatternAt(19992, 30000))), (ImageSize{640, 480}));
    // The width's last byte would lie past the 20000 bytes read.
    EXPECT_EQ(ReadJpegSize(File("c.jpg", PatternAt(19993, 30000))), std::nullopt);
    EXPECT_EQ(ReadJpegSize(File("d.jpg", PatternAt(19994, 30000))), std::nullopt);
    // A pattern at the end of a short file, its size cut off.
    for (int cut = 4; cut < 8; ++cut)
        EXPECT_EQ(ReadJpegSize(File("e.jpg", PatternAt(100, 100 + cut))), std::nullopt) << cut;
}

TEST_F(ImageSizeTest, JpegFrameBeyondTheBufferIsFoundOnlyByTheSegmentWalk)
{
    const QByteArray padding = Segment(0xFE, QByteArray(20100, 'x'));
    const QString path = File("far.jpg", WithSegmentsAfterStart(Jpeg(90, 45), padding));
    EXPECT_EQ(ReadJpegSize(path), std::nullopt);
    EXPECT_EQ(ReadJpegFrameSize(path), (ImageSize{90, 45}));
    EXPECT_EQ(ReadImageSize(path), (ImageSize{90, 45}));
}

TEST_F(ImageSizeTest, JpegSegmentWalkReadsGreyAndProgressiveFrames)
{
    EXPECT_EQ(ReadJpegFrameSize(File("grey.jpg", Jpeg(31, 17, JpegKind::Grey))), (ImageSize{31, 17}));
    EXPECT_EQ(ReadJpegFrameSize(File("prog.jpg", Jpeg(33, 19, JpegKind::Progressive))), (ImageSize{33, 19}));
    EXPECT_EQ(ReadJpegFrameSize(File("gif.jpg", Gif("GIF89a", 3, 4))), std::nullopt);
    // A frame after the scan data is not one this image is drawn with.
    const QByteArray scanFirst = QByteArray("\xFF\xD8", 2) + Segment(0xDA, "abc") + Segment(0xC0, "\x08\x00\x10\x00\x20");
    EXPECT_EQ(ReadJpegFrameSize(File("scan.jpg", scanFirst)), std::nullopt);
    // Lengths that point nowhere, a segment shorter than its length, endless fill.
    EXPECT_EQ(ReadJpegFrameSize(File("l0.jpg", QByteArray("\xFF\xD8\xFF\xE0\x00\x00", 6))), std::nullopt);
    EXPECT_EQ(ReadJpegFrameSize(File("l1.jpg", QByteArray("\xFF\xD8\xFF\xE0\xFF\xFF", 6))), std::nullopt);
    EXPECT_EQ(ReadJpegFrameSize(File("sof.jpg", QByteArray("\xFF\xD8\xFF\xC2\x00\x04\x08\x00", 8))), std::nullopt);
    EXPECT_EQ(ReadJpegFrameSize(File("fill.jpg", QByteArray("\xFF\xD8", 2) + QByteArray(200000, char(0xFF)))),
              std::nullopt);
}

TEST_F(ImageSizeTest, BmpHeaderGivesItsSizeAndAnythingElseIsAnError)
{
    EXPECT_EQ(ReadBmpSize(File("a.bmp", Encoded(33, 21, "BMP"))), (ImageSize{33, 21}));
    EXPECT_EQ(Message([&] { ReadBmpSize(File("empty.bmp", {})); }), "Bitmap image is not valid");
    EXPECT_EQ(Message([&] { ReadBmpSize(File("png.bmp", Encoded(33, 21, "PNG"))); }), "Bitmap image is not valid");
    EXPECT_EQ(Message([&] { ReadBmpSize(File("cut.bmp", Encoded(33, 21, "BMP").left(20))); }),
              "Bitmap image is not valid");
    const QString missing = folder.filePath("missing.bmp");
    EXPECT_EQ(Message([&] { ReadBmpSize(missing); }), "Cannot open file " + missing);
}

TEST_F(ImageSizeTest, PngHeaderGivesItsSizeAndABrokenOneNothing)
{
    const QByteArray png = Encoded(70, 40, "PNG");
    EXPECT_EQ(ReadPngSize(File("a.png", png)), (ImageSize{70, 40}));
    QByteArray badSignature = png;
    badSignature[1] = 'p';
    QByteArray badChunk = png;
    badChunk[12] = 'i';
    QByteArray zeroWidth = png;
    zeroWidth.replace(16, 4, QByteArray(4, '\0'));
    QByteArray hugeWidth = png;
    hugeWidth.replace(16, 4, QByteArray(4, char(0xFF)));
    for (const QByteArray& broken : {badSignature, badChunk, zeroWidth, hugeWidth, png.left(23), QByteArray()})
        EXPECT_EQ(ReadPngSize(File("broken.png", broken)), std::nullopt);
}

TEST_F(ImageSizeTest, ExtensionChoosesTheReaderInAnyLetterCase)
{
    EXPECT_EQ(ReadImageSize(File("Photo.JPG", Jpeg(12, 34))), (ImageSize{12, 34}));
    EXPECT_EQ(ReadImageSize(File("grey.jpg", Jpeg(12, 34, JpegKind::Grey))), (ImageSize{12, 34}));
    EXPECT_EQ(ReadImageSize(File("Logo.Gif", Gif("GIF89a", 5, 6))), (ImageSize{5, 6}));
    EXPECT_EQ(ReadImageSize(File("a.bmp", Encoded(7, 8, "BMP"))), (ImageSize{7, 8}));
    EXPECT_EQ(ReadImageSize(File("a.PNG", Encoded(9, 10, "PNG"))), (ImageSize{9, 10}));
    // Other extensions read nothing, whatever the file holds.
    EXPECT_EQ(ReadImageSize(File("photo.jpeg", Jpeg(12, 34))), std::nullopt);
    EXPECT_EQ(ReadImageSize(File("notes.txt", Gif("GIF89a", 5, 6))), std::nullopt);
    EXPECT_EQ(ReadImageSize(File("noext", Gif("GIF89a", 5, 6))), std::nullopt);
}

TEST_F(ImageSizeTest, FoldersNamedLikePicturesReadNoSize)
{
    for (const char* name : {"x.gif", "x.jpg", "x.bmp", "x.png"}) {
        ASSERT_TRUE(QDir(folder.path()).mkdir(QLatin1String(name)));
        const QString path = folder.filePath(QLatin1String(name));
        std::optional<ImageSize> size;
        try {
            size = ReadImageSize(path);
        } catch (const KivoError&) {
        }
        EXPECT_EQ(size, std::nullopt) << name;
    }
    EXPECT_EQ(ReadGifSize(folder.filePath("x.gif")), std::nullopt);
    EXPECT_EQ(ReadPngSize(folder.filePath("x.png")), std::nullopt);
}

// Thousands of damaged headers: every reader ends, with a size, nothing or
// its error, and never reads outside what it was given.
TEST_F(ImageSizeTest, MutatedHeadersNeverCrashOrHang)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        std::function<std::optional<ImageSize>(const QString&)> read;
    };
    const Case cases[] = {
        {"m.gif", Gif("GIF89a", 300, 200), ReadGifSize},
        {"m.jpg", WithSegmentsAfterStart(Jpeg(24, 16), Segment(0xE1, Jpeg(8, 8))), ReadJpegSize},
        {"w.jpg", Jpeg(24, 16, JpegKind::Progressive), ReadJpegFrameSize},
        {"m.bmp", Encoded(24, 16, "BMP"), ReadBmpSize},
        {"m.png", Encoded(24, 16, "PNG"), ReadPngSize},
    };
    std::mt19937 random(20261208);
    for (const Case& base : cases) {
        int sizes = 0;
        for (int round = 0; round < 2000; ++round) {
            // A fresh file each round: rewriting one file makes the file
            // system flush it to disk every time.
            const QString path = folder.filePath(QStringLiteral("%1-%2").arg(round).arg(QLatin1String(base.name)));
            QByteArray bytes = base.bytes;
            // Damage the header most of the time, anywhere now and then.
            const int changes = 1 + int(random() % 8);
            for (int change = 0; change < changes; ++change) {
                const qsizetype reach = random() % 4 == 0 ? bytes.size() : std::min<qsizetype>(bytes.size(), 64);
                bytes[qsizetype(random() % reach)] = char(random() % 4 == 0 ? 0xFF : random());
            }
            if (random() % 5 == 0)
                bytes.truncate(qsizetype(random() % bytes.size()));
            ASSERT_TRUE(Write(path, bytes));
            try {
                if (const auto size = base.read(path)) {
                    ++sizes;
                    EXPECT_GE(size->width, 0);
                    EXPECT_GE(size->height, 0);
                }
            } catch (const KivoError&) {
            }
            QFile::remove(path);
        }
        // Most damage leaves the size fields in place, so some rounds read one.
        EXPECT_GT(sizes, 0) << base.name;
    }
}
