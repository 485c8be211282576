// RepeatTable: notices texts written before while a list is written.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

namespace wrennet {

// Notices, while a list of texts is written, a text written before: the list
// then keeps its bytes once, and the sort orders each text once. Headers repeat
// themselves (the C headers of a Debian system: 165,667 entries, 28,573
// different texts), and a text is cheapest to compare the moment it is written,
// while its bytes are still in the cache.
//
// The first texts are a trial: only their hashes are noted, and at its end the
// table is filled from them, or let go of when few repeat (a generated library
// of distinct names would only pay for it; see the core benchmark
// ScanDenseHeader/6.4MB in bench/README.md).
class RepeatTable {
  public:
    // An entry written before with exactly the bytes of `text`, or nullopt
    // (and `index` is noted as holding them). `textOf(j)` gives entry j's text;
    // `markRepeat(i, j)` tells, at the trial's end, that entry i of the trial
    // repeats entry j.
    template <class TextOf, class MarkRepeat>
    std::optional<std::uint32_t> findOrAdd(std::string_view text, std::uint32_t index,
                                           const TextOf& textOf, const MarkRepeat& markRepeat) {
        if (givenUp_) return std::nullopt;
        if (index < kTrial) {
            if (index == 0) trialHashes_.reserve(kTrial);
            trialHashes_.push_back(Hash(text));
            if (index + 1 == kTrial) endTrial(textOf, markRepeat);
            return std::nullopt;
        }
        // Repeats come in runs, a header copied whole into another: the entry
        // after the last one matched is usually the next match. Asked first,
        // it spares the hash and two reads from anywhere in memory for most
        // repeats (see the C headers benchmark in bench/README.md).
        if (const std::uint32_t next = lastMatch_ + 1; next < index && textOf(next) == text) {
            return lastMatch_ = next;
        }
        const std::uint64_t hash = Hash(text);
        const std::optional<std::uint32_t> earlier = findOrAddHash(hash, index, text, textOf);
        if (earlier) lastMatch_ = *earlier;
        return earlier;
    }

    // Whether new texts are still compared with the earlier ones.
    bool looking() const { return !givenUp_; }

    // Lets the table go: nothing written from now on is compared.
    void giveUp() {
        givenUp_ = true;
        slots_ = {};
        trialHashes_ = {};
    }

  private:
    // Libraries tend to start with their own declarations and repeat those of
    // others later (bench/README.md gives the share for the C headers): the
    // trial is not short, and little repetition is enough.
    static constexpr std::size_t kTrial = 4096;
    // A slot holds the top half of its text's hash beside its entry number plus
    // one, so that a probe reads that entry's bytes only when the hashes agree.
    // The slot is chosen by that half too, so that a larger table is filled
    // without reading the texts again.
    static constexpr std::uint64_t kTag = 0xFFFFFFFF00000000ull;

    static std::uint64_t Hash(std::string_view text) {
        constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
        const auto word = [&text](std::size_t at) {
            std::uint64_t bytes;
            std::memcpy(&bytes, text.data() + at, 8);
            return bytes;
        };
        std::uint64_t hash = text.size();
        const auto mix = [&hash](std::uint64_t bytes) {
            hash = (std::rotl(hash, 29) ^ bytes) * kMultiplier;
        };
        if (text.size() >= 8) {
            for (std::size_t at = 0; at + 8 < text.size(); at += 8) mix(word(at));
            mix(word(text.size() - 8));  // the last eight, overlapping the word before
        } else {
            std::uint64_t bytes = 0;
            for (std::size_t i = 0; i < text.size(); ++i) {
                bytes |= std::uint64_t{static_cast<unsigned char>(text[i])} << (8 * i);
            }
            mix(bytes);
        }
        return hash ^ (hash >> 29);
    }

    template <class TextOf>
    std::optional<std::uint32_t> findOrAddHash(std::uint64_t hash, std::uint32_t index,
                                               std::string_view text, const TextOf& textOf) {
        if ((distinct_ + 1) * 2 > slots_.size()) spread();
        for (std::size_t slot = place(hash);; slot = next(slot)) {
            const std::uint64_t held = slots_[slot];
            if (held == 0) {
                slots_[slot] = (hash & kTag) | (std::uint64_t{index} + 1);
                ++distinct_;
                return std::nullopt;
            }
            const auto heldIndex = static_cast<std::uint32_t>(held - 1);
            if ((held & kTag) == (hash & kTag) && textOf(heldIndex) == text) return heldIndex;
        }
    }

    template <class TextOf, class MarkRepeat>
    void endTrial(const TextOf& textOf, const MarkRepeat& markRepeat) {
        if (!WorthFilling(trialHashes_)) {
            giveUp();
            return;
        }
        for (std::uint32_t i = 0; i < kTrial; ++i) {
            const std::optional<std::uint32_t> earlier =
                findOrAddHash(trialHashes_[i], i, textOf(i), textOf);
            if (earlier) markRepeat(i, *earlier);
        }
        trialHashes_ = {};
    }

    // Whether one text in fifty or more repeats an earlier one, judged by the
    // texts whose hash ends in three zero bits: one text in eight, with all its
    // repeats. Where few repeat, the table is let go of at an eighth of the
    // cost of filling it.
    static bool WorthFilling(const std::vector<std::uint64_t>& hashes) {
        std::vector<std::uint64_t> sample;
        for (const std::uint64_t hash : hashes) {
            if ((hash & 7) == 0) sample.push_back(hash);
        }
        const std::size_t taken = sample.size();
        std::sort(sample.begin(), sample.end());
        const std::size_t distinct =
            static_cast<std::size_t>(std::unique(sample.begin(), sample.end()) - sample.begin());
        return distinct * 50 <= taken * 49;
    }

    std::size_t place(std::uint64_t hash) const {
        return static_cast<std::size_t>(hash >> 32) & (slots_.size() - 1);
    }
    std::size_t next(std::size_t slot) const { return (slot + 1) & (slots_.size() - 1); }

    // Moves the texts noted so far into a table twice as large.
    void spread() {
        std::vector<std::uint64_t> old(std::max<std::size_t>(64, 2 * slots_.size()), 0);
        old.swap(slots_);
        for (const std::uint64_t held : old) {
            if (held == 0) continue;
            std::size_t slot = place(held);
            while (slots_[slot] != 0) slot = next(slot);
            slots_[slot] = held;
        }
    }

    std::vector<std::uint64_t> slots_;
    std::vector<std::uint64_t> trialHashes_;
    std::size_t distinct_ = 0;
    std::uint32_t lastMatch_ = ~std::uint32_t{0};  // the first guess is entry 0
    bool givenUp_ = false;
};

}  // namespace wrennet
