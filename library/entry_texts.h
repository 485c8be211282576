#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace wrennet {

// The texts of a scan's entries, packed one after the other into large blocks.
// A dense header holds an entry every hundred-odd bytes; giving each its own heap
// string while scanning, then moving it around while sorting, cost more than the
// scan itself. Packed, they are written once, read in order when the sort keys
// are built, and become strings only once, already in sorted order.
class EntryTexts {
  public:
    // Room for up to `capacity` bytes at the end of the last block, for a writer
    // that knows only an upper bound of what it will write; close with commit().
    char* reserve(std::size_t capacity) {
        if (blockLeft_ < capacity) {
            const std::size_t size = std::max(kBlockSize, capacity);
            blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
            next_ = blocks_.back().get();
            blockLeft_ = size;
        }
        return next_;
    }

    // Keeps the first `length` bytes written at reserve() as the next entry.
    void commit(std::size_t length) {
        texts_.emplace_back(next_, length);
        next_ += length;
        blockLeft_ -= length;
    }

    void add(std::string_view text) {
        char* const to = reserve(text.size());
        std::copy(text.begin(), text.end(), to);
        commit(text.size());
    }

    std::size_t size() const { return texts_.size(); }
    std::string_view operator[](std::size_t index) const { return texts_[index]; }

    void clear() {
        texts_.clear();
        blocks_.clear();
        next_ = nullptr;
        blockLeft_ = 0;
    }

  private:
    static constexpr std::size_t kBlockSize = 1 << 20;

    std::vector<std::unique_ptr<char[]>> blocks_;
    std::vector<std::string_view> texts_;
    char* next_ = nullptr;
    std::size_t blockLeft_ = 0;
};

}  // namespace wrennet
