#include "app/sourceprinter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

// The editor font is sized in screen pixels; the printer needs the same
// size in points so it comes out as large on paper as on the screen.
QFont PrinterFont(const QFont& font)
{
    QFont result = font;
    if (font.pixelSize() > 0)
        result.setPointSizeF(font.pixelSize() * 72.0 / 96.0);
    return result;
}

class TextDevice {
public:
    TextDevice(QPainter& painter, QPagedPaintDevice& device)
        : painter_(painter), device_(device), metrics_(painter.fontMetrics()),
          tabWidth_(8 * metrics_.averageCharWidth()), lineHeight_(metrics_.height() + 2)
    {
    }

    void PrintLine(const QString& line)
    {
        int x = 0;
        QString run;
        int runX = 0;
        for (const QChar ch : line) {
            if (ch == QLatin1Char('\t')) {
                Flush(run, runX);
                x = tabWidth_ > 0 ? (x / tabWidth_ + 1) * tabWidth_ : x;
                if (x > device_.width()) {
                    NextLine();
                    x = 0;
                }
                runX = x;
                continue;
            }
            const int width = metrics_.horizontalAdvance(ch);
            if (x + width > device_.width() && x > 0) {
                Flush(run, runX);
                NextLine();
                x = 0;
                runX = 0;
            }
            run += ch;
            x += width;
        }
        Flush(run, runX);
        NextLine();
    }

private:
    void Flush(QString& run, int x)
    {
        if (run.isEmpty())
            return;
        StartPageIfNeeded();
        painter_.drawText(x, y_ + metrics_.ascent(), run);
        run.clear();
    }

    void StartPageIfNeeded()
    {
        if (device_.height() - y_ < 2 * lineHeight_ && y_ > 0) {
            device_.newPage();
            y_ = 0;
        }
    }

    void NextLine() { y_ += lineHeight_; }

    QPainter& painter_;
    QPagedPaintDevice& device_;
    QFontMetrics metrics_;
    int tabWidth_;
    int lineHeight_;
    int y_ = 0;
};

}  // namespace

void PrintSourceLines(QPainter& painter, QPagedPaintDevice& device, const QFont& font, const QStringList& lines)
{
    painter.setFont(PrinterFont(font));
    painter.setPen(Qt::black);
    TextDevice text(painter, device);
    for (const QString& line : lines)
        text.PrintLine(line);
}
