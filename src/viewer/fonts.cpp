#include "viewer/fonts.h"

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
    canvas.SelectFont(ToCanvasFont());
    const CanvasFontMetrics m = canvas.Metrics();
    LineHeight = m.height + m.externalLeading;
    Height = m.height;
    Descent = m.descent;
    Overhang = m.overhang;
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

const TMyFont* TFontPool::Intern(const TMyFont& font)
{
    if (!lastFont_ || !(*lastFont_ == font))
        lastFont_ = &*fonts_.insert(font).first;
    return lastFont_;
}

const TUrlTarget* TFontPool::Intern(const TUrlTarget& url)
{
    if (!lastUrl_ || !(*lastUrl_ == url))
        lastUrl_ = &*urls_.insert(url).first;
    return lastUrl_;
}

void TFontPool::Clear()
{
    fonts_.clear();
    urls_.clear();
    lastFont_ = nullptr;
    lastUrl_ = nullptr;
}
