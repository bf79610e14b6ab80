#include "viewer/sectionstore.h"

#include <algorithm>
#include <cstdint>

namespace {

// Blocks start small, so a short page holds little it does not use, and
// double up to this.
constexpr size_t kFirstBlockBytes = 4 * 1024;
constexpr size_t kLargestBlockBytes = 64 * 1024;

} // namespace

void* SectionStore::AllocateBytes(size_t bytes, size_t alignment)
{
    size_t padding = (alignment - reinterpret_cast<uintptr_t>(next_) % alignment) % alignment;
    if (bytes + padding > left_) {
        if (bytes > kLargestBlockBytes / 4) {
            // One huge paragraph gets a block of its own; the current block
            // goes on serving the small ones.
            blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(bytes));
            return blocks_.back().get();
        }
        nextBlockBytes_ = std::clamp(nextBlockBytes_ * 2, kFirstBlockBytes, kLargestBlockBytes);
        blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(nextBlockBytes_));
        next_ = blocks_.back().get();
        left_ = nextBlockBytes_;
        padding = 0;   // a new block is aligned for anything
    }
    std::byte* at = next_ + padding;
    next_ = at + bytes;
    left_ -= padding + bytes;
    return at;
}

void SectionStore::Clear()
{
    blocks_.clear();
    next_ = nullptr;
    left_ = 0;
    nextBlockBytes_ = 0;
}
