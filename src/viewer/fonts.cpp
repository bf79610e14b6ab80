#include "viewer/fonts.h"

#include "viewer/spareblock.h"

#include <QHashFunctions>
#include <algorithm>

int ScaleByFontSize(int value, int defFontSize)
{
    // Rounded half away from zero, as the classic MulDiv did.
    const long long product = static_cast<long long>(value) * defFontSize;
    return product >= 0 ? int((product + 6) / 12) : -int((-product + 6) / 12);
}

void TMyFont::Measure(Canvas& canvas) const
{
    // Every section measures its runs at every layout; a page has a few
    // dozen fonts.
    if (MeasuredOn == canvas.Serial())
        return;
    canvas.SelectFont(ToCanvasFont());
    const CanvasFontMetrics m = canvas.Metrics();
    LineHeight = m.height + m.externalLeading;
    Height = m.height;
    Descent = m.descent;
    Overhang = m.overhang;
    MeasuredOn = canvas.Serial();
}

void TFontList::TakeSpare()
{
    runs_ = SpareBlock<TFontObj>::Take(16);
}

void TFontList::Squeeze(SectionStore& store)
{
    if (runs_.capacity() == 0)   // kept already, or none
        return;
    TFontObj* kept = store.Allocate<TFontObj>(runs_.size());
    std::copy(runs_.begin(), runs_.end(), kept);
    const size_t count = runs_.size();
    SpareBlock<TFontObj>::GiveBack(std::move(runs_));
    runs_ = TightArray<TFontObj>();
    runs_.ShowKeptElsewhere(kept, count);
}

int TFontList::IndexAt(int pos) const
{
    // Runs are few per section; a binary search keeps huge paragraphs fast.
    auto it = std::upper_bound(runs_.begin(), runs_.end(), pos,
                               [](int p, const TFontObj& run) { return p < run.Pos; });
    if (it == runs_.begin())
        return 0;
    return int(it - runs_.begin()) - 1;
}

size_t TFontPool::FontHash::operator()(const TMyFont& f) const
{
    // A page names a few faces; its fonts differ in size, style and colour.
    // The name's length and ends tell its faces apart without reading it all.
    size_t h = size_t(f.Name.size());
    if (!f.Name.isEmpty())
        h = h * 31 + f.Name.front().unicode() * 7 + f.Name.back().unicode();
    h = h * 31 + size_t(f.NominalSize);
    h = h * 31 + size_t(f.Size);
    h = h * 31 + size_t(f.Bold) * 8 + size_t(f.Italic) * 4 + size_t(f.Underline) * 2 + size_t(f.Fixed);
    return h * 31 + size_t(f.Color.rgba()) + size_t(f.Color.isValid());
}

size_t TFontPool::UrlHash::operator()(const TUrlTarget& u) const
{
    return qHash(u.Url) * 31 + qHash(u.Target);
}

const TMyFont* TFontPool::Intern(const TMyFont& font)
{
    for (const TMyFont* recent : recentFonts_)
        if (recent && *recent == font)
            return recent;
    const auto [it, added] = fonts_.insert(font);
    // A copy of a measured font may come back changed: its figures are not its own.
    if (added)
        it->MeasuredOn = 0;
    recentFonts_[nextFont_] = &*it;
    nextFont_ = (nextFont_ + 1) % RecentCount;
    return &*it;
}

const TUrlTarget* TFontPool::Intern(const TUrlTarget& url)
{
    // Links are asked for once at each anchor, and a page's anchors mostly
    // lead to different places: a list of recent ones would seldom answer.
    return &*urls_.insert(url).first;
}

void TFontPool::Clear()
{
    fonts_.clear();
    urls_.clear();
    recentFonts_.fill(nullptr);
}
