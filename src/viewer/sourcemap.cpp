#include "viewer/sourcemap.h"

#include "viewer/htmlimage.h"
#include "viewer/htmltable.h"
#include "viewer/imagemap.h"
#include "viewer/sections.h"

#include <algorithm>
#include <limits>

// ------------------------------------------------------------ TextSource

namespace {

bool OneForOne(const TextSource::Run& run)
{
    return run.SourceEnd - run.Source == run.Count;
}

} // namespace

void TextSource::AddSpan(int at, int source, int count)
{
    if (count <= 0)
        return;
    if (!runs_.empty()) {
        Run& last = runs_.back();
        if (OneForOne(last) && last.At + last.Count == at && last.SourceEnd == source) {
            last.Count += count;
            last.SourceEnd += count;
            return;
        }
    }
    runs_.push_back(Run{at, count, source, source + count});
}

void TextSource::AddPacked(int at, int source, int sourceEnd, int count)
{
    if (sourceEnd - source == count)
        AddSpan(at, source, count);
    else
        runs_.push_back(Run{at, count, source, sourceEnd});
}

void TextSource::Append(const TextSource& token, int at, int skip)
{
    for (Run run : token.runs_) {
        if (run.At < skip) {
            const int dropped = skip - run.At;
            if (dropped >= run.Count)
                continue;
            run.Count -= dropped;
            run.Source += dropped;   // only a span is longer than one character
            run.At = skip;
        }
        run.At += at - skip;
        if (OneForOne(run))
            AddSpan(run.At, run.Source, run.Count);
        else
            AddPacked(run.At, run.Source, run.SourceEnd);
    }
}

namespace {

// The run that holds a character index, or the last one before it; none
// when the index comes before the first run.
const TextSource::Run* RunAtOrBefore(const std::vector<TextSource::Run>& runs, int index)
{
    auto after = std::upper_bound(runs.begin(), runs.end(), index,
                                  [](int i, const TextSource::Run& run) { return i < run.At; });
    return after == runs.begin() ? nullptr : &*std::prev(after);
}

} // namespace

int TextSource::SourceOf(int index) const
{
    if (runs_.empty())
        return Start;
    const Run* found = RunAtOrBefore(runs_, index);
    if (!found)
        return runs_.front().Source;
    const Run& run = *found;
    if (index >= run.At + run.Count)
        return run.SourceEnd;
    return OneForOne(run) ? run.Source + (index - run.At) : run.Source;
}

int TextSource::SourceEndOf(int index) const
{
    if (runs_.empty())
        return Start;
    const Run* found = RunAtOrBefore(runs_, index);
    if (!found)
        return runs_.front().Source;
    const Run& run = *found;
    if (index >= run.At + run.Count || !OneForOne(run))
        return run.SourceEnd;
    return run.Source + (index - run.At) + 1;
}

int TextSource::IndexOf(int source, int& laterIndex, int& laterSource, SourceAffinity affinity) const
{
    laterIndex = -1;
    laterSource = -1;
    auto after = std::upper_bound(runs_.begin(), runs_.end(), source,
                                  [](int s, const Run& run) { return s < run.Source; });
    if (after != runs_.begin()) {
        const Run& run = *std::prev(after);
        const bool within = affinity == SourceAffinity::Preceding ? source <= run.SourceEnd
                                                                  : source < run.SourceEnd;
        if (within) {
            if (OneForOne(run))
                return run.At + (source - run.Source);
            return source == run.Source ? run.At : run.At + run.Count;
        }
    }
    if (after != runs_.end()) {
        laterIndex = after->At;
        laterSource = after->Source;
    }
    return -1;
}

// ------------------------------------------------------------ the document

