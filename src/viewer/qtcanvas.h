#pragma once

#include "viewer/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <array>
#include <memory>
#include <unordered_map>

class QPainter;

// The canvas over QPainter and QFontMetrics. Without a painter it only
// measures, which is all layout needs.
class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter* painter = nullptr);
    ~QtCanvas() override;
    // Draws with another painter (or, null, only measures again). A canvas
    // kept from one paint to the next keeps its fonts and their advances.
    void SetPainter(QPainter* painter);

    void SelectFont(const CanvasFont& font) override;
    CanvasFontMetrics Metrics() override;
    int TextWidth(QStringView text) override;
    int FitText(QStringView text, int maxWidth, int& width) override;
    int FitLatin1Text(QStringView text, int maxWidth, int& width) override;

    void TextOut(int x, int y, QStringView text, QColor color, TextBackground background,
                 QColor backColor) override;
    void TextOutClipped(int x, int y, const QRect& clip, QStringView text, QColor color) override;
    void Line(int x1, int y1, int x2, int y2, QColor color) override;
    void FillRect(const QRect& rect, QColor color) override;
    void FrameRect(const QRect& rect, QColor color) override;
    void Ellipse(const QRect& rect, QColor pen, QColor fill) override;
    void DrawImage(const QRect& target, const QImage& image) override;

    static QFont MakeQFont(const CanvasFont& font);

private:
    // Per font: the QFont, its metrics and the advances of the Latin-1
    // characters, so measuring a run is a sum rather than a shaping call.
    // An advance is asked for the first time the character is measured.
    struct FontEntry {
        QFont font;
        QFontMetrics metrics;
        CanvasFontMetrics summary;
        std::array<int, 256> advances;
        explicit FontEntry(const QFont& f);
        int Advance(char16_t latin1)
        {
            int& a = advances[latin1];
            if (a < 0)
                a = metrics.horizontalAdvance(QChar(latin1));
            return a;
        }
    };
    struct FontHash {
        size_t operator()(const CanvasFont& f) const;
    };

    QPainter* painter_;
    // Keyed by the font itself: layout switches fonts at every run, and a
    // key made as text would cost an allocation each time. The entries stay
    // where they are while the canvas lives, so the selection and the
    // recent fonts point at them and switching costs no counting.
    std::unordered_map<CanvasFont, std::unique_ptr<FontEntry>, FontHash> fonts_;
    // Fonts found before, by where the caller keeps its font: layout asks
    // with the same few objects (a document's pooled fonts) over and over.
    // A slot answers only when it still holds an equal font, so an address
    // used again for another font is only a miss.
    static constexpr size_t SeenSlots = 64;
    struct Seen {
        const CanvasFont* asked = nullptr;
        const CanvasFont* key = nullptr;
        FontEntry* entry = nullptr;
    };
    std::array<Seen, SeenSlots> seen_;
    const CanvasFont* currentKey_ = nullptr;
    FontEntry* current_ = nullptr;
};
