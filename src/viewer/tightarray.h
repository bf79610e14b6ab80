#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>
#include <utility>

// A growable array of plain records in 16 bytes where std::vector takes 24:
// every text section keeps two (its font runs and its lines) and a page has
// thousands of sections. No section holds four billion of either.
// It may also show items kept elsewhere (a document's SectionStore, with a
// capacity of 0): it never frees those, and copies them out before it grows.
template <typename T>
class TightArray {
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

public:
    TightArray() = default;
    TightArray(const TightArray& other) { Reallocate(other.size_, other.begin(), other.size_); }
    TightArray(TightArray&& other) noexcept
        : items_(std::exchange(other.items_, nullptr)), size_(std::exchange(other.size_, 0)),
          capacity_(std::exchange(other.capacity_, 0))
    {
    }
    TightArray& operator=(TightArray other) noexcept
    {
        std::swap(items_, other.items_);
        std::swap(size_, other.size_);
        std::swap(capacity_, other.capacity_);
        return *this;
    }
    ~TightArray() { Release(); }

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    size_t capacity() const { return capacity_; }
    T* data() { return items_; }
    const T* data() const { return items_; }
    T* begin() { return items_; }
    T* end() { return items_ + size_; }
    const T* begin() const { return items_; }
    const T* end() const { return items_ + size_; }
    T& operator[](size_t i) { return items_[i]; }
    const T& operator[](size_t i) const { return items_[i]; }
    T& front() { return items_[0]; }
    const T& front() const { return items_[0]; }
    T& back() { return items_[size_ - 1]; }
    const T& back() const { return items_[size_ - 1]; }

    void clear() { size_ = 0; }
    void erase(T* first, T* last)
    {
        std::copy(last, end(), first);
        size_ -= uint32_t(last - first);
    }
    void reserve(size_t least)
    {
        if (least > capacity_)
            Reallocate(std::max<size_t>(least, size_), items_, size_);
    }
    void push_back(const T& item)
    {
        if (size_ >= capacity_)
            Reallocate(std::max({size_t(4), size_t(capacity_) * 2, size_t(size_) + 1}), items_, size_);
        std::construct_at(items_ + size_, item);
        ++size_;
    }
    // Takes a copy of first..last, in a block of their own size unless the
    // one held already fits them closely (a relayout gives a section about
    // as many lines as the one before).
    void AssignTight(const T* first, const T* last)
    {
        const size_t count = size_t(last - first);
        if (capacity_ < count || capacity_ > count + count / 4)
            Reallocate(count, first, count);
        else {
            std::copy(first, last, items_);
            size_ = uint32_t(count);
        }
    }

    // Shows the `count` items at `items`, kept elsewhere for as long as
    // this shows them.
    void ShowKeptElsewhere(T* items, size_t count)
    {
        Release();
        items_ = items;
        size_ = uint32_t(count);
        capacity_ = 0;
    }

private:
    // A new block of `room` items holding the `count` items from `from`.
    void Reallocate(size_t room, const T* from, size_t count)
    {
        T* block = room > 0 ? std::allocator<T>().allocate(room) : nullptr;
        if (count > 0)
            std::memcpy(static_cast<void*>(block), from, count * sizeof(T));
        Release();
        items_ = block;
        size_ = uint32_t(count);
        capacity_ = uint32_t(room);
    }
    void Release()
    {
        if (capacity_ > 0)
            std::allocator<T>().deallocate(items_, capacity_);
        items_ = nullptr;
    }

    T* items_ = nullptr;
    uint32_t size_ = 0;
    uint32_t capacity_ = 0;
};
