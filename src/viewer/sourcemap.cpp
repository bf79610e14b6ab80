#include "viewer/sourcemap.h"

#include "viewer/htmlimage.h"
#include "viewer/htmltable.h"
#include "viewer/imagemap.h"
#include "viewer/sections.h"
#include "viewer/sectionstore.h"

#include <algorithm>
#include <cstring>
#include <limits>

// ------------------------------------------------------------ TextSource

namespace {

constexpr size_t kMarkEvery = 32;

// Where a block of runs starts in the packed bytes, what the run before it
// ended at, and its first run's index and source.
struct Mark {
    uint32_t Offset;
    int AtEnd;
    int SourceEnd;
    int FirstAt;
    int FirstSource;
};
constexpr size_t kMarkWords = sizeof(Mark) / sizeof(uint32_t);
constexpr size_t kHeaderWords = 2;   // the number of marks, the number of bytes

uint8_t* PutNumber(uint8_t* out, uint32_t n)
{
    while (n >= 0x80) {
        *out++ = uint8_t(n | 0x80);
        n >>= 7;
    }
    *out++ = uint8_t(n);
    return out;
}

// Small numbers of either sign in few bytes: 0, -1, 1, -2, ...
uint8_t* PutSigned(uint8_t* out, int n)
{
    return PutNumber(out, (uint32_t(n) << 1) ^ uint32_t(n >> 31));
}

uint32_t GetNumber(const uint8_t*& p)
{
    uint32_t n = 0;
    for (int shift = 0;; shift += 7) {
        const uint8_t b = *p++;
        n |= uint32_t(b & 0x7F) << shift;
        if (!(b & 0x80))
            return n;
    }
}

int GetSigned(const uint8_t*& p)
{
    const uint32_t n = GetNumber(p);
    return int(n >> 1) ^ -int(n & 1);
}

// Reads packed runs one after the other.
struct RunReader {
    const uint8_t* p;
    const uint8_t* end;
    int atEnd;
    int sourceEnd;

    bool Next(TextSource::Run& run)
    {
        if (p >= end)
            return false;
        run.At = atEnd + GetSigned(p);
        run.Count = int(GetNumber(p));
        run.Source = sourceEnd + GetSigned(p);
        run.SourceEnd = run.Source + run.Count + GetSigned(p);
        atEnd = run.At + run.Count;
        sourceEnd = run.SourceEnd;
        return true;
    }
};

bool OneForOne(const TextSource::Run& run)
{
    return run.SourceEnd - run.Source == run.Count;
}

} // namespace

namespace {

std::unique_ptr<std::vector<TextSource::Run>>& SpareRuns()
{
    thread_local std::unique_ptr<std::vector<TextSource::Run>> spare;
    return spare;
}

// An empty vector to grow runs in: the one the text before gave back, or a new one.
std::unique_ptr<std::vector<TextSource::Run>> TakeSpareRuns()
{
    std::unique_ptr<std::vector<TextSource::Run>> runs = std::move(SpareRuns());
    if (!runs)
        runs = std::make_unique<std::vector<TextSource::Run>>();
    runs->clear();
    return runs;
}

} // namespace

void TextSource::HoldRuns(std::unique_ptr<std::vector<Run>> runs)
{
    Release();
    block_ = runs.release();
    holds_ = Holds::Runs;
}

void TextSource::FreeBlock()
{
    if (holds_ == Holds::Runs)
        delete static_cast<std::vector<Run>*>(block_);
    else if (holds_ == Holds::OwnPacked)
        delete[] static_cast<uint32_t*>(block_);
}

void TextSource::Push(const Run& run)
{
    if (holds_ != Holds::Runs)
        HoldRuns(TakeSpareRuns());
    GrowingRuns()->push_back(run);
}

void TextSource::AddSpanToAny(int at, int source, int count)
{
    if (count <= 0)
        return;
    Unpack();
    if (std::vector<Run>* runs = GrowingRuns(); runs && !runs->empty()) {
        Run& last = runs->back();
        if (OneForOne(last) && last.At + last.Count == at && last.SourceEnd == source) {
            last.Count += count;
            last.SourceEnd += count;
            return;
        }
    }
    Push(Run{at, count, source, source + count});
}

