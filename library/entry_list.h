// EntryList: a scan's function entries, their texts in one buffer.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "library/realloc_array.h"
#include "library/repeat_table.h"

namespace wrennet {

// A scan's function entries: all their texts in one buffer, in the order the
// file gives them, and a list of where each lies, in the order the combo lists
// them. A dense header holds an entry every hundred-odd bytes; a heap string for
// each costs more to make, and later to free in sorted order (scattered across
// the heap), than the whole scan. Here writing is appending, sorting moves only
// the small places, and letting go of the list is two frees. A text written
// again is kept once: the new entry lies on the bytes of the first.
class EntryList {
  public:
    class Iterator {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        Iterator() = default;
        Iterator(const EntryList* list, std::size_t at) : list_(list), at_(at) {}
        std::string_view operator*() const { return (*list_)[at_]; }
        Iterator& operator++() {
            ++at_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++at_;
            return before;
        }
        bool operator==(const Iterator& other) const { return at_ == other.at_; }

      private:
        const EntryList* list_ = nullptr;
        std::size_t at_ = 0;
    };
    using iterator = Iterator;
    using const_iterator = Iterator;
    using value_type = std::string_view;

    EntryList() = default;
    EntryList(std::initializer_list<std::string_view> texts) {
        for (const std::string_view text : texts) add(text);
    }
    EntryList(EntryList&& other) noexcept { *this = std::move(other); }
    EntryList& operator=(EntryList&& other) noexcept {
        bytes_ = std::move(other.bytes_);
        adopted_ = std::move(other.adopted_);
        repeats_ = std::move(other.repeats_);
        places_ = std::move(other.places_);
        return *this;
    }

    std::size_t size() const { return places_.size(); }
    bool empty() const { return places_.empty(); }
    std::string_view operator[](std::size_t i) const {
        const Place& place = places_[i];
        return {(place.adopted ? adopted_ : bytes_).data() + place.offset, place.length};
    }
    // The first entry found to hold exactly the text of entry i (i itself when
    // none was): what a sort has to order once. Not every repeat is found.
    std::uint32_t firstWithText(std::size_t i) const { return places_[i].first; }
    std::string_view front() const { return (*this)[0]; }
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }

    // Room for up to `capacity` bytes after the last text, for a writer that
    // knows only an upper bound of what it will write; close with commit().
    char* reserve(std::size_t capacity) { return bytes_.spaceFor(capacity); }

    // Keeps the first `length` bytes written at reserve() as the next entry.
    void commit(std::size_t length) {
        if (repeats_.looking()) {
            commitUnlessRepeat(length);
            return;
        }
        places_.push_back({bytes_.size(), static_cast<std::uint32_t>(length), false,
                           static_cast<std::uint32_t>(places_.size())});
        bytes_.keep(length);
    }

    // Done writing: no later text is compared with the earlier ones.
    void stopFindingRepeats() { repeats_.giveUp(); }

    void add(std::string_view text) {
        char* const to = reserve(text.size());
        std::copy(text.begin(), text.end(), to);
        commit(text.size());
    }

    // Adds the entries of `other` after these, in its order. The bytes of a
    // list are taken over, not copied (a list scanned on another thread holds
    // megabytes of them); a list that took over bytes once copies any more.
    void append(EntryList&& other) {
        stopFindingRepeats();
        if (adopted_.data() != nullptr || other.adopted_.data() != nullptr) {
            for (const std::string_view text : other) add(text);  // never while scanning
            return;
        }
        adopted_ = std::move(other.bytes_);
        const auto shift = static_cast<std::uint32_t>(places_.size());
        places_.reserve(places_.size() + other.places_.size());
        for (const Place& place : other.places_)
            places_.push_back({place.offset, place.length, true, place.first + shift});
        other = EntryList();
    }

    // Lists the entries in the order given: the new entry i is the old entry
    // order[i]. Repeats are no longer told apart.
    void reorder(const std::vector<std::uint32_t>& order) {
        ReallocArray<Place> reordered;
        reordered.reserve(order.size());
        for (const std::uint32_t from : order) {
            Place place = places_[from];
            place.first = static_cast<std::uint32_t>(reordered.size());
            reordered.push_back(place);
        }
        places_ = std::move(reordered);
    }

    std::vector<std::string> toStrings() const { return {begin(), end()}; }

    friend bool operator==(const EntryList& list, const std::vector<std::string>& texts) {
        return std::equal(list.begin(), list.end(), texts.begin(), texts.end());
    }

  private:
    struct Place {
        std::uint64_t offset;
        std::uint32_t length : 31;
        std::uint32_t adopted : 1;  // in adopted_, not in bytes_
        std::uint32_t first;        // firstWithText()
    };

    void commitUnlessRepeat(std::size_t length) {
        const auto index = static_cast<std::uint32_t>(places_.size());
        const auto size = static_cast<std::uint32_t>(length);
        const std::optional<std::uint32_t> earlier = repeats_.findOrAdd(
            {bytes_.data() + bytes_.size(), length}, index,
            [this](std::uint32_t j) { return (*this)[j]; },
            [this](std::uint32_t i, std::uint32_t j) { places_[i].first = places_[j].first; });
        if (earlier) {
            const Place first = places_[*earlier];
            places_.push_back({first.offset, size, first.adopted, first.first});
            return;
        }
        places_.push_back({bytes_.size(), size, false, index});
        bytes_.keep(length);
    }

    ReallocArray<char> bytes_;
    ReallocArray<char> adopted_;
    ReallocArray<Place> places_;
    RepeatTable repeats_;
};

}  // namespace wrennet
