#include "platform/linenumbergutter.h"

#include "platform/editcontrol.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>

#include <algorithm>

namespace {

constexpr int kLeftPadding = 6;
constexpr int kRightPadding = 8;
// The gutter has room for at least as many digits as this number has.
constexpr int kFewestDigitsShown = 1000;

QColor Mix(const QColor& a, const QColor& b, double share)
{
    return QColor::fromRgbF(float(a.redF() * (1 - share) + b.redF() * share),
                            float(a.greenF() * (1 - share) + b.greenF() * share),
                            float(a.blueF() * (1 - share) + b.blueF() * share));
}

}  // namespace

LineNumberGutter::LineNumberGutter(EditControl& editor) : QWidget(&editor), editor_(editor)
{
    setFont(editor.font());
    connect(&editor, &QPlainTextEdit::updateRequest, this, &LineNumberGutter::FollowUpdate);
    connect(&editor, &QPlainTextEdit::cursorPositionChanged, this, &LineNumberGutter::FollowCaret);
    connect(&editor, &QPlainTextEdit::blockCountChanged, &editor, [&editor] { editor.FitGutter(); });
}

int LineNumberGutter::WidthNeeded() const
{
    const int digits = int(QString::number(std::max(editor_.blockCount(), kFewestDigitsShown)).size());
    return kLeftPadding + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits + kRightPadding;
}

std::vector<LineNumberGutter::ShownNumber> LineNumberGutter::ShownNumbers() const
{
    std::vector<ShownNumber> shown;
    const QPointF offset = editor_.contentOffset();
    const int bottom = editor_.viewport()->height();
    for (QTextBlock block = editor_.firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF rows = editor_.blockBoundingGeometry(block).translated(offset);
        if (rows.top() > bottom)
            break;
        if (block.isVisible() && rows.bottom() >= 0)
            shown.push_back({block.blockNumber() + 1, qRound(rows.top())});
    }
    return shown;
}

QColor LineNumberGutter::MarkColour() const
{
    const QPalette& p = editor_.palette();
    return Mix(p.color(QPalette::Base), p.color(QPalette::Highlight), 0.12);
}

void LineNumberGutter::PaintCurrentLineMark(QPainter& painter) const
{
    const QTextBlock block = editor_.textCursor().block();
    const QRectF rows = editor_.blockBoundingGeometry(block).translated(editor_.contentOffset());
    painter.fillRect(QRectF(0, rows.top(), editor_.viewport()->width(), rows.height()), MarkColour());
}

void LineNumberGutter::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QPalette& p = editor_.palette();
    painter.fillRect(event->rect(), Mix(p.color(QPalette::Base), p.color(QPalette::Window), 0.7));
    painter.setPen(Mix(p.color(QPalette::Base), p.color(QPalette::Text), 0.25));
    painter.drawLine(width() - 1, event->rect().top(), width() - 1, event->rect().bottom());

    const QColor number = Mix(p.color(QPalette::Base), p.color(QPalette::Text), 0.5);
    const QColor current = p.color(QPalette::Text);
    const int caretNumber = editor_.textCursor().blockNumber() + 1;
    const int rowHeight = fontMetrics().height();
    const int top = editor_.viewport()->y() - y();
    for (const ShownNumber& shown : ShownNumbers()) {
        if (shown.number == caretNumber)
            painter.fillRect(QRect(0, top + shown.top, width() - 1, rowHeight), MarkColour());
        painter.setPen(shown.number == caretNumber ? current : number);
        painter.drawText(QRect(0, top + shown.top, width() - kRightPadding, rowHeight), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(shown.number));
    }
}

void LineNumberGutter::FollowUpdate(const QRect& rect, int dy)
{
    if (dy != 0)
        scroll(0, dy);
    else
        update(0, rect.y(), width(), rect.height());
}

void LineNumberGutter::FollowCaret()
{
    const int line = editor_.textCursor().blockNumber();
    if (line == caretLine_)
        return;
    caretLine_ = line;
    // The mark moves with the caret's line, in the editor and here.
    editor_.viewport()->update();
    update();
}
