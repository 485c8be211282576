// EntrySorter: function entries in the order the function combo lists them.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace wrennet {

// Orders function entries as the function combo lists them: ascending by bytes
// (unsigned) with ASCII letters folded to lower case; entries that compare equal
// keep their file order.
//
// Entries of one library tend to share long prefixes ("int Port..."), which makes
// string comparisons slow, so the sorter works on 16 folded bytes at a time held
// in the key itself, sorting by plain integers and going 16 bytes deeper only
// within a group that is still tied. `Entries` is any indexable list of texts; it must outlive the
// sorter.
template <class Entries>
class EntrySorter {
    static_assert(std::endian::native == std::endian::little,
                  "keys are built from little-endian loads");

  public:
    explicit EntrySorter(const Entries& entries) : keys_(entries.size()) {
        for (std::size_t i = 0; i < keys_.size(); ++i) {
            const std::string_view text = entries[i];
            keys_[i].text = text.data();
            keys_[i].size = static_cast<std::uint32_t>(text.size());
            keys_[i].index = static_cast<std::uint32_t>(i);
        }
    }

    // Entry numbers (positions in file order) in the combo's order.
    std::vector<std::uint32_t> order() {
        sortRange(0, keys_.size(), 0);
        std::vector<std::uint32_t> indices;
        indices.reserve(keys_.size());
        for (const Key& key : keys_) indices.push_back(key.index);
        return indices;
    }

    // Whether `a` comes before `b` in that order, file order aside: for joining
    // lists sorted apart.
    static bool Less(std::string_view a, std::string_view b) {
        const std::size_t longer = std::max(a.size(), b.size());
        for (std::size_t at = 0; at < longer; at += kChunk) {
            const std::uint64_t x = FoldedChunk(a, at);
            const std::uint64_t y = FoldedChunk(b, at);
            if (x != y) return x < y;
        }
        return a.size() < b.size();  // the rest of the longer one: zero bytes
    }

  private:
    static constexpr std::size_t kChunk = 8;
    static constexpr std::size_t kKeyBytes = 2 * kChunk;

    // 32 bytes, so that the sort moves little.
    struct Key {
        std::uint64_t high;  // folded bytes [depth, depth + 8), big-endian, zero-padded
        std::uint64_t low;   // folded bytes [depth + 8, depth + 16), the same way
        // The text itself rather than its entry number, so that going deeper
        // within a tied group reads it without looking up the entry first.
        const char* text;
        std::uint32_t size;
        std::uint32_t index;  // position in the file, the final tie-break
    };

    // Bytes left from depth, capped at 17 ("goes on past the key"): a shorter
    // text sorts before a longer one that agrees with it so far, even when the
    // longer one goes on with zero bytes.
    static std::uint32_t Width(const Key& key, std::size_t depth) {
        return static_cast<std::uint32_t>(std::min<std::size_t>(key.size - depth, kKeyBytes + 1));
    }

    // Eight bytes with their ASCII letters folded to lower case: a byte is upper
    // case when its low seven bits lie in 'A'..'Z' and its top bit is clear.
    static std::uint64_t FoldEight(std::uint64_t bytes) {
        constexpr std::uint64_t kOnes = 0x0101010101010101ull;
        const std::uint64_t low7 = bytes & (0x7F * kOnes);
        const std::uint64_t fromA = low7 + (0x80 - 'A') * kOnes;
        const std::uint64_t pastZ = low7 + (0x80 - 'Z' - 1) * kOnes;
        const std::uint64_t upper = fromA & ~pastZ & ~bytes & (0x80 * kOnes);
        return bytes | (upper >> 2);
    }

    // Up to 8 bytes of `text` from `from`, letters folded to lower case,
    // big-endian and zero-padded, so that integer order is byte order.
    static std::uint64_t FoldedChunk(std::string_view text, std::size_t from) {
        if (from >= text.size()) return 0;
        const std::size_t take = std::min(text.size() - from, kChunk);
        std::uint64_t bytes = 0;  // little-endian host: byte 0 lowest
        if (take == kChunk) {
            std::memcpy(&bytes, text.data() + from, kChunk);
        } else {
            // Put together byte by byte: a short copy into `bytes` would stall
            // the load that reads it back.
            for (std::size_t i = 0; i < take; ++i) {
                bytes |= std::uint64_t{static_cast<unsigned char>(text[from + i])} << (8 * i);
            }
        }
        return __builtin_bswap64(FoldEight(bytes));
    }

    void load(Key& key, std::size_t depth) const {
        const std::string_view text(key.text, key.size);
        key.high = FoldedChunk(text, depth);
        key.low = FoldedChunk(text, depth + kChunk);
    }

    static bool SameKey(const Key& a, const Key& b, std::size_t depth) {
        return a.high == b.high && a.low == b.low && Width(a, depth) == Width(b, depth);
    }

    // How many bytes from `depth` all texts of the range share (without regard
    // to case): the sort goes straight past them. Generated libraries often
    // name every function alike ("int Function000123(...)"): keys that start
    // after the shared part settle most of the order in one sort, where keys
    // that hold it leave large tied groups for going deeper (see the window
    // benchmark in bench/README.md).
    std::size_t SharedBytes(std::size_t begin, std::size_t end, std::size_t depth) const {
        const Key& first = keys_[begin];
        const std::string_view firstText(first.text, first.size);
        std::size_t shared = first.size - depth;
        for (std::size_t i = begin + 1; i < end && shared != 0; ++i) {
            const Key& key = keys_[i];
            const std::string_view text(key.text, key.size);
            shared = std::min<std::size_t>(shared, key.size - depth);
            for (std::size_t at = 0; at < shared; at += kChunk) {
                const std::uint64_t differ =
                    FoldedChunk(text, depth + at) ^ FoldedChunk(firstText, depth + at);
                if (differ != 0) {
                    shared = std::min<std::size_t>(
                        shared, at + static_cast<std::size_t>(__builtin_clzll(differ)) / 8);
                    break;
                }
            }
        }
        return shared;
    }

    void sortRange(std::size_t begin, std::size_t end, std::size_t depth) {
        if (end - begin < 2) return;
        // Only the whole list: in a tied group below it the texts lie scattered,
        // and reading them once more cost more than it saved.
        if (depth == 0) depth = SharedBytes(begin, end, 0);
        // Below the first level the texts are read in a scattered order: ask for
        // each a few keys ahead.
        constexpr std::size_t kAhead = 8;
        for (std::size_t i = begin; i < end; ++i) {
            if (i + kAhead < end) __builtin_prefetch(keys_[i + kAhead].text + depth);
            load(keys_[i], depth);
        }
        const auto first = keys_.begin() + static_cast<std::ptrdiff_t>(begin);
        const auto last = keys_.begin() + static_cast<std::ptrdiff_t>(end);
        std::sort(first, last, [depth](const Key& a, const Key& b) {
            if (a.high != b.high) return a.high < b.high;
            if (a.low != b.low) return a.low < b.low;
            const std::uint32_t widthA = Width(a, depth);
            const std::uint32_t widthB = Width(b, depth);
            if (widthA != widthB) return widthA < widthB;
            return a.index < b.index;
        });
        // Texts that go on past these 16 bytes and agree in them are still tied.
        std::size_t group = begin;
        while (group < end) {
            std::size_t next = group + 1;
            while (next < end && SameKey(keys_[next], keys_[group], depth)) ++next;
            if (next - group > 1 && Width(keys_[group], depth) > kKeyBytes) {
                sortRange(group, next, depth + kKeyBytes);
            }
            group = next;
        }
    }

    std::vector<Key> keys_;
};

}  // namespace wrennet
