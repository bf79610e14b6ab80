#include "check/textlines.h"

#include <algorithm>

TextLines::TextLines(const QString& text) : text_(text)
{
    starts_.push_back(0);
    const int length = int(text.size());
    for (int i = 0; i < length; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < length && text[i + 1].isLowSurrogate()) {
            pairs_.push_back(i);
            ++i;
        } else if (c == QLatin1Char('\r')) {
            if (i + 1 < length && text[i + 1] == QLatin1Char('\n'))
                ++i;
            starts_.push_back(i + 1);
        } else if (c == QLatin1Char('\n')) {
            starts_.push_back(i + 1);
        }
    }
}

TextLines::Place TextLines::PlaceOf(int offset) const
{
    offset = std::clamp(offset, 0, int(text_.size()));
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), offset);
    const int index = int(after - starts_.begin()) - 1;
    return Place{index + 1, offset - starts_[size_t(index)] + 1};
}

int TextLines::LineEnd(int lineIndex) const
{
    int end = lineIndex + 1 < LineCount() ? starts_[size_t(lineIndex) + 1] : int(text_.size());
    while (end > starts_[size_t(lineIndex)] &&
           (text_[end - 1] == QLatin1Char('\n') || text_[end - 1] == QLatin1Char('\r')))
        --end;
    return end;
}

int TextLines::PairsBetween(int lineStart, int offset) const
{
    return int(std::lower_bound(pairs_.begin(), pairs_.end(), offset) -
               std::lower_bound(pairs_.begin(), pairs_.end(), lineStart));
}

int TextLines::OffsetOfCodePointColumn(int line, int column) const
{
    const int index = std::clamp(line, 1, LineCount()) - 1;
    const int start = starts_[size_t(index)];
    const int end = LineEnd(index);
    const int wanted = std::max(column, 1) - 1;
    // The smallest offset with `wanted` columns before it: columns grow with
    // the offset, so a search over the line finds it however long it is.
    int low = std::min(start + wanted, end);
    int high = std::min(start + 2 * wanted, end);
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (middle - start - PairsBetween(start, middle) < wanted)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}
