#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace wrennet {

// The texts of a scan's entries, packed one after the other into blocks. A
// dense header holds an entry every hundred-odd bytes; a heap string for each,
// made while scanning and then moved around while sorting, cost more than the
// scan itself. Packed, they are written once, and turned into strings in file
// order, each block given back as soon as its texts are taken, so that the heap
// hands the same memory out again for the strings.
class EntryTexts {
  public:
    // Room for up to `capacity` bytes at the end of the last block, for a writer
    // that knows only an upper bound of what it will write; close with commit().
    char* reserve(std::size_t capacity) {
        if (blockLeft_ < capacity) {
            const std::size_t size = std::max(kBlockSize, capacity);
            blocks_.push_back({std::make_unique_for_overwrite<char[]>(size), size});
            next_ = blocks_.back().bytes.get();
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

    // Calls take(text) for every text in file order, freeing each block once its
    // texts have been taken; empty afterwards.
    template <class Take>
    void drain(Take take) {
        std::size_t block = 0;
        for (const std::string_view text : texts_) {
            while (text.data() < blocks_[block].bytes.get() ||
                   text.data() + text.size() > blocks_[block].bytes.get() + blocks_[block].size) {
                blocks_[block++].bytes.reset();
            }
            take(text);
        }
        clear();
    }

    void clear() {
        texts_.clear();
        blocks_.clear();
        next_ = nullptr;
        blockLeft_ = 0;
    }

  private:
    // Below the size the heap serves from fresh mappings, so that a block given
    // back is reused rather than returned to the system.
    static constexpr std::size_t kBlockSize = 64 * 1024;

    struct Block {
        std::unique_ptr<char[]> bytes;
        std::size_t size;
    };

    std::vector<Block> blocks_;
    std::vector<std::string_view> texts_;
    char* next_ = nullptr;
    std::size_t blockLeft_ = 0;
};

}  // namespace wrennet
