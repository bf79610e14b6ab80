// Painting a table and finding things in it.
#include "viewer/canvas.h"
#include "viewer/htmltable.h"
#include "viewer/sectionlist.h"
#include "viewer/syscolors.h"
#include "viewer/urltarget.h"

#include <algorithm>

namespace {

void Frame(Canvas& canvas, const QRect& r, QColor topLeft, QColor bottomRight)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    canvas.Line(r.left(), r.top(), r.right(), r.top(), topLeft);
    canvas.Line(r.left(), r.top(), r.left(), r.bottom(), topLeft);
    canvas.Line(r.left(), r.bottom(), r.right(), r.bottom(), bottomRight);
    canvas.Line(r.right(), r.top(), r.right(), r.bottom(), bottomRight);
}

} // namespace

int ThtmlTable::CellContentX(int column) const
{
    int x = LeftX + BodyIndent;
    for (int i = 0; i < column && i < int(Widths.size()); ++i)
        x += Widths[size_t(i)];
    return x + CellSpacing + CellPadding;
}

template <typename F> bool ThtmlTable::VisitInOrder(F&& f)
{
    const bool hasCaption = Caption->Cell->Count() > 0;
    if (hasCaption && TopCaption && f(*Caption, LeftX + Indent))
        return true;
    for (TCellList& row : Rows)
        for (size_t c = 0; c < row.size(); ++c)
            if (row[c]->ColSpan > 0 && f(*row[c], CellContentX(int(c))))
                return true;
    if (hasCaption && !TopCaption && f(*Caption, LeftX + Indent))
        return true;
    return false;
}

int ThtmlTable::Draw(Canvas& canvas, const QRect& clip, IndentManager& imgr, int x, int y)
{
    TSectionList* doc = ParentSectionList;
    const int shift = y - YValue;
    const int top = y - doc->YOff;
    if (top + DrawHeight < clip.top() || top > clip.bottom())
        return y + DrawHeight;
    // On paper a table starting in the lower half of the page that would be
    // cut starts the next page; one starting higher runs across the break.
    if (top > (clip.top() + clip.bottom()) / 2 && doc->MovesToNextPage(clip, top, DrawHeight))
        return y + DrawHeight;
    // Everything was placed relative to the enclosing cell's left side at layout.
    const int dx = x;
    const bool whitePage = doc->Background == SysColors::White() && doc->BackgroundName.isEmpty();
    const QColor light = (doc->Printing || whitePage) ? SysColors::Silver() : SysColors::ButtonHighlight();
    const QColor dark = SysColors::ButtonShadow();
    const int clipWidth = imgr.ClipWidth;

    if (TopCaption && Caption->Cell->Count() > 0)
        Caption->Cell->Draw(canvas, clip, clipWidth, dx + LeftX + Indent, Caption->Cell->StartY + shift);

    const int bodyTop = YValue + TopCaptionHeight + shift;
    const int bodyX = dx + LeftX + BodyIndent;
    int rowY = bodyTop;
    for (size_t r = 0; r < Rows.size(); ++r) {
        const int rowHeight = r < RowHeights.size() ? RowHeights[r] : 0;
        // On paper a row that would be cut starts the next page, frames and
        // all; a row taller than a page runs across, broken between lines.
        doc->MovesToNextPage(clip, rowY - doc->YOff, rowHeight);
        int colX = bodyX;
        TCellList& row = Rows[r];
        for (size_t c = 0; c < row.size(); ++c) {
            TCellObj& cell = *row[c];
            const int w = c < Widths.size() ? Widths[c] : 0;
            if (cell.ColSpan > 0) {
                const QRect box(colX + CellSpacing, rowY + CellSpacing - doc->YOff, cell.Width - CellSpacing,
                                cell.Height - CellSpacing);
                if (box.bottom() >= clip.top() && box.top() <= clip.bottom()) {
                    if (cell.HasBgColor && !doc->Printing)
                        canvas.FillRect(box, cell.BgColor);
                    cell.Cell->Draw(canvas, clip, clipWidth, colX + CellSpacing + CellPadding, cell.Cell->StartY + shift);
                    if (Border > 0)
                        Frame(canvas, box, dark, light);
                }
            }
            colX += w;
        }
        rowY += rowHeight;
    }
    if (Border > 0)
        Frame(canvas, QRect(bodyX, bodyTop - doc->YOff, TableWidth, rowY + CellSpacing - bodyTop), light, dark);
    if (!TopCaption && Caption->Cell->Count() > 0)
        Caption->Cell->Draw(canvas, clip, clipWidth, dx + LeftX + Indent, Caption->Cell->StartY + shift);
    DrawX = bodyX;
    DrawY = bodyTop;
    return y + DrawHeight;
}

bool ThtmlTable::GetURL(Canvas& canvas, int x, int y, TUrlTarget& url)
{
    bool found = false;
    VisitInOrder([&](TCellObj& cell, int contentX) {
        const int cellTop = cell.Cell->StartY;
        if (y < cellTop || y >= cellTop + std::max(cell.ContentHeight, 1) || x < contentX)
            return false;
        found = cell.Cell->GetURL(canvas, x - contentX, y, url);
        return found;
    });
    return found;
}

int ThtmlTable::FindCursor(Canvas& canvas, int x, int y, int& lineTop, int& lineHeight, int& caretX)
{
    int result = -1;
    VisitInOrder([&](TCellObj& cell, int contentX) {
        const int width = std::max(0, cell.Width - Slack());
        if (x < contentX - CellPadding || x >= contentX + width + CellPadding)
            return false;
        const int pos = cell.Cell->FindCursor(canvas, x - contentX, y, lineTop, lineHeight, caretX);
        if (pos < 0)
            return false;
        caretX += contentX;
        result = pos;
        return true;
    });
    return result;
}

int ThtmlTable::FindString(int from, const QString& text, MatchCase matchCase)
{
    int result = -1;
    VisitInOrder([&](TCellObj& cell, int) {
        result = cell.Cell->FindString(from, text, matchCase);
        return result >= 0;
    });
    return result;
}

bool ThtmlTable::CursorToXY(Canvas& canvas, int pos, int& x, int& y)
{
    return VisitInOrder([&](TCellObj& cell, int contentX) {
        if (!cell.Cell->CursorToXY(canvas, pos, x, y))
            return false;
        x += contentX;
        return true;
    });
}

void ThtmlTable::CopyToClipboard(ClipBuffer& buffer)
{
    VisitInOrder([&](TCellObj& cell, int) {
        cell.Cell->CopyToClipboard(buffer);
        return false;
    });
}
