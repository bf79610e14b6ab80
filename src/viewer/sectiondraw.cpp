// Painting text sections and rules.
#include "viewer/canvas.h"
#include "viewer/formcontrols.h"
#include "viewer/htmlimage.h"
#include "viewer/indentmanager.h"
#include "viewer/linepieces.h"
#include "viewer/sectionlist.h"
#include "viewer/syscolors.h"

#include <algorithm>

namespace {

constexpr int kBulletSize = 5;

// Bullets are coloured by level on the classic grey, white and silver
// backgrounds; elsewhere they are outlines in the text colour.
void DrawBullet(Canvas& canvas, const TSection& s, int x, int top, int lineHt)
{
    const TSectionList* doc = s.ParentSectionList;
    const QRect box(x, top + (lineHt - kBulletSize) / 2, kBulletSize, kBulletSize);
    const QColor bg = doc->Background;
    const bool plainBackground = bg == SysColors::ButtonFace() || bg == SysColors::White() || bg == SysColors::Silver();
    if (doc->Printing) {
        canvas.Ellipse(box, QColor(0, 0, 0), QColor(0, 0, 0));
        return;
    }
    if (!plainBackground) {
        canvas.Ellipse(box, doc->FontColor, QColor());
        return;
    }
    QColor color;
    switch (s.ListLevel) {
    case 1: case 4: color = QColor(0, 0, 0x80); break;
    case 2: case 5: color = QColor(0x80, 0, 0); break;
    case 3: color = QColor(0xFF, 0, 0); break;
    default: color = doc->FontColor; break;
    }
    canvas.Ellipse(box, color, color);
}

void DrawControl(Canvas& canvas, TFormControlObj& control, int x, int top, bool printing)
{
    const QRect box(x, top, control.Width, control.Height);
    const QString kind = QLatin1String(control.KindName());
    if (printing) {
        if (kind == QLatin1String("radio"))
            canvas.Ellipse(box, QColor(0, 0, 0), QColor());
        else
            canvas.FrameRect(box, QColor(0, 0, 0));
        return;
    }
    // Until live widgets are placed here, a 3-D frame shows where the control sits.
    const bool raised = kind == QLatin1String("submit") || kind == QLatin1String("reset")
                     || kind == QLatin1String("combo");
    canvas.FillRect(box, raised ? SysColors::ButtonFace() : SysColors::White());
    const QColor topLeft = raised ? SysColors::ButtonHighlight() : SysColors::ButtonShadow();
    const QColor bottomRight = raised ? SysColors::ButtonShadow() : SysColors::ButtonHighlight();
    if (kind == QLatin1String("radio")) {
        canvas.Ellipse(box.adjusted(0, 0, 0, -1), SysColors::ButtonShadow(), SysColors::White());
        return;
    }
    canvas.Line(box.left(), box.top(), box.right(), box.top(), topLeft);
    canvas.Line(box.left(), box.top(), box.left(), box.bottom(), topLeft);
    canvas.Line(box.left(), box.bottom(), box.right(), box.bottom(), bottomRight);
    canvas.Line(box.right(), box.top(), box.right(), box.bottom(), bottomRight);
    if (raised && kind != QLatin1String("combo")) {
        CanvasFont font{QStringLiteral("Arial"), 9};
        canvas.SelectFont(font);
        const int w = canvas.TextWidth(control.Value);
        canvas.TextOut(x + (control.Width - w) / 2, top + (control.Height - canvas.Metrics().height) / 2,
                       control.Value, SysColors::ButtonText());
    }
}

} // namespace

