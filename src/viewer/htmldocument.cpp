#include "viewer/htmldocument.h"

#include "platform/kivoerror.h"
#include "viewer/imagecache.h"
#include "viewer/imageloader.h"
#include "viewer/qtcanvas.h"
#include "viewer/viewerhost.h"

#include <QPainter>
#include <algorithm>

HtmlDocument::HtmlDocument(ViewerHost* host)
{
    Doc.Host = host;
}

std::exception_ptr HtmlDocument::ParseWith(const std::function<void(HtmlParser&)>& run)
{
    std::exception_ptr error;
    try {
        HtmlParser parser(Doc, Names);
        try {
            run(parser);
        } catch (const KivoError&) {
            error = std::current_exception();
        }
        Title = parser.Title;
        Base = parser.Base;
        BaseTarget = parser.BaseTarget;
    } catch (const KivoError&) {
        error = std::current_exception();
    }
    return error;
}

void HtmlDocument::Clear()
{
    Doc.Clear();
    Names.clear();
    Title.clear();
    Base.clear();
    BaseTarget.clear();
    ParseError.clear();
    Height = 0;
    ScrollWidth = 0;
    backgroundFetched_ = false;
    backgroundPicture_.reset();
    Doc.BitmapList->AgeImages();
}

void HtmlDocument::KeepParseError(std::exception_ptr error)
{
    if (!error)
        return;
    try {
        std::rethrow_exception(error);
    } catch (const EParseError& parseError) {
        ParseError = parseError.Message();
    }
}

void HtmlDocument::LoadFile(const QString& path)
{
    Clear();
    KeepParseError(ParseWith([&](HtmlParser& p) { p.ParseFile(path); }));
}

void HtmlDocument::LoadText(const QString& text)
{
    Clear();
    KeepParseError(ParseWith([&](HtmlParser& p) { p.ParseText(text); }));
}

int HtmlDocument::Layout(Canvas& canvas, int windowWidth)
{
    int curs = 0;
    Height = Doc.DoLogic(canvas, 0, std::max(1, windowWidth - 2 * Margin), ScrollWidth, curs);
    return Height;
}

void HtmlDocument::Paint(QPainter& painter, const QRect& clip, int scrollX, int scrollY)
{
    QtCanvas canvas;
    Paint(canvas, painter, clip, scrollX, scrollY);
}

void HtmlDocument::Paint(QtCanvas& canvas, QPainter& painter, const QRect& clip, int scrollX, int scrollY)
{
    painter.fillRect(clip, Doc.Background);
    PaintBackgroundPicture(painter, clip, scrollX, scrollY);
    // The painter ends with this paint; the canvas goes on measuring.
    struct Lent {
        QtCanvas& canvas;
        ~Lent() { canvas.SetPainter(nullptr); }
    } lent{canvas};
    canvas.SetPainter(&painter);
    Doc.YOff = scrollY;
    Doc.Draw(canvas, clip, ClipWidth, Margin - scrollX, 0);
}

void HtmlDocument::PaintBackgroundPicture(QPainter& painter, const QRect& clip, int scrollX, int scrollY)
{
    if (!Doc.ShowImages || Doc.Printing)
        return;
    const QImage* picture = BackgroundPicture();
    if (!picture)
        return;
    // Tiles start left of and above the view by the scroll's remainder, so
    // they move with the text.
    const int w = picture->width();
    const int h = picture->height();
    const int left = (scrollX / w) * w - scrollX;
    const int top = (scrollY / h) * h - scrollY;
    for (int y = top; y <= clip.bottom(); y += h) {
        if (y + h <= clip.top())
            continue;
        for (int x = left; x <= clip.right(); x += w) {
            if (x + w > clip.left())
                painter.drawImage(x, y, *picture);
        }
    }
}

const QImage* HtmlDocument::BackgroundPicture()
{
    if (Doc.BackgroundName.isEmpty())
        return nullptr;
    if (!backgroundFetched_) {
        backgroundFetched_ = true;
        int mode = NoTransparency;
        backgroundPicture_ = Doc.BitmapList->GetImage(Doc.BackgroundName, mode, Doc.Host);
    }
    if (!backgroundPicture_ || backgroundPicture_->Bitmap.isNull())
        return nullptr;
    return &backgroundPicture_->Bitmap;
}

QImage HtmlDocument::Render(int windowWidth, int maxHeight)
{
    {
        QtCanvas measure;
        Layout(measure, windowWidth);
    }
    // One picture of a long page would take gigabytes; its top is what is asked for.
    QImage image(std::max(1, windowWidth), std::clamp(Height + Margin, 1, std::max(1, maxHeight)), QImage::Format_RGB32);
    QPainter painter(&image);
    Paint(painter, image.rect(), 0, 0);
    return image;
}
