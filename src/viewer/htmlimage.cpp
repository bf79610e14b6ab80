#include "viewer/htmlimage.h"

#include "viewer/builtinpictures.h"
#include "viewer/canvas.h"
#include "viewer/imagecache.h"
#include "viewer/sectionlist.h"

#include <algorithm>

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

bool TImageObj::ShowsPlaceholder() const
{
    return !Owner->ShowImages || Broken || !Bitmap;
}

void TImageObj::SizeImage(Canvas& canvas, bool insideLink)
{
    const bool show = Owner->ShowImages;
    if (show && !Bitmap && !Broken) {
        if (HasSource && Owner->BitmapList)
            Bitmap = Owner->BitmapList->GetImage(Source, Transparent, Owner->Host);
        Broken = !Bitmap;
    }
    const bool placeholder = ShowsPlaceholder();
    if (!show) {
        ImageWidth = ImagesOffPicture().width();
        ImageHeight = ImagesOffPicture().height();
    } else if (placeholder) {
        ImageWidth = BrokenImagePicture().width();
        ImageHeight = BrokenImagePicture().height();
    } else if (SpecWidth > 0 && SpecHeight > 0) {
        ImageWidth = SpecWidth;
        ImageHeight = SpecHeight;
    } else {
        ImageWidth = Bitmap->Bitmap.width();
        ImageHeight = Bitmap->Bitmap.height();
    }
    const bool altText = HasAlt && !Alt.isEmpty();
    Bordered = (show && insideLink && !NoBorder) || (placeholder && (altText || insideLink));
    ObjWidth = ImageWidth;
    ObjHeight = ImageHeight;
    if (Bordered) {
        ObjWidth += 2;
        ObjHeight += 2;
    }
    if (placeholder && altText) {
        ObjWidth += canvas.TextWidth(Alt) + 4;
        ObjHeight = std::max(ObjHeight, canvas.Metrics().height);
    }
}

void TImageObj::DrawImage(Canvas& canvas, int x, int y, QColor color)
{
    if (Bordered)
        canvas.FrameRect(QRect(x, y, ObjWidth, ObjHeight), color);
    const int left = Bordered ? x + 1 : x;
    const int top = Bordered ? y + 1 : y;
    const QRect target(left, top, ImageWidth, ImageHeight);
    if (ShowsPlaceholder()) {
        canvas.DrawImage(target, Owner->ShowImages ? BrokenImagePicture() : ImagesOffPicture());
        if (HasAlt && !Alt.isEmpty())
            canvas.TextOut(target.right() + 1 + 2, top, Alt, color);
        return;
    }
    // The cached picture stays as decoded; transparency is applied to the
    // copy that is drawn, and on paper transparent pixels are white.
    const bool masked = Transparent != 0;
    if (Owner->Printing)
        canvas.DrawImage(target, Bitmap->Printed(masked));
    else
        canvas.DrawImage(target, Bitmap->Shown(target.size(), masked));
}
