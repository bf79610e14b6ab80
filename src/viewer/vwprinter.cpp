#include "viewer/vwprinter.h"

#include "platform/kivoerror.h"

#include <QCoreApplication>
#include <QPrinter>

namespace {

KivoError NotPrinting()
{
    return KivoError(QStringLiteral("Printer is not currently printing"));
}

} // namespace

void TPrinterCanvas::SelectFont(const CanvasFont& font)
{
    font_ = font;
    measure_.SelectFont(font);
    if (draw_)
        draw_->SelectFont(font);
}

void TPrinterCanvas::Bind(QPainter* painter)
{
    draw_.reset();
    if (!painter)
        return;
    draw_ = std::make_unique<QtCanvas>(painter);
    draw_->SelectFont(font_);
}

QtCanvas& TPrinterCanvas::Drawing()
{
    if (!printer_.Printing() || !draw_)
        throw NotPrinting();
    return *draw_;
}

void TPrinterCanvas::TextOut(int x, int y, QStringView text, QColor color, TextBackground background,
                             QColor backColor)
{
    Drawing().TextOut(x, y, text, color, background, backColor);
}

void TPrinterCanvas::TextOutClipped(int x, int y, const QRect& clip, QStringView text, QColor color)
{
    Drawing().TextOutClipped(x, y, clip, text, color);
}

void TPrinterCanvas::Line(int x1, int y1, int x2, int y2, QColor color)
{
    Drawing().Line(x1, y1, x2, y2, color);
}

void TPrinterCanvas::FillRect(const QRect& rect, QColor color)
{
    Drawing().FillRect(rect, color);
}

void TPrinterCanvas::FrameRect(const QRect& rect, QColor color)
{
    Drawing().FrameRect(rect, color);
}

void TPrinterCanvas::Ellipse(const QRect& rect, QColor pen, QColor fill)
{
    Drawing().Ellipse(rect, pen, fill);
}

void TPrinterCanvas::DrawImage(const QRect& target, const QImage& image)
{
    Drawing().DrawImage(target, image);
}

TvwPrinter::TvwPrinter(QPrinter& printer) : printer_(printer), canvas_(*this) {}

TvwPrinter::~TvwPrinter()
{
    if (printing_) {
        Aborted = true;
        EndDocument();
    }
}

void TvwPrinter::StartDocument()
{
    if (printing_)
        throw KivoError(QStringLiteral("Printing in progress"));
    if (!Title.isEmpty())
        printer_.setDocName(Title.left(31));
    if (!printer_.isValid() || !painter_.begin(&printer_))
        throw KivoError(QStringLiteral("Printer selected is not valid"));
    printing_ = true;
    Aborted = false;
    pageNumber_ = 1;
    canvas_.Bind(&painter_);
}

void TvwPrinter::EndDocument()
{
    RequirePrinting();
    canvas_.Bind(nullptr);
    printing_ = false;
    // A job dropped half-way is not sent to the printer.
    if (Aborted)
        printer_.abort();
    painter_.end();
}

void TvwPrinter::NextPage()
{
    RequirePrinting();
    if (!printer_.newPage())
        throw KivoError(QStringLiteral("Printer selected is not valid"));
    ++pageNumber_;
    painter_.resetTransform();
    painter_.setClipping(false);
    // Keeps the window painting while a long job is produced; the user's
    // clicks wait, so nothing can change or print the document meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int TvwPrinter::PageWidth() const
{
    return printer_.width();
}

int TvwPrinter::PageHeight() const
{
    return printer_.height();
}

int TvwPrinter::PixelsPerInchX() const
{
    return printer_.logicalDpiX();
}

int TvwPrinter::PixelsPerInchY() const
{
    return printer_.logicalDpiY();
}

void TvwPrinter::RequirePrinting() const
{
    if (!printing_)
        throw NotPrinting();
}
