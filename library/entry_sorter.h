#pragma once

#include <algorithm>
#include <array>
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
// string comparisons slow, so the sorter holds 16 folded bytes of each text in
// its key and goes 16 bytes deeper only within a group that is still tied.
// Large groups are split byte by byte into buckets, in place (a radix sort whose
// cost grows with the number of entries, not with entries times their logarithm,
// so that a library ten times as large takes about ten times as long); groups
// small enough to sit in the cache are sorted by comparison. `Entries` is any
// indexable list of texts; it must outlive the sorter.
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
        if (!keys_.empty()) pending_.push_back({0, keys_.size(), 0, 0, true});
        while (!pending_.empty()) {
            const Group group = pending_.back();
            pending_.pop_back();
            sortGroup(group);
        }
        std::vector<std::uint32_t> indices;
        indices.reserve(keys_.size());
        for (const Key& key : keys_) indices.push_back(key.index);
        return indices;
    }

  private:
    static constexpr std::size_t kChunk = 8;
    static constexpr std::size_t kKeyBytes = 2 * kChunk;
    // One digit per byte of the key and one for "goes on past the key", each
    // 1 + the byte; 0 stands for "the text has ended", which sorts first.
    static constexpr std::size_t kDigits = 257;
    // Below this size a comparison sort within the cache beats another pass
    // over the bucket counts.
    static constexpr std::size_t kSmallGroup = 64;

    struct Key {
        std::uint64_t high;  // folded bytes [depth, depth + 8), big-endian, zero-padded
        std::uint64_t low;   // folded bytes [depth + 8, depth + 16), the same way
        // The text itself rather than its entry number, so that going deeper
        // within a tied group reads it without looking up the entry first.
        const char* text;
        std::uint32_t size;
        std::uint32_t index;  // position in the file, the final tie-break
    };

    // Keys [begin, end) agree in their texts' first `depth + byte` folded bytes.
    // Unless `load` is set, their keys hold the texts from `depth`.
    struct Group {
        std::size_t begin;
        std::size_t end;
        std::size_t depth;
        std::size_t byte;
        bool load;
    };

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
        // Fold all eight bytes at once: a byte is upper case when its low seven
        // bits lie in 'A'..'Z' and its top bit is clear.
        constexpr std::uint64_t kOnes = 0x0101010101010101ull;
        const std::uint64_t low7 = bytes & (0x7F * kOnes);
        const std::uint64_t fromA = low7 + (0x80 - 'A') * kOnes;
        const std::uint64_t pastZ = low7 + (0x80 - 'Z' - 1) * kOnes;
        const std::uint64_t upper = fromA & ~pastZ & ~bytes & (0x80 * kOnes);
        return __builtin_bswap64(bytes | (upper >> 2));
    }

    void load(Key& key, std::size_t depth) const {
        const std::string_view text(key.text, key.size);
        key.high = FoldedChunk(text, depth);
        key.low = FoldedChunk(text, depth + kChunk);
    }

    // The bytes of `key`'s text from `depth`, capped at 17 ("goes on past the
    // key"): a shorter text sorts before a longer one that agrees with it so
    // far, even when the longer one goes on with zero bytes.
    static std::size_t Width(const Key& key, std::size_t depth) {
        return std::min<std::size_t>(key.size - depth, kKeyBytes + 1);
    }

    // The bucket of `key` by its byte `byte` (0..16): 0 once the text has ended,
    // otherwise 1 + the folded byte (the byte past the key reads as 0).
    static std::size_t Digit(const Key& key, std::size_t depth, std::size_t byte) {
        if (depth + byte >= key.size) return 0;
        const std::uint64_t word = byte < kChunk ? key.high : key.low;
        const std::size_t shift = 8 * (kChunk - 1 - byte % kChunk);
        return byte >= kKeyBytes ? 1 : ((word >> shift) & 0xFF) + 1;
    }

    static bool SameKey(const Key& a, const Key& b, std::size_t depth) {
        return a.high == b.high && a.low == b.low && Width(a, depth) == Width(b, depth);
    }

    Key* at(std::size_t position) { return keys_.data() + position; }

    void sortGroup(Group group) {
        if (group.load) loadGroup(group);
        if (group.end - group.begin > kSmallGroup) group.byte = sharedBytes(group);
        while (group.end - group.begin > kSmallGroup) {
            if (group.byte > kKeyBytes) {
                // All go on past these 16 bytes and agree in them.
                pending_.push_back({group.begin, group.end, group.depth + kKeyBytes, 0, true});
                return;
            }
            if (!splitByByte(group)) {
                ++group.byte;
                continue;
            }
            return;
        }
        sortSmallGroup(group);
    }

    // How many bytes of the key all texts of the group share (at least
    // `group.byte`): passes over bytes that split nothing are skipped at once.
    std::size_t sharedBytes(const Group& group) const {
        const Key& first = keys_[group.begin];
        std::uint64_t highDiffers = 0;
        std::uint64_t lowDiffers = 0;
        std::size_t shortest = first.size;
        for (std::size_t i = group.begin + 1; i < group.end; ++i) {
            highDiffers |= keys_[i].high ^ first.high;
            lowDiffers |= keys_[i].low ^ first.low;
            shortest = std::min<std::size_t>(shortest, keys_[i].size);
        }
        const std::size_t sameBytes = highDiffers != 0 ? std::countl_zero(highDiffers) / 8
                                                       : kChunk + std::countl_zero(lowDiffers) / 8;
        // countl_zero(0) is 64, so equal keys give 16 bytes.
        return std::max(group.byte, std::min(sameBytes, shortest - group.depth));
    }

    void loadGroup(const Group& group) {
        // Below the first level the texts are read in a scattered order: ask for
        // each a few keys ahead.
        constexpr std::size_t kAhead = 8;
        for (std::size_t i = group.begin; i < group.end; ++i) {
            if (i + kAhead < group.end) __builtin_prefetch(keys_[i + kAhead].text + group.depth);
            load(keys_[i], group.depth);
        }
    }

    // Moves the keys into buckets by their byte `group.byte` and queues each
    // bucket that is still tied; false (nothing moved) when all share the byte.
    bool splitByByte(const Group& group) {
        counts_.fill(0);
        for (std::size_t i = group.begin; i < group.end; ++i)
            ++counts_[Digit(keys_[i], group.depth, group.byte)];
        const std::size_t size = group.end - group.begin;
        if (counts_[Digit(keys_[group.begin], group.depth, group.byte)] == size) {
            if (Digit(keys_[group.begin], group.depth, group.byte) != 0) return false;
            // All ended here: the texts are equal, file order decides.
            SortByFileOrder(at(group.begin), at(group.end));
            return true;
        }
        std::size_t next = group.begin;
        for (std::size_t digit = 0; digit < kDigits; ++digit) {
            heads_[digit] = next;
            next += counts_[digit];
            ends_[digit] = next;
        }
        // Each key goes straight to the next free place of its bucket, taking
        // the key found there on to its own bucket, until the bucket is full.
        for (std::size_t digit = 0; digit < kDigits; ++digit) {
            while (heads_[digit] < ends_[digit]) {
                Key held = keys_[heads_[digit]];
                for (std::size_t home = Digit(held, group.depth, group.byte); home != digit;
                     home = Digit(held, group.depth, group.byte)) {
                    std::swap(held, keys_[heads_[home]++]);
                }
                keys_[heads_[digit]++] = held;
            }
        }
        std::size_t begin = group.begin;
        for (std::size_t digit = 0; digit < kDigits; ++digit) {
            const std::size_t end = begin + counts_[digit];
            if (end - begin > 1) {
                // The split does not keep file order: texts that ended are
                // equal and put back in it; the others get it back from deeper
                // bytes or the final tie-break.
                if (digit == 0) {
                    SortByFileOrder(at(begin), at(end));
                } else {
                    pending_.push_back({begin, end, group.depth, group.byte + 1, false});
                }
            }
            begin = end;
        }
        return true;
    }

    static void SortByFileOrder(Key* first, Key* last) {
        std::sort(first, last, [](const Key& a, const Key& b) { return a.index < b.index; });
    }

    void sortSmallGroup(const Group& group) {
        const std::size_t depth = group.depth;
        std::sort(at(group.begin), at(group.end), [depth](const Key& a, const Key& b) {
            if (a.high != b.high) return a.high < b.high;
            if (a.low != b.low) return a.low < b.low;
            const std::size_t widthA = Width(a, depth);
            const std::size_t widthB = Width(b, depth);
            if (widthA != widthB) return widthA < widthB;
            return a.index < b.index;
        });
        // Texts that go on past these 16 bytes and agree in them are still tied.
        std::size_t tied = group.begin;
        while (tied < group.end) {
            std::size_t next = tied + 1;
            while (next < group.end && SameKey(keys_[next], keys_[tied], depth)) ++next;
            if (next - tied > 1 && Width(keys_[tied], depth) > kKeyBytes) {
                pending_.push_back({tied, next, group.depth + kKeyBytes, 0, true});
            }
            tied = next;
        }
    }

    std::vector<Key> keys_;
    std::vector<Group> pending_;  // groups still to be sorted, worked off last first
    std::array<std::size_t, kDigits> counts_{};
    std::array<std::size_t, kDigits> heads_{};
    std::array<std::size_t, kDigits> ends_{};
};

}  // namespace wrennet
