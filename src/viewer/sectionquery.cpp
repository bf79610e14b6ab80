// What lies under a point, where a position lies, search and copy.
#include "viewer/canvas.h"
#include "viewer/clipbuffer.h"
#include "viewer/formcontrols.h"
#include "viewer/htmlimage.h"
#include "viewer/linepieces.h"
#include "viewer/sectionlist.h"

#include <algorithm>

const LineRec* TSection::LineAtY(int y) const
{
    for (const LineRec& line : Lines) {
        const int bottom = line.Top + line.SpaceBefore + line.LineHt + line.SpaceAfter;
        if (y >= line.Top && y < bottom)
            return &line;
    }
    return nullptr;
}

int TSection::CharX(Canvas& canvas, const LineRec& line, int pos) const
{
    return line.LineIndent + SpanWidth(canvas, line.Start, std::clamp(pos, line.Start, line.Start + line.Count));
}

int TSection::IndexAtX(Canvas& canvas, const LineRec& line, int x) const
{
    const int end = line.Start + line.Count;
    int left = line.LineIndent;
    for (int i = line.Start; i < end; ++i) {
        const int right = line.LineIndent + SpanWidth(canvas, line.Start, i + 1);
        if (x < right) {
            // Past the middle of this character the position lies after it.
            return x > (left + right) / 2 ? i + 1 : i;
        }
        left = right;
    }
    return end;
}

bool TSection::GetURL(Canvas& canvas, int x, int y, TUrlTarget& url)
{
    QPoint relative;
    if (const TImageObj* image = FindImageAt(Images, x, y, relative))
        return ImageLinkAt(*image, relative, *Fonts.At(image->Pos).Url, ParentSectionList->MapList, url);
    const LineRec* line = LineAtY(y);
    if (!line || x < line->LineIndent)
        return false;
    const int end = line->Start + line->Count;
    // The character whose box holds x.
    int index = -1;
    for (int i = line->Start; i < end; ++i) {
        if (x < line->LineIndent + SpanWidth(canvas, line->Start, i + 1)) {
            index = i;
            break;
        }
    }
    if (index < 0)
        return false;
    const TFontObj& run = Fonts.At(index);
    if (!run.Url->HasUrl())
        return false;
    url = *run.Url;
    return true;
}

int TSection::FindCursor(Canvas& canvas, int x, int y, int& lineTop, int& lineHeight, int& caretX)
{
    const LineRec* line = LineAtY(y);
    if (!line)
        return -1;
    lineTop = line->Top + line->SpaceBefore;
    lineHeight = line->LineHt;
    if (x <= line->LineIndent) {
        caretX = line->LineIndent;
        return StartCurs + line->Start;
    }
    const int index = IndexAtX(canvas, *line, x);
    caretX = CharX(canvas, *line, index);
    return StartCurs + index;
}

bool TSection::CursorToXY(Canvas& canvas, int pos, int& x, int& y)
{
    const int index = pos - StartCurs;
    if (index < 0 || index >= Len)
        return false;
    for (const LineRec& line : Lines) {
        if (index >= line.Start && index < line.Start + line.Count) {
            y = line.Top;
            x = CharX(canvas, line, index);
            return true;
        }
    }
    return false;
}

int TSection::FindString(int from, const QString& text, MatchCase matchCase)
{
    if (text.isEmpty())
        return -1;
    const int start = std::max(0, from - StartCurs);
    if (start >= Buff.size())
        return -1;
    const qsizetype found =
        Buff.indexOf(text, start, matchCase == MatchCase::Yes ? Qt::CaseSensitive : Qt::CaseInsensitive);
    return found < 0 ? -1 : StartCurs + int(found);
}

void TSection::CopyToClipboard(ClipBuffer& buffer)
{
    const TSectionList* doc = ParentSectionList;
    for (const LineRec& line : Lines) {
        const int a = StartCurs + line.Start;
        const int b = a + line.Count;
        if (b <= doc->SelStart || a >= doc->SelEnd)
            continue;
        const int from = std::max(a, doc->SelStart);
        const int to = std::min(b, doc->SelEnd);
        QString text;
        if (from == a)
            text.fill(QLatin1Char(' '), (line.LineIndent / IndentManager::ListIndent) * 3);
        text += QStringView(Buff).mid(from - StartCurs, to - from);
        buffer.AddTextCR(text);
    }
}
