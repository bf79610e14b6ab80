#pragma once

#include "viewer/htmlsymbols.h"
#include "viewer/imagemap.h"

#include <QColor>
#include <QString>
#include <memory>

class Canvas;
class TBitmapItem;
class TSectionList;

enum class ImageAlign { Top = 0, Middle = 1, Bottom = 2, Left = 3, Right = 4 };

// One IMG of the document, standing in its section's text as one character.
class TImageObj {
public:
    TImageObj(TSectionList* owner, int position, const TAttributeList& attributes);
    TImageObj(TSectionList* owner, const TImageObj& other);

    bool Floats() const { return Align == ImageAlign::Left || Align == ImageAlign::Right; }
    // Works out the size the image takes in the text, fetching its picture
    // the first time while images are shown.
    void SizeImage(Canvas& canvas, bool insideLink);
    // Paints the object with its top left corner at x, y; color is that of
    // the text around it, for the frame and the ALT text.
    void DrawImage(Canvas& canvas, int x, int y, QColor color);
    // The images-off or the broken-image picture stands in for the picture.
    bool ShowsPlaceholder() const;

    TSectionList* Owner;
    int Pos = 0;                 // index in the section text
    int SpecWidth = 0;           // WIDTH and HEIGHT, both 0 unless both are above 0
    int SpecHeight = 0;
    int ImageWidth = 0;          // picture size actually used
    int ImageHeight = 0;
    int ObjWidth = 0;            // with frame and ALT text
    int ObjHeight = 0;
    bool HasSource = false;
    QString Source;
    bool HasAlt = false;
    QString Alt;
    ImageAlign Align = ImageAlign::Bottom;
    bool NoBorder = false;
    int Transparent = 0;         // TransparencyMode: 1 asked for with TRANSP
    bool IsMap = false;
    bool UseMap = false;
    QString MapName;
    bool Bordered = false;
    // The picture in the image cache, shared with it; null until fetched.
    std::shared_ptr<TBitmapItem> Bitmap;
    bool Broken = false;         // fetched and not found
    // Place found by layout: x from the cell's left side, y from the document's top.
    int DrawLeft = 0;
    int DrawTop = 0;
};
