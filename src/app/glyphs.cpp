#include "app/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int kSize = 32;  // drawn on a 32 grid, scaled by the icon engine

const QColor kInk(0x20, 0x20, 0x20);
const QColor kPaper(Qt::white);
const QColor kFolder(0xF0, 0xC0, 0x40);
const QColor kBlue(0x20, 0x50, 0xB0);
const QColor kGreen(0x20, 0x90, 0x40);
const QColor kRed(0xC0, 0x20, 0x20);

void Page(QPainter& p, QRectF r)
{
    QPainterPath path;
    const qreal fold = r.width() / 3;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void TextLines(QPainter& p, QRectF r, int count)
{
    for (int i = 0; i < count; ++i) {
        const qreal y = r.top() + i * r.height() / qMax(1, count - 1);
        p.drawLine(QPointF(r.left(), y), QPointF(r.right() - (i % 2) * r.width() / 3, y));
    }
}

void Disk(QPainter& p, QRectF r)
{
    p.setBrush(kBlue);
    p.drawRoundedRect(r, 2, 2);
    p.setBrush(kPaper);
    p.drawRect(QRectF(r.left() + 5, r.top(), r.width() - 10, r.height() * 0.4));
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    p.drawRect(QRectF(r.left() + 7, r.bottom() - r.height() * 0.35, r.width() - 14, r.height() * 0.35));
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour)
{
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(from, to);
    const QLineF line(to, from);
    QLineF wing1 = line;
    wing1.setLength(7);
    wing1.setAngle(line.angle() + 35);
    QLineF wing2 = line;
    wing2.setLength(7);
    wing2.setAngle(line.angle() - 35);
    p.drawLine(wing1);
    p.drawLine(wing2);
    p.setPen(QPen(kInk, 1.5));
}

void Paint(QPainter& p, Glyph glyph)
{
    p.setPen(QPen(kInk, 1.5));
    switch (glyph) {
    case Glyph::NewFile:
        Page(p, QRectF(7, 3, 18, 26));
        p.setPen(QPen(QColor(0xE0, 0xA0, 0x00), 2));
        p.drawLine(22, 20, 22, 30);
        p.drawLine(17, 25, 27, 25);
        break;
    case Glyph::OpenFile:
        p.setBrush(kFolder.darker(120));
        p.drawRect(QRectF(3, 9, 24, 18));
        p.setBrush(kFolder);
        p.drawPolygon(QPolygonF({QPointF(3, 27), QPointF(9, 14), QPointF(30, 14), QPointF(25, 27)}));
        break;
    case Glyph::Toggle:
        Page(p, QRectF(3, 3, 15, 20));
        TextLines(p, QRectF(6, 10, 8, 9), 3);
        p.setBrush(QColor(0xD0, 0xE8, 0xFF));
        p.drawRect(QRectF(14, 12, 15, 17));
        p.setBrush(kBlue);
        p.drawEllipse(QPointF(21.5, 20.5), 3, 3);
        break;
    case Glyph::InsertFile:
        Page(p, QRectF(12, 3, 17, 26));
        TextLines(p, QRectF(15, 12, 10, 12), 4);
        Arrow(p, QPointF(2, 16), QPointF(12, 16), kGreen);
        break;
    case Glyph::Save:
        Disk(p, QRectF(5, 5, 22, 22));
        break;
    case Glyph::Print:
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(0xA0, 0xA0, 0xA0));
        p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 20, 14, 9));
        break;
    case Glyph::Copy:
        Page(p, QRectF(4, 3, 15, 20));
        Page(p, QRectF(13, 9, 15, 20));
        TextLines(p, QRectF(16, 16, 8, 9), 3);
        break;
    case Glyph::Cut:
        p.drawLine(10, 3, 20, 20);
        p.drawLine(22, 3, 12, 20);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kRed, 2));
        p.drawEllipse(QPointF(10, 24), 4.5, 4.5);
        p.drawEllipse(QPointF(22, 24), 4.5, 4.5);
        break;
    case Glyph::Paste:
        p.setBrush(QColor(0xB0, 0x80, 0x40));
        p.drawRoundedRect(QRectF(4, 5, 20, 24), 2, 2);
        p.setBrush(QColor(0xC0, 0xC0, 0xC0));
        p.drawRect(QRectF(10, 3, 8, 5));
        Page(p, QRectF(14, 11, 15, 19));
        break;
    case Glyph::SaveBlock:
        Disk(p, QRectF(3, 3, 18, 18));
        p.setBrush(QColor(0x30, 0x60, 0xD0, 120));
        p.drawRect(QRectF(14, 17, 15, 12));
        break;
    case Glyph::Browser:
        p.setBrush(QColor(0x60, 0xA0, 0xE0));
        p.drawEllipse(QRectF(4, 4, 24, 24));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(11, 4, 10, 24));
        p.drawLine(4, 16, 28, 16);
        p.drawLine(6, 10, 26, 10);
        p.drawLine(6, 22, 26, 22);
        break;
    case Glyph::Exit:
        p.setBrush(QColor(0x90, 0x60, 0x30));
        p.drawRect(QRectF(5, 3, 14, 26));
        p.setBrush(kFolder);
        p.drawEllipse(QPointF(16, 17), 1.5, 1.5);
        Arrow(p, QPointF(18, 16), QPointF(30, 16), kRed);
        break;
    case Glyph::DropDown:
        p.setBrush(kInk);
        p.drawPolygon(QPolygonF({QPointF(8, 12), QPointF(24, 12), QPointF(16, 22)}));
        break;
    case Glyph::Clock:
        p.setBrush(kPaper);
        p.drawEllipse(QRectF(4, 4, 24, 24));
        p.setPen(QPen(kInk, 2));
        p.drawLine(16, 16, 16, 8);
        p.drawLine(16, 16, 22, 19);
        break;
    case Glyph::Configure:
        p.setBrush(QColor(0x90, 0x90, 0x90));
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(16, 16);
            p.rotate(i * 45);
            p.drawRect(QRectF(-2.5, -13, 5, 6));
            p.restore();
        }
        p.drawEllipse(QPointF(16, 16), 8, 8);
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(16, 16), 3, 3);
        break;
    case Glyph::Back:
        Arrow(p, QPointF(27, 16), QPointF(5, 16), kBlue);
        break;
    case Glyph::Forward:
        Arrow(p, QPointF(5, 16), QPointF(27, 16), kBlue);
        break;
    case Glyph::Home:
        p.setBrush(kRed);
        p.drawPolygon(QPolygonF({QPointF(3, 16), QPointF(16, 4), QPointF(29, 16)}));
        p.setBrush(kFolder);
        p.drawRect(QRectF(7, 16, 18, 13));
        p.setBrush(QColor(0x90, 0x60, 0x30));
        p.drawRect(QRectF(14, 20, 5, 9));
        break;
    case Glyph::Edit:
        Page(p, QRectF(4, 3, 18, 26));
        TextLines(p, QRectF(7, 11, 11, 12), 4);
        p.setPen(QPen(kFolder.darker(130), 4, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(28, 8, 16, 24);
        break;
    }
}

}  // namespace

QIcon GlyphIcon(Glyph glyph)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    Paint(painter, glyph);
    painter.end();
    return QIcon(pixmap);
}

QIcon ProgramIcon()
{
    // The same drawing the desktop shows in its menu (the installed hicolor
    // icons), so the window, the About box and the menu entry match.
    // The pictures sit in a static library, whose resources are not
    // registered unless asked for.
    static const bool registered = [] {
        Q_INIT_RESOURCE(kivo);
        return true;
    }();
    Q_UNUSED(registered);
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/kivo/icons/kivopro32-%1.png").arg(size), QSize(size, size));
    return icon;
}