int TSection::Draw(Canvas& canvas, const QRect& clip, IndentManager& imgr, int x, int y)
{
    TSectionList* doc = ParentSectionList;
    const int shift = y - YValue;   // a cell drawn where it was not laid out
    const int top = y - doc->YOff;
    if (top + std::max(SectionHeight, DrawHeight) < clip.top() || top > clip.bottom() || Lines.empty())
        return y + DrawHeight;

    const int selStart = doc->SelStart - StartCurs;
    const int selEnd = doc->SelEnd - StartCurs;
    const QColor background = doc->Background;
    for (size_t li = 0; li < Lines.size(); ++li) {
        const LineRec& line = Lines[li];
        const int lineTop = line.Top + shift - doc->YOff;
        if (lineTop > clip.bottom())
            break;
        if (lineTop + line.DrawHeight <= clip.top())
            continue;
        // On paper a line that would be cut starts the next page, and so
        // does the rest of the section.
        if (doc->MovesToNextPage(clip, lineTop, line.DrawHeight))
            break;
        const int textTop = lineTop + line.SpaceBefore;
        const int baseline = textTop + line.LineHt - line.Descent;

        if (li == 0 && ListLevel > 0) {
            if (ListKind == ListType::Numbered) {
                const TMyFont& font = *MarkerFont;
                canvas.SelectFont(font.ToCanvasFont());
                const QString number = QString::number(ListNumber) + QLatin1Char('.');
                const CanvasFontMetrics m = canvas.Metrics();
                const int w = canvas.TextWidth(number);
                canvas.TextOut(x + FirstLineIndent - 5 - w, baseline - m.ascent, number,
                               doc->Printing ? QColor(0, 0, 0) : font.Color);
            } else if (ListKind == ListType::Bulleted && !Plain) {
                DrawBullet(canvas, *this, x + FirstLineIndent - 8, textTop, line.LineHt);
            }
        }

        int cx = x + line.LineIndent;
        ForEachPiece(*this, line.Start, line.Start + line.Count, [&](const LinePiece& p) {
            switch (p.kind) {
            case LinePiece::Kind::Image: {
                TImageObj& image = *p.image;
                canvas.SelectFont(Fonts[p.run].Font->ToCanvasFont());
                image.DrawImage(canvas, x + image.DrawLeft, image.DrawTop + shift - doc->YOff, Fonts[p.run].Font->Color);
                if (!image.Floats())
                    cx += image.ObjWidth;
                break;
            }
            case LinePiece::Kind::Control: {
                TFormControlObj& control = *p.control;
                const int bottom = control.OnBaseline() ? baseline : textTop + line.LineHt;
                // A printing copy shares the controls: it must not move the screen's widgets.
                if (!doc->Printing) {
                    control.Left = cx;
                    control.Top = bottom - control.Height;
                    control.Shown = true;
                }
                // On screen the control's own widget stands there.
                if (doc->Printing || !control.Widget())
                    DrawControl(canvas, control, cx, bottom - control.Height, doc->Printing);
                cx += control.Width;
                break;
            }
            case LinePiece::Kind::Text: {
                const TFontObj& fontRun = Fonts[p.run];
                const TMyFont& run = *fontRun.Font;
                canvas.SelectFont(run.ToCanvasFont());
                const CanvasFontMetrics m = canvas.Metrics();
                int runTop = baseline - m.ascent;
                if (fontRun.SubSuper == SubSuperState::Super)
                    runTop -= line.LineHt / 3;
                else if (fontRun.SubSuper == SubSuperState::Sub)
                    runTop += run.Descent / 2 + 1;
                const QColor color = doc->Printing ? QColor(0, 0, 0) : run.Color;
                // Up to three parts: before, inside and after the selection.
                int from = p.from;
                while (from < p.to) {
                    const bool selected = from >= selStart && from < selEnd;
                    int to = p.to;
                    if (selected)
                        to = std::min(to, selEnd);
                    else if (from < selStart)
                        to = std::min(to, selStart);
                    const QStringView text = QStringView(Buff).mid(from, to - from);
                    const int drawX = cx - run.Overhang / 2;
                    if (IsPreformatted()) {
                        const QRect box(x, textTop, imgr.ClipWidth, line.LineHt);
                        if (selected)
                            canvas.FillRect(QRect(drawX, runTop, canvas.TextWidth(text), m.height).intersected(box), color);
                        canvas.TextOutClipped(drawX, runTop, box, text, selected ? background : color);
                    } else if (selected) {
                        canvas.TextOut(drawX, runTop, text, background, TextBackground::Opaque, color);
                    } else {
                        canvas.TextOut(drawX, runTop, text, color);
                    }
                    cx += canvas.TextWidth(text) - run.Overhang;
                    from = to;
                }
                break;
            }
            }
        });
    }
    return y + DrawHeight;
}

int THorzLine::Draw(Canvas& canvas, const QRect& clip, IndentManager& imgr, int x, int y)
{
    (void)imgr;
    const TSectionList* doc = ParentSectionList;
    const int top = y - doc->YOff;
    if (top + DrawHeight < clip.top() || top > clip.bottom())
        return y + DrawHeight;
    const int left = x + LeftAtLayout;
    const int right = x + RightAtLayout;
    int x1 = left + 10;
    int x2 = right - 10;
    if (HasWidth) {
        const int span = right - left;
        const int w = Percent ? span * HWidth / 100 : HWidth;
        x1 = left + (span - w) / 2;
        x2 = x1 + w;
    }
    const int y1 = top + (DrawHeight - Thickness) / 2;
    const int y2 = y1 + Thickness - 1;
    if (NoShade) {
        canvas.FillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), SysColors::ButtonShadow());
        return y + DrawHeight;
    }
    const bool whitePage = doc->Background == SysColors::White() && doc->BackgroundName.isEmpty();
    const QColor light = (doc->Printing || whitePage) ? SysColors::Silver() : SysColors::ButtonHighlight();
    const QColor dark = SysColors::ButtonShadow();
    canvas.Line(x1, y1, x2, y1, dark);
    canvas.Line(x1, y1, x1, y2, dark);
    canvas.Line(x1, y2, x2, y2, light);
    canvas.Line(x2, y1, x2, y2, light);
    return y + DrawHeight;
}
