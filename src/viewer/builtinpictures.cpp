#include "viewer/builtinpictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// A small framed landscape: sky, sun and a hill, on a raised grey tile.
QImage MakeImagesOffPicture()
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter p(&image);
    p.setPen(Qt::white);
    p.drawLine(0, 0, 31, 0);
    p.drawLine(0, 0, 0, 31);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(31, 1, 31, 31);
    p.drawLine(1, 31, 31, 31);
    const QRect view(5, 6, 22, 19);
    p.fillRect(view, QColor(0x80, 0xC0, 0xFF));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xE0, 0x00));
    p.drawEllipse(QRect(19, 8, 6, 6));
    QPainterPath hill;
    hill.moveTo(5, 25);
    hill.lineTo(12, 15);
    hill.lineTo(17, 20);
    hill.lineTo(20, 17);
    hill.lineTo(27, 25);
    hill.closeSubpath();
    p.setBrush(QColor(0x00, 0x80, 0x00));
    p.drawPath(hill);
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.drawRect(view.adjusted(-1, -1, 0, 0));
    return image;
}

// A page with a folded corner and three coloured shapes, torn across.
QImage MakeBrokenImagePicture()
{
    QImage image(27, 30, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    QPainterPath page;
    page.moveTo(1, 1);
    page.lineTo(19, 1);
    page.lineTo(25, 7);
    page.lineTo(25, 28);
    page.lineTo(1, 28);
    page.closeSubpath();
    p.fillPath(page, Qt::white);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawPath(page);
    p.drawLine(19, 1, 19, 7);
    p.drawLine(19, 7, 25, 7);
    p.fillRect(QRect(4, 10, 6, 6), QColor(0xD0, 0x00, 0x00));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x00, 0xA0, 0x00));
    p.drawEllipse(QRect(13, 10, 8, 8));
    QPainterPath triangle;
    triangle.moveTo(6, 25);
    triangle.lineTo(11, 19);
    triangle.lineTo(16, 25);
    triangle.closeSubpath();
    p.setBrush(QColor(0x00, 0x00, 0xD0));
    p.drawPath(triangle);
    // The tear.
    QPen tear(Qt::white, 2);
    p.setPen(tear);
    p.drawPolyline(QPolygon({QPoint(1, 18), QPoint(7, 15), QPoint(12, 19), QPoint(18, 14), QPoint(25, 17)}));
    return image;
}

} // namespace

const QImage& ImagesOffPicture()
{
    static const QImage picture = MakeImagesOffPicture();
    return picture;
}

const QImage& BrokenImagePicture()
{
    static const QImage picture = MakeBrokenImagePicture();
    return picture;
}
