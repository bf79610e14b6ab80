#include "viewer/htmldocument.h"

#include "platform/kivoerror.h"
#include "viewer/qtcanvas.h"

#include <QPainter>

HtmlDocument::HtmlDocument() = default;

void HtmlDocument::Parse(const std::function<void(HtmlParser&)>& run)
{
    Doc.Clear();
    Names.clear();
    ParseError.clear();
    HtmlParser parser(Doc, Names);
    try {
        run(parser);
    } catch (const EParseError& error) {
        ParseError = error.Message();
    }
    Title = parser.Title;
    Base = parser.Base;
    BaseTarget = parser.BaseTarget;
}

void HtmlDocument::LoadFile(const QString& path)
{
    Parse([&](HtmlParser& p) { p.ParseFile(path); });
}

void HtmlDocument::LoadText(const QString& text)
{
    Parse([&](HtmlParser& p) { p.ParseText(text); });
}

int HtmlDocument::Layout(Canvas& canvas, int windowWidth)
{
    int curs = 0;
    Height = Doc.DoLogic(canvas, 0, std::max(1, windowWidth - 2 * Margin), ScrollWidth, curs);
    return Height;
}

QImage HtmlDocument::Render(int windowWidth)
{
    {
        QtCanvas measure;
        Layout(measure, windowWidth);
    }
    const int height = std::max(1, Height + Margin);
    QImage image(std::max(1, windowWidth), height, QImage::Format_RGB32);
    image.fill(Doc.Background);
    QPainter painter(&image);
    QtCanvas canvas(&painter);
    Doc.SetYOffset(0);
    Doc.Draw(canvas, QRect(0, 0, image.width(), image.height()), 1300, Margin, 0);
    return image;
}
