#pragma once

#include "viewer/tightarray.h"

#include <cstddef>
#include <utility>

// Sections are built and laid out one after the other: each grows its runs
// or lines in the block the one before gave back, then keeps a copy of its
// own size, instead of growing a block of its own one doubling at a time.
template <typename T>
class SpareBlock {
public:
    // An empty block with room for at least `least` items.
    static TightArray<T> Take(size_t least)
    {
        TightArray<T> block = std::exchange(Spare(), {});
        block.clear();
        if (block.capacity() < least)
            block.reserve(least);
        return block;
    }
    // Keeps the block for the next one, unless a smaller one is kept
    // already or it is one huge paragraph's, not worth holding for the
    // life of the program.
    static void GiveBack(TightArray<T>&& block)
    {
        constexpr size_t kMostKept = 4096;
        if (block.capacity() <= kMostKept && block.capacity() > Spare().capacity())
            Spare() = std::move(block);
    }

private:
    static TightArray<T>& Spare()
    {
        thread_local TightArray<T> spare;
        return spare;
    }
};
