#include "viewer/htmlimage.h"

#include "viewer/canvas.h"
#include "viewer/sectionlist.h"

#include <QImage>

namespace {

constexpr int kPlaceholderSize = 32;

} // namespace

TImageObj::TImageObj(TSectionList* owner, int position, const TAttributeList& attributes)
    : Owner(owner), Pos(position)
{
    for (const TAttribute& a : attributes.Items()) {
        switch (a.Which) {
        case TagSymbol::SrcSy: HasSource = true; Source = a.Name; break;
        case TagSymbol::AltSy: HasAlt = true; Alt = a.Name; break;
        case TagSymbol::WidthSy: SpecWidth = a.Value; break;
        case TagSymbol::HeightSy: SpecHeight = a.Value; break;
        case TagSymbol::BorderSy: NoBorder = a.Value == 0; break;
        case TagSymbol::TranspSy: Transparent = 1; break;
        case TagSymbol::IsMapSy: IsMap = true; break;
        case TagSymbol::AlignSy: {
            const QString v = a.Name.toUpper();
            if (v == QLatin1String("TOP")) Align = ImageAlign::Top;
            else if (v == QLatin1String("MIDDLE")) Align = ImageAlign::Middle;
            else if (v == QLatin1String("LEFT")) Align = ImageAlign::Left;
            else if (v == QLatin1String("RIGHT")) Align = ImageAlign::Right;
            else Align = ImageAlign::Bottom;
            break;
        }
        case TagSymbol::UseMapSy: {
            UseMap = true;
            MapName = a.Name.toUpper().trimmed();
            if (MapName.size() > 1 && MapName.startsWith(QLatin1Char('#')))
                MapName.remove(0, 1);
            break;
        }
        default: break;
        }
    }
    if (SpecWidth <= 0 || SpecHeight <= 0) {
        SpecWidth = 0;
        SpecHeight = 0;
    }
}

TImageObj::TImageObj(TSectionList* owner, const TImageObj& other) : TImageObj(other)
{
    Owner = owner;
    UseMap = false;
    MapName.clear();
}

void TImageObj::SizeImage(Canvas& canvas, bool insideLink)
{
    // Pictures are not decoded yet: every image shows as a framed stand-in of
    // its declared size (or the placeholder's) with its ALT text.
    if (SpecWidth > 0 && SpecHeight > 0) {
        ImageWidth = SpecWidth;
        ImageHeight = SpecHeight;
    } else {
        ImageWidth = kPlaceholderSize;
        ImageHeight = kPlaceholderSize;
    }
    Bordered = HasAlt || insideLink;
    ObjWidth = ImageWidth;
    ObjHeight = ImageHeight;
    if (Bordered) {
        ObjWidth += 2;
        ObjHeight += 2;
    }
    if (HasAlt && !Alt.isEmpty() && !(SpecWidth > 0)) {
        ObjWidth += canvas.TextWidth(Alt) + 4;
        ObjHeight = std::max(ObjHeight, canvas.Metrics().height);
    }
}

void TImageObj::DrawImage(Canvas& canvas, int x, int y)
{
    const QRect box(x, y, ImageWidth, ImageHeight);
    const QRect inner = Bordered ? box.translated(1, 1) : box;
    if (Bordered)
        canvas.FrameRect(QRect(x, y, ObjWidth, ObjHeight), QColor(0, 0, 0));
    // A sunken grey frame where the picture will be.
    canvas.FillRect(inner, QColor(0xE0, 0xE0, 0xE0));
    canvas.Line(inner.left(), inner.top(), inner.right(), inner.top(), QColor(0x80, 0x80, 0x80));
    canvas.Line(inner.left(), inner.top(), inner.left(), inner.bottom(), QColor(0x80, 0x80, 0x80));
    canvas.Line(inner.left(), inner.bottom(), inner.right(), inner.bottom(), QColor(0xFF, 0xFF, 0xFF));
    canvas.Line(inner.right(), inner.top(), inner.right(), inner.bottom(), QColor(0xFF, 0xFF, 0xFF));
    if (HasAlt && !Alt.isEmpty()) {
        const QColor color = Owner ? Owner->FontColor : QColor(0, 0, 0);
        if (SpecWidth > 0) {
            canvas.TextOutClipped(inner.left() + 3, inner.top() + 2, inner.adjusted(1, 1, -1, -1), Alt, color);
        } else {
            canvas.TextOut(inner.right() + 3, y + 1, Alt, color);
        }
    }
}

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
        region = QRegion(QRect(QPoint(numbers[0], numbers[1]), QPoint(numbers[2], numbers[3])));
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
