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
    size_t h = qHash(f.Name);
    h = h * 31 + size_t(f.NominalSize);
    h = h * 31 + size_t(f.Size);
    h = h * 31 + size_t(f.Bold) * 8 + size_t(f.Italic) * 4 + size_t(f.Underline) * 2 + size_t(f.Fixed);
    return h * 31 + size_t(f.Color.rgba()) + size_t(f.Color.isValid());
}

size_t TFontPool::UrlHash::operator()(const TUrlTarget& u) const
{
    return qHash(u.Url) * 31 + qHash(u.Target);
}

template <typename T, typename Set>
std::pair<const T*, bool> TFontPool::InternRecent(const T& item, Set& set, std::array<const T*, RecentCount>& recent,
                                                  size_t& next)
{
    for (const T* r : recent)
        if (r && *r == item)
            return {r, false};
    const auto [it, added] = set.insert(item);
    recent[next] = &*it;
    next = (next + 1) % RecentCount;
    return {&*it, added};
}

const TMyFont* TFontPool::Intern(const TMyFont& font)
{
    const auto [pooled, added] = InternRecent(font, fonts_, recentFonts_, nextFont_);
    // A copy of a measured font may come back changed: its figures are not its own.
    if (added)
        pooled->MeasuredOn = 0;
    return pooled;
}

const TUrlTarget* TFontPool::Intern(const TUrlTarget& url)
{
    return InternRecent(url, urls_, recentUrls_, nextUrl_).first;
}

void TFontPool::Clear()
{
    fonts_.clear();
    urls_.clear();
    recentFonts_.fill(nullptr);
    recentUrls_.fill(nullptr);
}
