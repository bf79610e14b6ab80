#pragma once

#include "viewer/htmlparser.h"
#include "viewer/sectionlist.h"

#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <QStringList>
#include <exception>
#include <functional>
#include <memory>

class QtCanvas;

class Canvas;
class TBitmapItem;
class QPainter;
class ViewerHost;

// A parsed document with its layout and what the parser leaves beside it.
// The widget holds one; the headless tool and the tests use one without a
// window. Everything that paints a document goes through Paint.
class HtmlDocument {
public:
    explicit HtmlDocument(ViewerHost* host = nullptr);

    void SetHost(ViewerHost* host) { Doc.Host = host; }
    ViewerHost* Host() const { return Doc.Host; }

    // Parse errors are kept in ParseError; what was built before them stays.
    // Other errors (a file that cannot be read) are thrown.
    void LoadFile(const QString& path);
    void LoadText(const QString& text);
    // Runs the parser over the document (emptied by Clear first, with the
    // caller's fonts set). An error the parser throws is returned, not thrown,
    // so the caller may lay out and show what was read first.
    std::exception_ptr ParseWith(const std::function<void(HtmlParser&)>& run);
    // Forgets the document, its layout and its background picture; the
    // cached pictures grow one load older.
    void Clear();

    // Lays the document out for a window of this client width (the text
    // gets the width less the margins); returns the height.
    int Layout(Canvas& canvas, int windowWidth);
    // The part of the page in clip, for a view scrolled to (scrollX, scrollY):
    // background colour, tiled background picture, then the sections.
    void Paint(QPainter& painter, const QRect& clip, int scrollX, int scrollY);
    // The same with the canvas the page was laid out on, whose fonts are
    // ready: a paint then makes none of its own.
    void Paint(QtCanvas& canvas, QPainter& painter, const QRect& clip, int scrollX, int scrollY);
    // The whole document laid out and painted at that window width.
    // Lays out at this width and paints the top of the page, at most maxHeight pixels.
    QImage Render(int windowWidth, int maxHeight = 32000);

    // The background picture, fetched through the image cache once per
    // load; none when there is no usable one.
    const QImage* BackgroundPicture();

    // Space left of and right of the text inside the window.
    static constexpr int Margin = 10;
    // How far right of the margin sections are painted; wider lines are cut.
    static constexpr int ClipWidth = 1300;

    TSectionList Doc;
    TNameList Names;
    QString Title;
    QString Base;
    QString BaseTarget;
    QString ParseError;
    int Height = 0;
    int ScrollWidth = 0;

private:
    void KeepParseError(std::exception_ptr error);
    void PaintBackgroundPicture(QPainter& painter, const QRect& clip, int scrollX, int scrollY);

    bool backgroundFetched_ = false;
    std::shared_ptr<TBitmapItem> backgroundPicture_;
};
