#include "viewer/imagemap.h"

#include "viewer/htmlimage.h"

#include <QPolygon>

void TMapItem::AddArea(const TAttributeList& attributes)
{
    QString href;
    QString target;
    QString shape;
    QString coords;
    for (const TAttribute& a : attributes.Items()) {
        switch (a.Which) {
        case TagSymbol::HrefSy: href = a.Name; break;
        case TagSymbol::NoHrefSy: href.clear(); break;
        case TagSymbol::TargetSy: target = a.Name; break;
        case TagSymbol::ShapeSy: shape = a.Name.left(4).toLower(); break;
        case TagSymbol::CoordsSy: coords = a.Name; break;
        default: break;
        }
    }
    std::vector<int> numbers;
    for (const QString& piece : coords.split(QLatin1Char(','))) {
        if (numbers.size() >= 51)
            break;
        bool ok = false;
        const int n = piece.left(15).trimmed().toInt(&ok);
        numbers.push_back(ok ? n : 0);
    }
    if (coords.trimmed().isEmpty())
        numbers.clear();
    QRegion region;
    QString kind;
    if (shape == QLatin1String("circ")) {
        if (numbers.size() < 3)
            return;
        const int x = numbers[0], y = numbers[1], r = numbers[2];
        region = QRegion(QRect(x - r, y - r, 2 * r + 1, 2 * r + 1), QRegion::Ellipse);
        kind = QStringLiteral("circle");
    } else if (shape == QLatin1String("poly")) {
        if (numbers.size() < 6)
            return;
        QPolygon poly;
        for (size_t i = 0; i + 1 < numbers.size(); i += 2)
            poly << QPoint(numbers[i], numbers[i + 1]);
        region = QRegion(poly, Qt::WindingFill);
        kind = QStringLiteral("poly");
    } else {
        if (numbers.size() < 4)
            return;
        region = QRegion(QRect(QPoint(numbers[0], numbers[1]), QPoint(numbers[2], numbers[3])).normalized());
        kind = QStringLiteral("rect");
    }
    QStringList text;
    for (int n : numbers)
        text << QString::number(n);
    Areas << href;
    AreaTargets << target;
    Regions.push_back(region);
    AreaShapes << kind + QLatin1Char(' ') + text.join(QLatin1Char(','));
}

bool TMapItem::GetURL(int x, int y, QString& url, QString& target) const
{
    for (size_t i = 0; i < Regions.size(); ++i) {
        if (Regions[i].contains(QPoint(x, y))) {
            if (Areas[int(i)].isEmpty())
                return false;
            url = Areas[int(i)];
            target = AreaTargets[int(i)];
            return true;
        }
    }
    return false;
}

TImageObj* FindImageAt(const LazyVector<std::unique_ptr<TImageObj>>& images, int x, int y, QPoint& relative)
{
    for (const auto& image : images) {
        // A frame is part of the object but only its inner size is hit.
        const int width = image->Bordered ? image->ObjWidth - 2 : image->ImageWidth;
        const int height = image->Bordered ? image->ObjHeight - 2 : image->ImageHeight;
        const int ix = x - image->DrawLeft;
        const int iy = y - image->DrawTop;
        if (ix >= 0 && iy >= 0 && ix < width && iy < height) {
            relative = QPoint(ix, iy);
            return image.get();
        }
    }
    return nullptr;
}

bool ImageLinkAt(const TImageObj& image, QPoint relative, const TUrlTarget& enclosing,
                 const std::vector<std::unique_ptr<TMapItem>>& maps, TUrlTarget& url)
{
    if (image.UseMap) {
        for (const auto& map : maps) {
            if (map->MapName == image.MapName) {
                QString u, t;
                if (!map->GetURL(relative.x(), relative.y(), u, t))
                    return false;
                url.Url = u;
                url.Target = t;
                return true;
            }
        }
    }
    if (!enclosing.HasUrl())
        return false;
    url = enclosing;
    if (image.IsMap)
        url.Url += QStringLiteral("?%1,%2").arg(relative.x()).arg(relative.y());
    return true;
}
