#pragma once

#include "viewer/sections.h"
#include "viewer/textmarkers.h"

// A stretch of a section's text drawn one way: text of one font run, an
// image or a form control.
struct LinePiece {
    enum class Kind { Text, Image, Control };
    Kind kind = Kind::Text;
    int from = 0;
    int to = 0;
    int run = 0;
    TImageObj* image = nullptr;
    TFormControlObj* control = nullptr;
};

// Calls f for each piece of the section's text between from and to. A
// caller that knows the font run holding `from` passes it in `run`.
template <typename F>
void ForEachPiece(const TSection& section, int from, int to, F&& f, int run = -1)
{
    const QString& buff = section.Buff;
    const int length = int(buff.size());
    to = std::min(to, length);
    int pos = from;
    // Pieces come in text order: the run is found once and then followed.
    if (run < 0)
        run = pos < to ? section.Fonts.IndexAt(pos) : 0;
    const int runCount = section.Fonts.Count();
    while (pos < to) {
        const QChar c = buff[pos];
        while (run + 1 < runCount && section.Fonts[run + 1].Pos <= pos)
            ++run;
        if (c == TextMarkers::Image) {
            if (TImageObj* image = section.ImageAt(pos)) {
                f(LinePiece{LinePiece::Kind::Image, pos, pos + 1, run, image, nullptr});
                ++pos;
                continue;
            }
        } else if (c == TextMarkers::Control) {
            if (TFormControlObj* control = section.ControlAt(pos)) {
                f(LinePiece{LinePiece::Kind::Control, pos, pos + 1, run, nullptr, control});
                ++pos;
                continue;
            }
        }
        const int runEnd = std::min(section.Fonts.RunEnd(run, length), to);
        int end = section.MarkerFree ? runEnd : pos + 1;
        while (end < runEnd && buff[end] != TextMarkers::Image && buff[end] != TextMarkers::Control)
            ++end;
        f(LinePiece{LinePiece::Kind::Text, pos, end, run, nullptr, nullptr});
        pos = end;
    }
}