void TextSource::Append(const TextSource& token, int at, int skip)
{
    // A token's runs are read and dropped long before anything packs them.
    const std::vector<Run>* runs = token.GrowingRuns();
    if (!runs)
        return;
    for (Run run : *runs) {
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

void TextSource::Pack(SectionStore* store)
{
    if (holds_ != Holds::Runs || GrowingRuns()->empty())
        return;
    const std::vector<Run>& runs = *GrowingRuns();
    constexpr size_t kMostBytesPerRun = 4 * 5;
    thread_local std::vector<uint8_t> bytes;
    thread_local std::vector<Mark> marks;
    // Grown only: what it held before is written over, not cleared.
    if (bytes.size() < runs.size() * kMostBytesPerRun)
        bytes.resize(runs.size() * kMostBytesPerRun);
    marks.clear();
    uint8_t* out = bytes.data();
    int atEnd = 0;
    int sourceEnd = 0;
    for (size_t i = 0; i < runs.size(); ++i) {
        const Run& run = runs[i];
        if (i % kMarkEvery == 0 && i > 0)
            marks.push_back(Mark{uint32_t(out - bytes.data()), atEnd, sourceEnd, run.At, run.Source});
        out = PutSigned(out, run.At - atEnd);
        out = PutNumber(out, uint32_t(run.Count));
        out = PutSigned(out, run.Source - sourceEnd);
        out = PutSigned(out, run.SourceEnd - run.Source - run.Count);
        atEnd = run.At + run.Count;
        sourceEnd = run.SourceEnd;
    }
    const size_t byteCount = size_t(out - bytes.data());
    const size_t words = kHeaderWords + marks.size() * kMarkWords + (byteCount + 3) / 4;
    uint32_t* packed = store ? store->Allocate<uint32_t>(words) : new uint32_t[words];
    packed[0] = uint32_t(marks.size());
    packed[1] = uint32_t(byteCount);
    packed[words - 1] = 0;   // the bytes' last word may be partly filled
    // An empty vector may have no storage at all, which memcpy must not see.
    if (!marks.empty())
        std::memcpy(&packed[kHeaderWords], marks.data(), marks.size() * sizeof(Mark));
    if (byteCount > 0)
        std::memcpy(&packed[kHeaderWords + marks.size() * kMarkWords], bytes.data(), byteCount);
    // The grown vector serves the next text; what one huge paragraph
    // needed is not kept for the life of the program.
    constexpr size_t kMostRunsKept = 4096;
    std::unique_ptr<std::vector<Run>> grown(static_cast<std::vector<Run>*>(std::exchange(block_, packed)));
    holds_ = store ? Holds::StorePacked : Holds::OwnPacked;
    grown->clear();
    if (grown->capacity() <= kMostRunsKept && (!SpareRuns() || SpareRuns()->capacity() < grown->capacity()))
        SpareRuns() = std::move(grown);
    if (bytes.capacity() > kMostRunsKept * kMostBytesPerRun) {
        std::vector<uint8_t>().swap(bytes);
        std::vector<Mark>().swap(marks);
    }
}

void TextSource::UnpackRuns()
{
    const uint32_t* packed = Packed();
    const size_t markCount = packed[0];
    const auto* bytes = reinterpret_cast<const uint8_t*>(&packed[kHeaderWords + markCount * kMarkWords]);
    RunReader reader{bytes, bytes + packed[1], 0, 0};
    std::unique_ptr<std::vector<Run>> runs = TakeSpareRuns();
    Run run;
    while (reader.Next(run))
        runs->push_back(run);
    HoldRuns(std::move(runs));
}

TextSource::Neighbours TextSource::Around(int value, Key key) const
{
    const auto keyOf = [key](const Run& run) { return key == Key::Index ? run.At : run.Source; };
    Neighbours n;
    const uint32_t* packed = Packed();
    if (!packed) {
        if (holds_ != Holds::Runs)
            return n;
        const std::vector<Run>& runs = *GrowingRuns();
        auto after = std::upper_bound(runs.begin(), runs.end(), value,
                                      [&](int v, const Run& run) { return v < keyOf(run); });
        if (after != runs.begin()) {
            n.HasBefore = true;
            n.Before = *std::prev(after);
        }
        if (after != runs.end()) {
            n.HasAfter = true;
            n.After = *after;
        }
        return n;
    }
    const size_t markCount = packed[0];
    const auto* bytes = reinterpret_cast<const uint8_t*>(&packed[kHeaderWords + markCount * kMarkWords]);
    RunReader reader{bytes, bytes + packed[1], 0, 0};
    // The last block whose first run is at or before the value: the answer starts there.
    size_t lo = 0;
    size_t hi = markCount;
    while (lo < hi) {
        const size_t mid = (lo + hi) / 2;
        Mark mark;
        std::memcpy(&mark, &packed[kHeaderWords + mid * kMarkWords], sizeof(Mark));
        if ((key == Key::Index ? mark.FirstAt : mark.FirstSource) <= value)
            lo = mid + 1;
        else
            hi = mid;
    }
    if (lo > 0) {
        Mark mark;
        std::memcpy(&mark, &packed[kHeaderWords + (lo - 1) * kMarkWords], sizeof(Mark));
        reader = RunReader{bytes + mark.Offset, reader.end, mark.AtEnd, mark.SourceEnd};
    }
    Run run;
    while (reader.Next(run)) {
        if (keyOf(run) > value) {
            n.HasAfter = true;
            n.After = run;
            break;
        }
        n.HasBefore = true;
        n.Before = run;
    }
    return n;
}

int TextSource::SourceOf(int index) const
{
    if (Empty())
        return Start;
    const Neighbours n = Around(index, Key::Index);
    if (!n.HasBefore)
        return n.After.Source;
    const Run& run = n.Before;
    if (index >= run.At + run.Count)
        return run.SourceEnd;
    return OneForOne(run) ? run.Source + (index - run.At) : run.Source;
}

int TextSource::SourceEndOf(int index) const
{
    if (Empty())
        return Start;
    const Neighbours n = Around(index, Key::Index);
    if (!n.HasBefore)
        return n.After.Source;
    const Run& run = n.Before;
    if (index >= run.At + run.Count || !OneForOne(run))
        return run.SourceEnd;
    return run.Source + (index - run.At) + 1;
}

int TextSource::IndexOf(int source, int& laterIndex, int& laterSource, SourceAffinity affinity) const
{
    laterIndex = -1;
    laterSource = -1;
    const Neighbours n = Around(source, Key::Source);
    if (n.HasBefore) {
        const Run& run = n.Before;
        const bool within = affinity == SourceAffinity::Preceding ? source <= run.SourceEnd
                                                                  : source < run.SourceEnd;
        if (within) {
            if (OneForOne(run))
                return run.At + (source - run.Source);
            return source == run.Source ? run.At : run.At + run.Count;
        }
    }
    if (n.HasAfter) {
        laterIndex = n.After.At;
        laterSource = n.After.Source;
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
