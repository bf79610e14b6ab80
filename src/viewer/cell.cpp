#include "viewer/cell.h"

#include "platform/kivoerror.h"
#include "viewer/clipbuffer.h"
#include "viewer/sectionlist.h"
#include "viewer/sections.h"
#include "viewer/urltarget.h"

#include <algorithm>

TCell::TCell(TSectionList* master, const TCell& other)
    : MasterList(master), StartCurs(other.StartCurs), Len(other.Len), LayoutWidth(other.LayoutWidth),
      StartY(other.StartY)
{
    Items.reserve(other.Items.size());
    for (const auto& section : other.Items)
        Items.push_back(section->Clone(master));
}

TCell::~TCell() = default;

void TCell::Add(std::unique_ptr<TSectionBase> section)
{
    // The section finishes into its document's store.
    section->ParentSectionList = MasterList;
    section->Finish();
    section->UpdateSpacing();
    Items.push_back(std::move(section));
}

void TCell::UpdateFonts()
{
    for (auto& section : Items)
        section->UpdateFonts();
}

int TCell::DoLogic(Canvas& canvas, int y, int width, int& maxWidth, int& curs)
{
    IMgr.Clear();
    IMgr.Reset(0, width);
    IMgr.Width = width;
    LayoutWidth = width;
    StartY = y;
    StartCurs = curs;
    int height = 0;
    maxWidth = 0;
    for (size_t i = 0; i < Items.size();) {
        int sectionWidth = 0;
        try {
            height += Items[i]->DrawLogic(canvas, y + height, IMgr, sectionWidth, curs);
        } catch (const EProcessError& error) {
            // The section cannot be shown (a table too wide): say so, drop it, go on.
            MasterList->ReportError(error.Message());
            // Kept aside until the document is cleared: anchors may name sections inside it.
            MasterList->DroppedSections.push_back(std::move(Items[i]));
            Items.erase(Items.begin() + std::ptrdiff_t(i));
            continue;
        }
        maxWidth = std::max(maxWidth, sectionWidth);
        ++i;
    }
    Len = curs - StartCurs;
    return std::max(height, IMgr.ImageBottom() - y);
}

void TCell::MinMaxWidth(Canvas& canvas, int& minWidth, int& maxWidth)
{
    minWidth = 0;
    maxWidth = 0;
    for (auto& section : Items) {
        int mn = 0, mx = 0;
        try {
            section->MinMaxWidth(canvas, mn, mx);
        } catch (const EProcessError&) {
            continue;   // reported and removed when the cell is laid out
        }
        minWidth = std::max(minWidth, mn);
        maxWidth = std::max(maxWidth, mx);
    }
}

int TCell::Draw(Canvas& canvas, const QRect& clip, int clipWidth, int x, int y)
{
    IMgr.Reset(x, x + LayoutWidth);
    IMgr.ClipWidth = clipWidth;
    for (auto& section : Items)
        y = section->Draw(canvas, clip, IMgr, x, y);
    return y;
}

TSectionBase* TCell::FindSectionAtPosition(int y, int& top, int& index) const
{
    for (size_t i = 0; i < Items.size(); ++i) {
        const TSectionBase* s = Items[i].get();
        if (y >= s->YValue && y < s->YValue + s->DrawHeight) {
            top = s->YValue;
            index = int(i);
            return Items[i].get();
        }
    }
    return nullptr;
}

bool TCell::GetURL(Canvas& canvas, int x, int y, TUrlTarget& url)
{
    for (auto& section : Items) {
        if (y >= section->YValue && y < section->YValue + std::max(section->SectionHeight, section->DrawHeight))
            return section->GetURL(canvas, x, y, url);
    }
    return false;
}

int TCell::FindCursor(Canvas& canvas, int x, int y, int& lineTop, int& lineHeight, int& caretX)
{
    for (auto& section : Items) {
        if (y >= section->YValue && y < section->YValue + section->DrawHeight) {
            const int pos = section->FindCursor(canvas, x, y, lineTop, lineHeight, caretX);
            if (pos >= 0)
                return pos;
        }
    }
    return -1;
}

int TCell::FindString(int from, const QString& text, MatchCase matchCase)
{
    for (auto& section : Items) {
        if (section->StartCurs + section->Len <= from)
            continue;
        const int pos = section->FindString(from, text, matchCase);
        if (pos >= 0)
            return pos;
    }
    return -1;
}

bool TCell::CursorToXY(Canvas& canvas, int pos, int& x, int& y)
{
    for (auto& section : Items)
        if (section->CursorToXY(canvas, pos, x, y))
            return true;
    return false;
}

void TCell::CopyToClipboard(ClipBuffer& buffer)
{
    const int selStart = MasterList->SelStart;
    const int selEnd = MasterList->SelEnd;
    for (auto& section : Items) {
        const int start = section->StartCurs;
        const int end = start + section->Len;
        if (end < selStart || start > selEnd)
            continue;
        section->CopyToClipboard(buffer);
    }
}

void TCell::ShiftBy(int dy, int dcurs)
{
    StartY += dy;
    StartCurs += dcurs;
    IMgr.ShiftBy(dy);
    for (auto& section : Items)
        section->ShiftBy(dy, dcurs);
}