namespace {

// Calls f(section, x of its cell's left side) for every text section in
// character order, table cells and captions included; stops when f returns true.
template <typename F> bool WalkText(const TCell& cell, int x0, F& f)
{
    for (const auto& item : cell.Items) {
        if (const auto* text = dynamic_cast<const TSection*>(item.get())) {
            if (f(*text, x0))
                return true;
            continue;
        }
        const auto* table = dynamic_cast<const ThtmlTable*>(item.get());
        if (!table)
            continue;
        const bool caption = table->Caption->Cell->Count() > 0;
        const int captionX = x0 + table->LeftX + table->Indent;
        if (caption && table->TopCaption && WalkText(*table->Caption->Cell, captionX, f))
            return true;
        for (const TCellList& row : table->Rows)
            for (size_t c = 0; c < row.size(); ++c)
                if (row[c]->ColSpan > 0 && WalkText(*row[c]->Cell, x0 + table->CellContentX(int(c)), f))
                    return true;
        if (caption && !table->TopCaption && WalkText(*table->Caption->Cell, captionX, f))
            return true;
    }
    return false;
}

struct Hit {
    const TSection* section = nullptr;
    int index = 0;
};

// As the viewer's own hit test finds a caret place, but saying in which section.
bool HitInCell(const TCell& cell, Canvas& canvas, int x, int y, Hit& hit);

bool HitInTable(const ThtmlTable& table, Canvas& canvas, int x, int y, Hit& hit)
{
    auto tryCell = [&](const TCellObj& cell, int contentX) {
        const int width = std::max(0, cell.Width - table.Slack());
        if (x < contentX - table.CellPadding || x >= contentX + width + table.CellPadding)
            return false;
        return HitInCell(*cell.Cell, canvas, x - contentX, y, hit);
    };
    const bool caption = table.Caption->Cell->Count() > 0;
    const int captionX = table.LeftX + table.Indent;
    if (caption && table.TopCaption && tryCell(*table.Caption, captionX))
        return true;
    for (const TCellList& row : table.Rows)
        for (size_t c = 0; c < row.size(); ++c)
            if (row[c]->ColSpan > 0 && tryCell(*row[c], table.CellContentX(int(c))))
                return true;
    return caption && !table.TopCaption && tryCell(*table.Caption, captionX);
}

bool HitInCell(const TCell& cell, Canvas& canvas, int x, int y, Hit& hit)
{
    for (const auto& item : cell.Items) {
        const int bottom = item->YValue + std::max(item->DrawHeight, item->SectionHeight);
        if (y < item->YValue || y >= bottom)
            continue;
        if (const auto* table = dynamic_cast<const ThtmlTable*>(item.get())) {
            if (HitInTable(*table, canvas, x, y, hit))
                return true;
            continue;
        }
        const auto* text = dynamic_cast<const TSection*>(item.get());
        if (!text)
            continue;
        QPoint relative;
        // A picture anywhere under the point stands for its tag.
        if (const TImageObj* image = FindImageAt(text->Images, x, y, relative)) {
            hit = Hit{text, image->Pos};
            return true;
        }
        const LineRec* line = y < item->YValue + item->DrawHeight ? text->LineAtY(y) : nullptr;
        if (!line)
            continue;
        hit.section = text;
        hit.index = x <= line->LineIndent ? line->Start : text->IndexAtX(canvas, *line, x);
        return true;
    }
    return false;
}

int LineBottom(const LineRec& line)
{
    return line.Top + line.SpaceBefore + line.LineHt + line.SpaceAfter;
}

} // namespace

int SourceOffsetAt(const TCell& document, Canvas& canvas, int x, int y)
{
    Hit hit;
    if (!HitInCell(document, canvas, x, y, hit))
        return -1;
    // A caret right after a word stays with it (inside "<B>bold</B>", before
    // the "</B>"); after a blank it goes with what follows.
    const TSection& s = *hit.section;
    if (hit.index > 0 && hit.index <= s.Buff.size() && s.Buff[hit.index - 1] != QLatin1Char(' '))
        return s.Source.SourceEndOf(hit.index - 1);
    return s.Source.SourceOf(hit.index);
}

int SourceOffsetAtY(const TCell& document, int y)
{
    const TSection* best = nullptr;
    const LineRec* bestLine = nullptr;
    auto visit = [&](const TSection& section, int) {
        if (section.YValue + std::max(section.DrawHeight, section.SectionHeight) <= y)
            return false;
        for (const LineRec& line : section.Lines) {
            if (LineBottom(line) <= y)
                continue;
            if (!bestLine || line.Top < bestLine->Top) {
                best = &section;
                bestLine = &line;
            }
            break;
        }
        return false;
    };
    WalkText(document, 0, visit);
    return best ? best->Source.SourceOf(bestLine->Start) : -1;
}

bool PlaceOfSource(const TCell& document, Canvas& canvas, int source, SourcePlace& place, SourceAffinity affinity)
{
    const TSection* found = nullptr;
    int foundIndex = 0;
    int foundX0 = 0;
    int laterSource = std::numeric_limits<int>::max();
    const TSection* last = nullptr;
    int lastX0 = 0;
    auto visit = [&](const TSection& section, int x0) {
        if (section.Source.Empty())
            return false;
        int laterIndex = -1;
        int later = -1;
        const int index = section.Source.IndexOf(source, laterIndex, later, affinity);
        if (index >= 0) {
            found = &section;
            foundIndex = index;
            foundX0 = x0;
            return true;
        }
        if (later >= 0 && later < laterSource) {
            laterSource = later;
            found = &section;
            foundIndex = laterIndex;
            foundX0 = x0;
        }
        last = &section;
        lastX0 = x0;
        return false;
    };
    WalkText(document, 0, visit);
    if (!found && last) {
        found = last;
        foundIndex = int(last->Buff.size());
        foundX0 = lastX0;
    }
    if (!found)
        return false;

    place.Section = found;
    place.Index = foundIndex;
    place.Position = found->StartCurs + foundIndex;
    place.BlockTop = found->YValue;
    place.BlockBottom = found->YValue + found->DrawHeight;
    place.X = foundX0;
    place.Y = found->YValue;
    place.Height = found->DrawHeight;
    for (size_t i = 0; i < found->Lines.size(); ++i) {
        const LineRec& line = found->Lines[i];
        const bool lastLine = i + 1 == found->Lines.size();
        if (foundIndex < line.Start + line.Count || (lastLine && foundIndex == line.Start + line.Count)) {
            place.X = foundX0 + found->CharX(canvas, line, foundIndex);
            place.Y = line.Top;
            place.Height = LineBottom(line) - line.Top;
            break;
        }
    }
    return true;
}
