#include "viewer/qtcanvas.h"

#include <QImage>
#include <QPainter>

size_t QtCanvas::FontHash::operator()(const CanvasFont& f) const
{
    return qHash(f.face) * 31 + size_t(f.points) * 8 + size_t(f.bold) * 4 + size_t(f.italic) * 2 + size_t(f.underline);
}

QtCanvas::FontEntry::FontEntry(const QFont& f) : font(f), metrics(f)
{
    summary.ascent = metrics.ascent();
    summary.descent = metrics.descent();
    summary.height = summary.ascent + summary.descent;
    summary.externalLeading = metrics.leading() > 0 ? metrics.leading() : 0;
    summary.overhang = 0;
    advances.fill(-1);
}

QtCanvas::QtCanvas(QPainter* painter) : painter_(painter)
{
    SelectFont(CanvasFont{QStringLiteral("Times New Roman"), 12});
}

QtCanvas::~QtCanvas() = default;

void QtCanvas::SetPainter(QPainter* painter)
{
    painter_ = painter;
    if (painter_ && current_)
        painter_->setFont(current_->font);
}

QFont QtCanvas::MakeQFont(const CanvasFont& f)
{
    QFont font(f.face);
    // Points on a 96-per-inch screen, set as pixels so the layout is the
    // same on every device.
    font.setPixelSize(qMax(1, qRound(f.points * 96.0 / 72.0)));
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferDefault);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

namespace {

bool SameFont(const CanvasFont& a, const CanvasFont& b)
{
    // Runs nearly always share the face's string data: compare that first.
    return a.points == b.points && a.bold == b.bold && a.italic == b.italic && a.underline == b.underline
        && (a.face.constData() == b.face.constData() || a.face == b.face);
}

} // namespace

void QtCanvas::SelectFont(const CanvasFont& font)
{
    if (current_ && SameFont(font, *currentKey_))
        return;
    Seen& slot = seen_[(reinterpret_cast<uintptr_t>(&font) / alignof(CanvasFont)) % SeenSlots];
    if (slot.asked == &font && SameFont(font, *slot.key)) {
        currentKey_ = slot.key;
        current_ = slot.entry;
    } else {
        auto it = fonts_.find(font);
        if (it == fonts_.end())
            it = fonts_.emplace(font, std::make_unique<FontEntry>(MakeQFont(font))).first;
        currentKey_ = &it->first;
        current_ = it->second.get();
        slot = Seen{&font, currentKey_, current_};
    }
    if (painter_)
        painter_->setFont(current_->font);
}

CanvasFontMetrics QtCanvas::Metrics()
{
    return current_->summary;
}

int QtCanvas::TextWidth(QStringView text)
{
    int width = 0;
    FontEntry& entry = *current_;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < 256) {
            width += entry.Advance(u);
        } else {
            // Outside Latin-1 (and surrogate pairs) ask Qt, with its font fallback, for the rest at once.
            return width + current_->metrics.horizontalAdvance(text.mid(i).toString());
        }
    }
    return width;
}

int QtCanvas::FitText(QStringView text, int maxWidth, int& width)
{
    // Anything outside Latin-1 is measured by Qt as a whole, as TextWidth does.
    for (QChar c : text)
        if (c.unicode() >= 256)
            return Canvas::FitText(text, maxWidth, width);
    return FitLatin1Text(text, maxWidth, width);
}

int QtCanvas::FitLatin1Text(QStringView text, int maxWidth, int& width)
{
    // Latin-1 widths are sums of advances: one walk finds the fitting part.
    FontEntry& entry = *current_;
    int used = 0;
    qsizetype i = 0;
    for (; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u >= 256)   // not what the caller promised: measure it the general way
            return FitText(text, maxWidth, width);
        const int advance = entry.Advance(u);
        if (used + advance > maxWidth)
            break;
        used += advance;
    }
    width = used;
    return int(i);
}

void QtCanvas::TextOut(int x, int y, QStringView text, QColor color, TextBackground background,
                       QColor backColor)
{
    if (!painter_ || text.isEmpty())
        return;
    if (background == TextBackground::Opaque)
        painter_->fillRect(QRect(x, y, TextWidth(text), current_->summary.height), backColor);
    painter_->setPen(color);
    painter_->drawText(QPoint(x, y + current_->summary.ascent), text.toString());
}

void QtCanvas::TextOutClipped(int x, int y, const QRect& clip, QStringView text, QColor color)
{
    if (!painter_ || text.isEmpty())
        return;
    painter_->save();
    painter_->setClipRect(clip, Qt::IntersectClip);
    painter_->setPen(color);
    painter_->drawText(QPoint(x, y + current_->summary.ascent), text.toString());
    painter_->restore();
}

void QtCanvas::Line(int x1, int y1, int x2, int y2, QColor color)
{
    if (!painter_)
        return;
    painter_->setPen(color);
    painter_->drawLine(x1, y1, x2, y2);
}

void QtCanvas::FillRect(const QRect& rect, QColor color)
{
    if (painter_)
        painter_->fillRect(rect, color);
}

void QtCanvas::FrameRect(const QRect& rect, QColor color)
{
    if (!painter_ || rect.isEmpty())
        return;
    painter_->setPen(color);
    painter_->setBrush(Qt::NoBrush);
    painter_->drawRect(rect.adjusted(0, 0, -1, -1));
}

void QtCanvas::Ellipse(const QRect& rect, QColor pen, QColor fill)
{
    if (!painter_)
        return;
    painter_->save();
    painter_->setRenderHint(QPainter::Antialiasing, true);
    painter_->setPen(pen.isValid() ? QPen(pen) : QPen(Qt::NoPen));
    painter_->setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
    painter_->drawEllipse(rect.adjusted(0, 0, -1, -1));
    painter_->restore();
}

void QtCanvas::DrawImage(const QRect& target, const QImage& image)
{
    if (painter_ && !image.isNull())
        painter_->drawImage(target, image);
}
