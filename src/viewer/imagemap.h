#pragma once

#include "viewer/htmlsymbols.h"
#include "viewer/lazyvector.h"
#include "viewer/urltarget.h"

#include <QPoint>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TImageObj;

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

// The first image holding the point (x, y in the section's coordinates: from
// the cell's left side and the document's top), with the point relative to
// the image's corner; null when none does.
TImageObj* FindImageAt(const LazyVector<std::unique_ptr<TImageObj>>& images, int x, int y, QPoint& relative);

// The link of a click at a point relative to the image: the area of its map
// when it names one that exists, else the link the image stands in (with
// ISMAP, followed by "?x,y"). False when there is none.
bool ImageLinkAt(const TImageObj& image, QPoint relative, const TUrlTarget& enclosing,
                 const std::vector<std::unique_ptr<TMapItem>>& maps, TUrlTarget& url);
