#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace wrennet {

// The texts of a scan's entries, packed one after the other into blocks, each
// behind its length. A dense header holds an entry every hundred-odd bytes; a
// heap string for each, made while scanning and then moved around while
// sorting, cost more than the scan itself. Packed, they are written once, and
// turned into strings in file order, each block given back as soon as its texts
// are taken, so that the heap hands the same memory out again for the strings.
class EntryTexts {
  public:
    // Room for up to `capacity` bytes (under 64 KiB; entries come from pieces of at most 255 bytes)
    // at the end of the last block, for a writer that knows only an upper bound of what it will
    // write; close with commit().
    char* reserve(std::size_t capacity) {
        if (blockLeft() < kLengthBytes + capacity) {
            const std::size_t size = std::max(kBlockSize, kLengthBytes + capacity);
            blocks_.push_back({std::make_unique_for_overwrite<char[]>(size), size, 0});
        }
        Block& last = blocks_.back();
        return last.bytes.get() + last.used + kLengthBytes;
    }

    // Keeps the first `length` bytes written at reserve() as the next entry.
    void commit(std::size_t length) {
        Block& last = blocks_.back();
        const auto stored = static_cast<std::uint16_t>(length);
        std::memcpy(last.bytes.get() + last.used, &stored, kLengthBytes);
        last.used += kLengthBytes + length;
        ++count_;
    }

    void add(std::string_view text) {
        char* const to = reserve(text.size());
        std::copy(text.begin(), text.end(), to);
        commit(text.size());
    }

    std::size_t size() const { return count_; }

    // Calls take(text) for every text in file order, freeing each block once its
    // texts have been taken; empty afterwards.
    template <class Take>
    void drain(Take take) {
        for (Block& block : blocks_) {
            const char* at = block.bytes.get();
            const char* const end = at + block.used;
            while (at != end) {
                std::uint16_t length = 0;
                std::memcpy(&length, at, kLengthBytes);
                at += kLengthBytes;
                take(std::string_view(at, length));
                at += length;
            }
            block.bytes.reset();
        }
        clear();
    }

    void clear() {
        blocks_.clear();
        count_ = 0;
    }

  private:
    static constexpr std::size_t kLengthBytes = sizeof(std::uint16_t);
    // Below the size the heap serves from fresh mappings, so that a block given
    // back is reused rather than returned to the system.
    static constexpr std::size_t kBlockSize = 64 * 1024;

    struct Block {
        std::unique_ptr<char[]> bytes;
        std::size_t size;
        std::size_t used;
    };

    std::size_t blockLeft() const {
        return blocks_.empty() ? 0 : blocks_.back().size - blocks_.back().used;
    }

    std::vector<Block> blocks_;
    std::size_t count_ = 0;
};

}  // namespace wrennet
