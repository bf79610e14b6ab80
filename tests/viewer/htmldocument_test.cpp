// The document object without a window: its one paint entry and its host.
#include "recordinghost.h"

#include "viewer/formcontrols.h"
#include "viewer/headlesshost.h"
#include "viewer/htmldocument.h"

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Eight by eight: red above, green below.
QImage TwoBandTile()
{
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(Qt::red);
    QPainter(&tile).fillRect(0, 4, 8, 4, Qt::green);
    return tile;
}

QColor At(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

TEST(DocumentPainting, RenderTilesTheBackgroundPictureNamedRelativeToThePage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(TwoBandTile().save(dir.filePath("tile.png")));
    const QString page = dir.filePath("page.html");
    {
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<BODY BGCOLOR=\"#0000FF\" BACKGROUND=\"tile.png\"><P>x<P>y<P>z");
    }
    // As the command-line tool does it.
    HtmlDocument document;
    HeadlessHost host(document, page);
    document.SetHost(&host);
    document.LoadFile(page);
    const QImage image = document.Render(200);
    ASSERT_GT(image.height(), 16);
    const int right = image.width() - 2;
    for (int y : {1, 9, 17})
        EXPECT_EQ(At(image, right, y), QColor(Qt::red)) << y;
    for (int y : {5, 13})
        EXPECT_EQ(At(image, right, y), QColor(Qt::green)) << y;
    EXPECT_EQ(At(image, 3, 1), QColor(Qt::red));

    // Without pictures, the colour.
    document.Doc.ShowImages = false;
    EXPECT_EQ(At(document.Render(200), right, 1), QColor(Qt::blue));
}

TEST(DocumentPainting, AnUnreadablePictureIsAskedOfTheHostOnceElseTheColourStays)
{
    RecordingHost host;
    HtmlDocument document(&host);
    document.LoadText("<BODY BGCOLOR=\"#0000FF\" BACKGROUND=\"made.png\"><P>x");
    EXPECT_EQ(At(document.Render(100), 50, 2), QColor(Qt::blue));
    EXPECT_EQ(host.PicturesAsked, QStringList{"made.png"});

    host.Pictures["made.png"] = TwoBandTile();
    document.LoadText("<BODY BGCOLOR=\"#0000FF\" BACKGROUND=\"made.png\"><P>x");   // a load reads it afresh
    QImage image = document.Render(100);
    EXPECT_EQ(At(image, 50, 2), QColor(Qt::red));
    EXPECT_EQ(At(image, 50, 6), QColor(Qt::green));
    image = document.Render(100);   // kept by its path meanwhile
    EXPECT_EQ(host.PicturesAsked, QStringList({"made.png", "made.png"}));
}

TEST(DocumentPainting, PaintScrolledMovesTilesAndTextTogether)
{
    RecordingHost host;
    host.Pictures["made.png"] = TwoBandTile();
    HtmlDocument document(&host);
    document.LoadText("<BODY BACKGROUND=\"made.png\"><P>x");
    QImage image(40, 40, QImage::Format_RGB32);
    QPainter painter(&image);
    document.Paint(painter, image.rect(), 3, 4);
    EXPECT_EQ(At(image, 0, 0), QColor(Qt::green));
    EXPECT_EQ(At(image, 0, 4), QColor(Qt::red));
}

TEST(DocumentHost, ErrorsAndBackgroundChangesGoToTheHost)
{
    RecordingHost host;
    HtmlDocument document(&host);
    document.Doc.SetBackground(Qt::cyan);
    ASSERT_EQ(host.Backgrounds.size(), 1u);
    EXPECT_EQ(host.Backgrounds[0], QColor(Qt::cyan));
    document.Doc.ReportError("Table has too many Columns");
    // The printing copy reports to the same host.
    document.Doc.CopyForPrinting()->ReportError("again");
    EXPECT_EQ(host.Errors, QStringList({"Table has too many Columns", "again"}));
}

TEST(DocumentHost, AFormIsSubmittedThroughTheHost)
{
    RecordingHost host;
    HtmlDocument document(&host);
    document.LoadText("<FORM ACTION=\"go.cgi\" METHOD=POST><INPUT NAME=a VALUE=1>"
                      "<INPUT TYPE=checkbox NAME=c CHECKED><INPUT TYPE=radio NAME=r VALUE=x></FORM>");
    ASSERT_EQ(document.Doc.htmlFormList.size(), 1u);
    document.Doc.htmlFormList[0]->Submit("go=Send");
    ASSERT_EQ(host.Submissions.size(), 1u);
    EXPECT_EQ(host.Submissions[0].action, "go.cgi");
    EXPECT_EQ(host.Submissions[0].method.toUpper(), "POST");
    EXPECT_EQ(host.Submissions[0].results, (QStringList{"a=1", "c=On", "go=Send"}));
}

TEST(DocumentHost, HeadlessHostExpandsAgainstTheBaseElseThePagesFolder)
{
    HtmlDocument document;
    HeadlessHost host(document, "/pages/site/index.html");
    EXPECT_EQ(host.ExpandLinkName("pic/a.png"), "/pages/site/pic/a.png");
    document.LoadText("<BASE HREF=\"/other/\"><P>x");
    EXPECT_EQ(host.ExpandLinkName("a.png"), "/other/a.png");
    QColor transparent;
    EXPECT_TRUE(host.LoadPicture("a.png", transparent).isNull());
}

} // namespace
