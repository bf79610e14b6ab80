#include "viewer/sectionlist.h"

#include "viewer/canvas.h"
#include "viewer/clipbuffer.h"
#include "viewer/formcontrols.h"
#include "viewer/htmlimage.h"
#include "viewer/imagecache.h"
#include "viewer/viewerhost.h"

#include <algorithm>
#include <cstdio>

TSectionList::TSectionList() : TCell(this), BitmapList(std::make_shared<TStringBitmapList>()) {}

TSectionList::~TSectionList()
{
    // Sections point at form controls; they go first.
    Items.clear();
    DroppedSections.clear();
}

std::unique_ptr<TSectionList> TSectionList::CopyForPrinting() const
{
    auto copy = std::make_unique<TSectionList>();
    copy->DefFontSize = DefFontSize;
    copy->ShowImages = ShowImages;
    copy->SelStart = SelStart;
    copy->SelEnd = SelEnd;
    copy->FontName = FontName;
    copy->PreFontName = PreFontName;
    copy->FontColor = FontColor;
    copy->HotSpotColor = HotSpotColor;
    copy->Background = Background;
    copy->BackgroundName = BackgroundName;
    copy->Printing = true;
    copy->Host = Host;
    copy->BitmapList = BitmapList;
    copy->StartCurs = StartCurs;
    copy->Len = Len;
    copy->LayoutWidth = LayoutWidth;
    copy->Items.reserve(Items.size());
    for (const auto& section : Items)
        copy->Items.push_back(section->Clone(copy.get()));
    return copy;
}

void TSectionList::Clear()
{
    Items.clear();
    DroppedSections.clear();
    FontPool.Clear();
    Store.Clear();
    htmlFormList.clear();
    MapList.clear();
    SelStart = 0;
    SelEnd = 0;
    BackgroundName.clear();
    IMgr.Clear();
}

void TSectionList::SetFonts(const QString& name, const QString& preName, int size, QColor color, QColor hotSpot,
                            QColor background)
{
    FontName = name.left(33);
    PreFontName = preName.left(33);
    DefFontSize = size;
    FontColor = color;
    HotSpotColor = hotSpot;
    SetBackground(background);
    UpdateFonts();
}

void TSectionList::SetBackground(QColor color)
{
    Background = color;
    if (Host)
        Host->BackgroundChanged(color);
}

int TSectionList::GetSectionY(int n) const
{
    int y = 0;
    for (int i = 0; i < n && i < Count(); ++i)
        y += Items[size_t(i)]->DrawHeight;
    return y;
}

int TSectionList::DoLogic(Canvas& canvas, int y, int width, int& maxWidth, int& curs)
{
    for (auto& form : htmlFormList)
        for (auto& control : form->ControlList)
            control->SetHeightWidth(canvas);
    return TCell::DoLogic(canvas, y, width, maxWidth, curs);
}

void TSectionList::Draw(Canvas& canvas, const QRect& clip, int clipWidth, int x, int y)
{
    if (!Printing)
        PageBottom = clip.top() + clip.height();
    for (auto& form : htmlFormList)
        for (auto& control : form->ControlList)
            control->Shown = false;
    TCell::Draw(canvas, clip, clipWidth, x, y);
}

bool TSectionList::MovesToNextPage(const QRect& page, int top, int height)
{
    // Something starting at the page's top cannot go further down.
    if (!Printing || top + height <= PageBottom || height >= page.height() || top <= page.top())
        return false;
    PageBottom = std::min(PageBottom, top);
    return true;
}

QString TSectionList::SelectedText()
{
    if (SelStart >= SelEnd)
        return QString();
    ClipBuffer buffer;
    TCell::CopyToClipboard(buffer);
    return buffer.Text();
}

void TSectionList::CopyToClipboard()
{
    if (SelStart >= SelEnd)
        return;
    ClipBuffer buffer;
    TCell::CopyToClipboard(buffer);
    buffer.Terminate();
}

void TSectionList::ReportError(const QString& message) const
{
    if (Host)
        Host->ReportError(message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
