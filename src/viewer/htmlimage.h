#pragma once

#include "viewer/htmlsymbols.h"

#include <QPolygon>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class Canvas;
class TSectionList;
struct TFontObj;

enum class ImageAlign { Top = 0, Middle = 1, Bottom = 2, Left = 3, Right = 4 };

// One IMG of the document, standing in its section's text as one character.
class TImageObj {
public:
    TImageObj(TSectionList* owner, int position, const TAttributeList& attributes);
    TImageObj(TSectionList* owner, const TImageObj& other);

    bool Floats() const { return Align == ImageAlign::Left || Align == ImageAlign::Right; }
    // Works out the size the image takes in the text.
    void SizeImage(Canvas& canvas, bool insideLink);
    // Paints the image (or its stand-in) with its top left corner at x, y.
    void DrawImage(Canvas& canvas, int x, int y);

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
    int Transparent = 0;         // 1 asked for with TRANSP
    bool IsMap = false;
    bool UseMap = false;
    QString MapName;
    bool Bordered = false;
    // Place found by layout: x from the cell's left side, y from the document's top.
    int DrawLeft = 0;
    int DrawTop = 0;
};

// A client-side image map: the areas in the order written.
class TMapItem {
public:
    explicit TMapItem(QString name) : MapName(std::move(name)) {}
    void AddArea(const TAttributeList& attributes);
    // The link of the first area holding the point; false when none or NOHREF.
    bool GetURL(int x, int y, QString& url, QString& target) const;

    QString MapName;
    QStringList Areas;           // HREF of each area
    QStringList AreaTargets;
    std::vector<QRegion> Regions;
    // What each area was made from, kept for the document dump.
    QStringList AreaShapes;
};
