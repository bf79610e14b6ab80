// Breaking a text section into lines at a width.
#include "viewer/canvas.h"
#include "viewer/formcontrols.h"
#include "viewer/htmlimage.h"
#include "viewer/indentmanager.h"
#include "viewer/linepieces.h"
#include "viewer/sectionlist.h"
#include "viewer/spareblock.h"

#include <algorithm>

namespace {

constexpr int kPreformattedWidth = 32000;

inline bool IsBreakChar(QChar c)
{
    return c == QLatin1Char(' ') || c == TextMarkers::Image || c == TextMarkers::Control;
}

} // namespace

void TSection::MeasureFonts(Canvas& canvas)
{
    for (const TFontObj& run : Fonts)
        run.Font->Measure(canvas);
}

int TSection::SpanWidth(Canvas& canvas, int from, int to, int run) const
{
    int width = 0;
    ForEachPiece(*this, from, to, [&](const LinePiece& p) {
        switch (p.kind) {
        case LinePiece::Kind::Image:
            if (!p.image->Floats())
                width += p.image->ObjWidth;
            break;
        case LinePiece::Kind::Control:
            width += p.control->Width;
            break;
        case LinePiece::Kind::Text: {
            const TFontObj& run = Fonts[p.run];
            canvas.SelectFont(run.Font->ToCanvasFont());
            width += canvas.TextWidth(QStringView(Buff).mid(p.from, p.to - p.from)) - run.Font->Overhang;
            break;
        }
        }
    }, run);
    return width;
}

// How many characters from start fit in width. Floating images first on the
// line are registered at once; later ones wait for the end of the line.
int TSection::FitCount(Canvas& canvas, int start, int width, IndentManager& imgr, int y,
                       std::vector<TImageObj*>& deferredFloats, int& floatBottom)
{
    const int length = int(Buff.size());
    int used = 0;
    int pos = start;
    bool contentSeen = false;
    bool stop = false;
    const QStringView text(Buff);
    // Runs are met in text order: found once, then followed.
    int run = Fonts.IndexAt(start);
    while (pos < length && !stop) {
        const QChar c = Buff[pos];
        TImageObj* image = c == TextMarkers::Image ? ImageAt(pos) : nullptr;
        TFormControlObj* control = c == TextMarkers::Control ? ControlAt(pos) : nullptr;
        if (image) {
            if (image->Floats()) {
                if (!contentSeen) {
                    imgr.Update(y, *image);
                    image->DrawTop = y;
                    floatBottom = std::max(floatBottom, y + image->ObjHeight);
                    used += image->ObjWidth + IndentManager::FloatGap;
                } else {
                    deferredFloats.push_back(image);
                }
                ++pos;
                continue;
            }
            if (used + image->ObjWidth > width)
                break;
            used += image->ObjWidth;
            contentSeen = true;
            ++pos;
            continue;
        }
        if (control) {
            if (used + control->Width > width)
                break;
            used += control->Width;
            contentSeen = true;
            ++pos;
            continue;
        }
        // A text run up to the next font change or marker.
        while (run + 1 < Fonts.Count() && Fonts[run + 1].Pos <= pos)
            ++run;
        const int left = width - used;
        // Every character is at least a pixel wide, so no more than `left`
        // characters can fit: looking further would make huge paragraphs slow.
        const int limit = std::min(Fonts.RunEnd(run, length), pos + std::max(left, 0) + 1);
        int end = MarkerFree ? limit : pos + 1;
        while (end < limit && Buff[end] != TextMarkers::Image && Buff[end] != TextMarkers::Control)
            ++end;
        const bool wholeRun = end < limit || end == Fonts.RunEnd(run, length);
        const TMyFont& font = *Fonts[run].Font;
        canvas.SelectFont(font.ToCanvasFont());
        const int cap = end - pos;
        int capWidth = 0;
        const int fit = Latin1Only ? canvas.FitLatin1Text(text.mid(pos, cap), left + font.Overhang, capWidth)
                                   : canvas.FitText(text.mid(pos, cap), left + font.Overhang, capWidth);
        if (wholeRun && fit == cap) {
            used += capWidth - font.Overhang;
            contentSeen = true;
            pos = end;
            continue;
        }
        pos += fit;
        if (fit > 0)
            contentSeen = true;
        stop = true;
    }
    return pos - start;
}

