#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringView>
#include <atomic>
#include <cstdint>

class QImage;

// A font as layout and painting ask for it: the size is in points and the
// canvas draws it size * 96 / 72 pixels high, whatever the device.
struct CanvasFont {
    QString face;
    int points = 12;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const CanvasFont&) const = default;
};

struct CanvasFontMetrics {
    int height = 0;           // ascent + descent
    int ascent = 0;
    int descent = 0;
    int externalLeading = 0;
    int overhang = 0;         // extra width of synthesised bold or italic glyphs
};

enum class TextBackground { Transparent, Opaque };

// Everything layout and painting need from a drawing surface. The Qt canvas
// serves the screen, images and the printer; tests use one with fixed metrics.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Tells canvases apart for as long as the program runs, also one made
    // where another was freed: a font's metrics on a canvas never change,
    // so a font measured on this one need not be measured again.
    uint64_t Serial() const { return serial_; }

    virtual void SelectFont(const CanvasFont& font) = 0;
    virtual CanvasFontMetrics Metrics() = 0;
    // Width of the text in the selected font (overhang included, as the
    // classic extent was).
    virtual int TextWidth(QStringView text) = 0;
    // How many leading characters of the text fit in maxWidth (their
    // TextWidth at most maxWidth), with their width in width. Widths grow
    // with the text, so a binary search over TextWidth finds it; a canvas
    // that sums advances can walk the text once instead.
    virtual int FitText(QStringView text, int maxWidth, int& width)
    {
        width = TextWidth(text);
        if (width <= maxWidth)
            return int(text.size());
        int lo = 0;              // always fits
        int hi = int(text.size());   // never fits
        while (hi - lo > 1) {
            const int mid = (lo + hi) / 2;
            if (TextWidth(text.left(mid)) <= maxWidth)
                lo = mid;
            else
                hi = mid;
        }
        width = lo > 0 ? TextWidth(text.left(lo)) : 0;
        return lo;
    }
    // FitText for a text the caller knows holds Latin-1 only: a canvas that
    // measures other characters differently need not look for them.
    virtual int FitLatin1Text(QStringView text, int maxWidth, int& width) { return FitText(text, maxWidth, width); }

    // y is the top of the character cell.
    virtual void TextOut(int x, int y, QStringView text, QColor color,
                         TextBackground background = TextBackground::Transparent,
                         QColor backColor = QColor()) = 0;
    // Text drawn clipped to the rectangle.
    virtual void TextOutClipped(int x, int y, const QRect& clip, QStringView text, QColor color) = 0;
    virtual void Line(int x1, int y1, int x2, int y2, QColor color) = 0;
    virtual void FillRect(const QRect& rect, QColor color) = 0;
    virtual void FrameRect(const QRect& rect, QColor color) = 0;
    // A filled ellipse; an invalid fill colour draws the outline only.
    virtual void Ellipse(const QRect& rect, QColor pen, QColor fill) = 0;
    virtual void DrawImage(const QRect& target, const QImage& image) = 0;

private:
    static uint64_t NextSerial()
    {
        static std::atomic<uint64_t> last{0};
        return ++last;
    }
    uint64_t serial_ = NextSerial();
};
