#pragma once

#include "viewer/canvas.h"

#include <QImage>
#include <QString>
#include <vector>

// A canvas with metrics that depend on nothing installed: a font of p points
// is p*4/3 pixels high (16 for 12 points), three quarters of that above the
// baseline, and every character is half the pixel height wide. Text output
// is recorded.
class FakeCanvas : public Canvas {
public:
    struct TextCall {
        int x, y;
        QString text;
        QColor color;
        bool opaque;
        QColor back;
        CanvasFont font;
    };

    static int PixelSize(int points) { return (points * 4 + 1) / 3; }
    int CharWidth() const { return PixelSize(font_.points) / 2; }

    void SelectFont(const CanvasFont& font) override { font_ = font; }
    CanvasFontMetrics Metrics() override
    {
        const int px = PixelSize(font_.points);
        CanvasFontMetrics m;
        m.height = px;
        m.ascent = px * 3 / 4;
        m.descent = px - m.ascent;
        return m;
    }
    int TextWidth(QStringView text) override { return int(text.size()) * CharWidth(); }
    void TextOut(int x, int y, QStringView text, QColor color, TextBackground background, QColor backColor) override
    {
        texts.push_back({x, y, text.toString(), color, background == TextBackground::Opaque, backColor, font_});
    }
    void TextOutClipped(int x, int y, const QRect&, QStringView text, QColor color) override
    {
        texts.push_back({x, y, text.toString(), color, false, QColor(), font_});
    }
    void Line(int, int, int, int, QColor) override { ++lines; }
    void FillRect(const QRect& rect, QColor) override { fills.push_back(rect); }
    void FrameRect(const QRect& rect, QColor color) override { frames.push_back({rect, color}); }
    void Ellipse(const QRect& rect, QColor, QColor fill) override { ellipses.push_back({rect, fill}); }
    void DrawImage(const QRect& target, const QImage& image) override { images.push_back({target, image}); }

    // The recorded call that drew this text, or null.
    const TextCall* Find(const QString& text) const
    {
        for (const TextCall& call : texts)
            if (call.text == text)
                return &call;
        return nullptr;
    }

    std::vector<TextCall> texts;
    std::vector<QRect> fills;
    std::vector<std::pair<QRect, QColor>> ellipses;
    std::vector<std::pair<QRect, QColor>> frames;
    std::vector<std::pair<QRect, QImage>> images;
    int lines = 0;

private:
    CanvasFont font_{QStringLiteral("Times New Roman"), 12};
};
