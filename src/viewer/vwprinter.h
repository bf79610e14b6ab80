#pragma once

#include "viewer/qtcanvas.h"

#include <QPainter>
#include <QString>
#include <memory>

class QPrinter;
class TvwPrinter;

// The drawing surface of a print job. It measures like the screen canvas, so
// a document laid out on it matches the preview; drawing on it while no job
// runs is a programming error.
class TPrinterCanvas : public Canvas {
public:
    explicit TPrinterCanvas(TvwPrinter& printer) : printer_(printer) {}

    void SelectFont(const CanvasFont& font) override;
    CanvasFontMetrics Metrics() override { return measure_.Metrics(); }
    int TextWidth(QStringView text) override { return measure_.TextWidth(text); }

    void TextOut(int x, int y, QStringView text, QColor color, TextBackground background,
                 QColor backColor) override;
    void TextOutClipped(int x, int y, const QRect& clip, QStringView text, QColor color) override;
    void Line(int x1, int y1, int x2, int y2, QColor color) override;
    void FillRect(const QRect& rect, QColor color) override;
    void FrameRect(const QRect& rect, QColor color) override;
    void Ellipse(const QRect& rect, QColor pen, QColor fill) override;
    void DrawImage(const QRect& target, const QImage& image) override;

private:
    friend class TvwPrinter;
    // Binds drawing to the job's painter; called by the printer when a job
    // starts, a page begins or the job ends (null).
    void Bind(QPainter* painter);
    QtCanvas& Drawing();

    TvwPrinter& printer_;
    QtCanvas measure_;
    std::unique_ptr<QtCanvas> draw_;
    CanvasFont font_{QStringLiteral("Times New Roman"), 12};
};

// One print job on a QPrinter: start, pages, end, and the sizes of the
// printable area. The destructor ends a job still running, so an error while
// drawing never leaves the printer open.
class TvwPrinter {
public:
    explicit TvwPrinter(QPrinter& printer);
    ~TvwPrinter();
    TvwPrinter(const TvwPrinter&) = delete;
    TvwPrinter& operator=(const TvwPrinter&) = delete;

    // Opens the job and its first page; "Printer selected is not valid" when
    // the printer cannot be opened.
    void StartDocument();
    void EndDocument();
    void NextPage();

    // The printable area in printer pixels, and the printer's resolution.
    int PageWidth() const;
    int PageHeight() const;
    int PixelsPerInchX() const;
    int PixelsPerInchY() const;

    TPrinterCanvas& Canvas() { return canvas_; }
    // The job's painter, for the mapping and the page's clip.
    QPainter& Painter() { return painter_; }
    bool Printing() const { return printing_; }
    int PageNumber() const { return pageNumber_; }

    // The job name the spooler shows (at most 31 characters; empty by default).
    QString Title;
    // Drops the job instead of finishing it when set before EndDocument.
    bool Aborted = false;

private:
    void RequirePrinting() const;

    QPrinter& printer_;
    QPainter painter_;
    TPrinterCanvas canvas_;
    bool printing_ = false;
    int pageNumber_ = 0;
};
