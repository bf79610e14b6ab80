#pragma once

#include "viewer/htmlparser.h"
#include "viewer/sectionlist.h"

#include <QImage>
#include <QString>

class Canvas;

// A parsed document with what the parser leaves beside it, usable without a
// window: the headless tool and the tests load, lay out and paint through it.
class HtmlDocument {
public:
    HtmlDocument();

    // Parse errors are kept in ParseError; what was built before them stays.
    void LoadFile(const QString& path);
    void LoadText(const QString& text);

    // Lays the document out for a window of this client width (the text
    // gets the width less the 10-pixel margins); returns the height.
    int Layout(Canvas& canvas, int windowWidth);
    // The whole document painted on its background at that width.
    QImage Render(int windowWidth);

    static constexpr int Margin = 10;

    TSectionList Doc;
    TNameList Names;
    QString Title;
    QString Base;
    QString BaseTarget;
    QString ParseError;
    int Height = 0;
    int ScrollWidth = 0;

private:
    void Parse(const std::function<void(HtmlParser&)>& run);
};
