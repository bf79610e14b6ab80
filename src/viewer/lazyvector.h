#pragma once

#include <memory>
#include <vector>

// A vector that costs one pointer while empty. Most sections have no images
// and no form controls, and a page has thousands of sections.
template <typename T>
class LazyVector {
public:
    LazyVector() = default;
    LazyVector(const LazyVector& other) : items_(other.items_ ? std::make_unique<std::vector<T>>(*other.items_) : nullptr) {}
    LazyVector(LazyVector&&) noexcept = default;
    LazyVector& operator=(LazyVector&&) noexcept = default;

    void push_back(T item)
    {
        if (!items_)
            items_ = std::make_unique<std::vector<T>>();
        items_->push_back(std::move(item));
    }
    size_t size() const { return items_ ? items_->size() : 0; }
    bool empty() const { return size() == 0; }
    T& operator[](size_t i) { return (*items_)[i]; }
    const T& operator[](size_t i) const { return (*items_)[i]; }
    T& back() { return items_->back(); }
    T* begin() { return items_ ? items_->data() : nullptr; }
    T* end() { return items_ ? items_->data() + items_->size() : nullptr; }
    const T* begin() const { return items_ ? items_->data() : nullptr; }
    const T* end() const { return items_ ? items_->data() + items_->size() : nullptr; }

private:
    std::unique_ptr<std::vector<T>> items_;
};
