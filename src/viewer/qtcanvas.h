#pragma once

#include "viewer/canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <array>
#include <memory>

class QPainter;

// The canvas over QPainter and QFontMetrics. Without a painter it only
// measures, which is all layout needs.
class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter* painter = nullptr);
    ~QtCanvas() override;

    void SelectFont(const CanvasFont& font) override;
    CanvasFontMetrics Metrics() override;
    int TextWidth(QStringView text) override;

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
    struct FontEntry {
        QFont font;
        QFontMetrics metrics;
        CanvasFontMetrics summary;
        std::array<int, 256> advances{};
        explicit FontEntry(const QFont& f);
    };

    QPainter* painter_;
    QHash<QString, std::shared_ptr<FontEntry>> fonts_;
    CanvasFont currentKey_;
    std::shared_ptr<FontEntry> current_;
};
