#include "viewer/viewerhistory.h"

bool ViewerHistory::Add(const HistoryEntry& left, const HistoryEntry& current)
{
    if (maxCount_ < 1 || current.FileName.isEmpty())
        return false;
    if (left.FileName == current.FileName && left.Position.Pos == current.Position.Pos)
        return false;
    if (!entries_.empty() && !left.FileName.isEmpty()) {
        if (index_ >= 0 && index_ < Count()) {
            entries_[size_t(index_)] = left;
            entries_.erase(entries_.begin(), entries_.begin() + index_);
        }
    }
    index_ = 0;
    entries_.insert(entries_.begin(), current);
    if (Count() > maxCount_)
        entries_.resize(size_t(maxCount_));
    return true;
}

void ViewerHistory::UpdateCurrent(const HistoryEntry& current)
{
    if (index_ >= 0 && index_ < Count())
        entries_[size_t(index_)] = current;
}

bool ViewerHistory::Clear()
{
    const bool had = !entries_.empty();
    entries_.clear();
    index_ = 0;
    return had;
}