void TSection::FinishLine(Canvas& canvas, LineRec& line, IndentManager& imgr, int y)
{
    const int end = line.Start + line.Count;
    int lineHt = 0;
    int descent = 0;
    int tallest = -1;
    const int first = Fonts.IndexAt(line.Start);
    int last = first;
    while (last + 1 < Fonts.Count() && Fonts[last + 1].Pos < end)
        ++last;
    for (int r = first; r <= last; ++r) {
        const TMyFont& run = *Fonts[r].Font;
        lineHt = std::max(lineHt, run.LineHeight);
        if (run.Height > tallest) {
            tallest = run.Height;
            descent = run.Descent;
        }
    }
    int before = line.SpaceBefore;   // the clear space of a first line
    int after = 0;
    int width = 0;
    int trimmedEnd = end;
    while (trimmedEnd > line.Start && Buff[trimmedEnd - 1] == QLatin1Char(' '))
        --trimmedEnd;
    // Plain text, the most of every page, has no pieces that raise the line.
    const auto raiseForObjects = [&](const LinePiece& p) {
        if (p.kind == LinePiece::Kind::Image && !p.image->Floats()) {
            const int h = p.image->ObjHeight;
            switch (p.image->Align) {
            case ImageAlign::Top:
                after = std::max(after, h - lineHt);
                break;
            case ImageAlign::Middle: {
                const int diff = h - lineHt;
                if (diff > 0) {
                    after = std::max(after, diff / 2);
                    before = std::max(before, diff - diff / 2);
                }
                break;
            }
            default:
                before = std::max(before, h + descent - lineHt);
                break;
            }
        } else if (p.kind == LinePiece::Kind::Control) {
            before = std::max(before, p.control->Height - lineHt + (p.control->OnBaseline() ? descent : 0));
        }
    };
    if (!Images.empty() || !FormControls.empty())
        ForEachPiece(*this, line.Start, end, raiseForObjects, first);
    width = SpanWidth(canvas, line.Start, trimmedEnd, first);

    const int leftIndent = imgr.LeftIndent(y);
    const int rightSide = imgr.RightSide(y);
    int x = leftIndent;
    if (!IsPreformatted()) {
        if (Align == TextAlign::Center)
            x = std::max(leftIndent, (leftIndent + rightSide - width) / 2);
        else if (Align == TextAlign::Right)
            x = std::max(leftIndent, rightSide - width);
    }
    line.LineHt = lineHt;
    line.Descent = descent;
    line.SpaceBefore = before;
    line.SpaceAfter = after;
    line.LineIndent = x;
    line.Width = width;

    // Inline images get their place now; drawing and hit tests use it.
    if (Images.empty())
        return;
    const int baseline = line.Top + before + lineHt - descent;
    int cx = x;
    ForEachPiece(*this, line.Start, end, [&](const LinePiece& p) {
        switch (p.kind) {
        case LinePiece::Kind::Image: {
            TImageObj& image = *p.image;
            if (image.Floats())
                return;
            image.DrawLeft = cx;
            if (image.Align == ImageAlign::Top) {
                image.DrawTop = line.Top + before;
            } else if (image.Align == ImageAlign::Middle) {
                const TMyFont& run = *Fonts[p.run].Font;
                image.DrawTop = baseline + run.Descent - run.Height / 2 - image.ObjHeight / 2;
            } else {
                image.DrawTop = baseline - image.ObjHeight;
            }
            cx += image.ObjWidth;
            break;
        }
        case LinePiece::Kind::Control:
            cx += p.control->Width;
            break;
        case LinePiece::Kind::Text:
            cx += SpanWidth(canvas, p.from, p.to, p.run);
            break;
        }
    }, first);
}

