#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// A place in a document that survives a new layout: the section index in
// the high 16 bits, pixels into that section in the low 16 bits.
struct PositionObj {
    std::uint32_t Pos = 0;
    std::uint8_t FileType = 0;   // always 0, an HTML document
};

struct HistoryEntry {
    QString FileName;
    QString Title;
    PositionObj Position;
};

// The documents visited by following links; index 0 is the newest.
class ViewerHistory {
public:
    int Count() const { return int(entries_.size()); }
    const HistoryEntry& Entry(int i) const { return entries_[size_t(i)]; }
    int Index() const { return index_; }
    void SetIndex(int i) { index_ = i; }
    int MaxCount() const { return maxCount_; }
    void SetMaxCount(int count) { maxCount_ = count; }

    // Records a move from the old document and position to the current one.
    // The entry being shown keeps the place left, newer entries are dropped
    // and the current document goes in front. Returns whether anything changed.
    bool Add(const HistoryEntry& left, const HistoryEntry& current);
    // The entry being shown takes the current document's place.
    void UpdateCurrent(const HistoryEntry& current);
    // Returns whether there was anything to drop.
    bool Clear();

private:
    std::vector<HistoryEntry> entries_;
    int index_ = 0;
    int maxCount_ = 0;
};
