#pragma once

#include <cstddef>
#include <memory>
#include <type_traits>
#include <vector>

// Where a document's finished sections keep what no longer changes: their
// text, font runs and source runs. Blocks are handed out in order and all
// freed at once with the document; a block of its own for each of these in
// every section cost a page tens of thousands of allocations and their
// headers. What is kept here stays put until Clear.
class SectionStore {
public:
    SectionStore() = default;
    SectionStore(const SectionStore&) = delete;
    SectionStore& operator=(const SectionStore&) = delete;

    // Room for `count` items of T (plain records, copied in).
    template <typename T>
    T* Allocate(size_t count)
    {
        static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);
        return static_cast<T*>(AllocateBytes(count * sizeof(T), alignof(T)));
    }
    // Everything handed out goes: nothing may point into the store any more.
    void Clear();

private:
    void* AllocateBytes(size_t bytes, size_t alignment);

    std::vector<std::unique_ptr<std::byte[]>> blocks_;
    std::byte* next_ = nullptr;
    size_t left_ = 0;
    size_t nextBlockBytes_ = 0;
};