int TSection::DrawLogic(Canvas& canvas, int y, IndentManager& imgr, int& maxWidth, int& curs)
{
    StartCurs = curs;
    YValue = y;
    Lines.clear();
    Len = int(Buff.size());
    imgr.SetLevel(y, ListLevel);

    int clearSpace = 0;
    if (Clear != ClearMode::None) {
        int clearLeft = 0, clearRight = 0;
        imgr.GetClearY(clearLeft, clearRight);
        int target = 0;
        if (Clear == ClearMode::Left)
            target = clearLeft;
        else if (Clear == ClearMode::Right)
            target = clearRight;
        else
            target = std::max(clearLeft, clearRight);
        clearSpace = std::max(0, target - y);
    }
    if (Buff.isEmpty()) {
        DrawHeight = clearSpace;
        SectionHeight = DrawHeight;
        maxWidth = 0;
        return DrawHeight;
    }

    MeasureFonts(canvas);
    FirstLineIndent = imgr.LeftIndent(y + clearSpace);
    maxWidth = imgr.Width;
    for (const auto& image : Images) {
        canvas.SelectFont(Fonts.At(image->Pos).Font->ToCanvasFont());
        image->SizeImage(canvas, Fonts.At(image->Pos).Url->HasUrl());
        maxWidth = std::max(maxWidth, image->ObjWidth + Indent());
    }
    for (const TFormControlObj* control : FormControls)
        maxWidth = std::max(maxWidth, control->Width + Indent());

    const int length = int(Buff.size());
    int height = 0;
    int curY = y;
    int coveredBottom = y;
    int pos = 0;
    std::vector<TImageObj*> deferred;
    // Copied at the end into the section's own block when that is big enough
    // from the last layout, else into a new one of their number.
    TightArray<LineRec> lines = SpareBlock<LineRec>::Take(0);
    while (pos < length) {
        LineRec line;
        line.Start = pos;
        line.Top = curY;
        if (pos == 0 && clearSpace > 0) {
            line.SpaceBefore = clearSpace;
            curY += clearSpace;   // the text of the first line starts below the floats
        }
        const int avail = IsPreformatted() ? kPreformattedWidth : imgr.RightSide(curY) - imgr.LeftIndent(curY);
        deferred.clear();
        int floatBottom = 0;
        int count = std::max(1, FitCount(canvas, pos, avail, imgr, curY, deferred, floatBottom));
        int end = pos + count;
        if (end < length) {
            if (Buff[end - 1] == QLatin1Char(' ') || Buff[end] == QLatin1Char(' ')) {
                while (end < length && Buff[end] == QLatin1Char(' '))
                    ++end;
            } else if (Buff[end] != TextMarkers::Image && Buff[end] != TextMarkers::Control) {
                // The break falls inside a word: back to the last blank, image or control.
                // Images floating at the line's start are beside the line, not in it.
                int firstContent = pos;
                while (firstContent < end && Buff[firstContent] == TextMarkers::Image && ImageAt(firstContent)
                       && ImageAt(firstContent)->Floats())
                    ++firstContent;
                int back = end - 1;
                while (back >= firstContent && !IsBreakChar(Buff[back]))
                    --back;
                if (back >= firstContent) {
                    end = back + 1;
                } else {
                    // A word longer than the line keeps its whole self and its blanks.
                    while (end < length && !IsBreakChar(Buff[end]))
                        ++end;
                    while (end < length && Buff[end] == QLatin1Char(' '))
                        ++end;
                }
            }
        }
        line.Count = end - pos;
        line.Top = curY - line.SpaceBefore;
        FinishLine(canvas, line, imgr, curY);
        const int lineHeight = line.LineHt + line.SpaceBefore + line.SpaceAfter;
        height += lineHeight;
        const int nextY = line.Top + lineHeight;
        int lineCovered = nextY;
        for (TImageObj* image : deferred) {
            if (image->Pos >= end)
                continue;
            imgr.Update(nextY, *image);
            image->DrawTop = nextY;
            lineCovered = std::max(lineCovered, nextY + image->ObjHeight);
        }
        lineCovered = std::max(lineCovered, floatBottom);
        line.DrawHeight = lineCovered - line.Top;
        coveredBottom = std::max(coveredBottom, lineCovered);
        maxWidth = std::max(maxWidth, line.LineIndent + line.Width);
        lines.push_back(line);
        curY = nextY;
        pos = end;
    }
    curs += Len;
    Lines.AssignTight(lines.begin(), lines.end());   // documents hold thousands of sections
    SpareBlock<LineRec>::GiveBack(std::move(lines));
    if (ListLevel > 0)
        height = std::max(height, imgr.GetLevelClear() - y);
    DrawHeight = height;
    SectionHeight = std::max(height, coveredBottom - y);
    return DrawHeight;
}

void TSection::MinMaxWidth(Canvas& canvas, int& minWidth, int& maxWidth)
{
    MeasureFonts(canvas);
    int floats = 0;
    int widestImage = 0;
    for (const auto& image : Images) {
        canvas.SelectFont(Fonts.At(image->Pos).Font->ToCanvasFont());
        image->SizeImage(canvas, Fonts.At(image->Pos).Url->HasUrl());
        if (image->Floats())
            floats += image->ObjWidth;
        else
            widestImage = std::max(widestImage, image->ObjWidth);
    }
    const int length = int(Buff.size());
    maxWidth = SpanWidth(canvas, 0, length) + floats + Indent();
    int widestWord = widestImage;
    int pos = 0;
    int run = 0;   // the font run holding pos, followed rather than searched for every word
    while (pos < length) {
        while (pos < length && IsBreakChar(Buff[pos])) {
            if (TFormControlObj* control = Buff[pos] == TextMarkers::Control ? ControlAt(pos) : nullptr)
                widestWord = std::max(widestWord, control->Width);
            ++pos;
        }
        int end = pos;
        while (end < length && !IsBreakChar(Buff[end]))
            ++end;
        while (run + 1 < Fonts.Count() && Fonts[run + 1].Pos <= pos)
            ++run;
        if (end > pos)
            widestWord = std::max(widestWord, SpanWidth(canvas, pos, end, run));
        pos = end;
    }
    minWidth = widestWord + floats + Indent();
}

void TPreFormated::MinMaxWidth(Canvas& canvas, int& minWidth, int& maxWidth)
{
    int ignored = 0;
    TSection::MinMaxWidth(canvas, ignored, maxWidth);
    minWidth = std::min(500, maxWidth);
}
