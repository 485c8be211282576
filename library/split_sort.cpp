#include "library/split_sort.h"

#include <algorithm>
#include <future>
#include <string_view>

#include "common/start_async.h"
#include "library/entry_sorter.h"

namespace wrennet {
namespace {

// Some of the entries, in file order, as a list of their own for the sorter.
struct Part {
    const EntryList& entries;
    std::vector<std::uint32_t> members;

    std::size_t size() const { return members.size(); }
    std::string_view operator[](std::size_t i) const { return entries[members[i]]; }
};

// The order of a part's members, as entry numbers.
std::vector<std::uint32_t> SortedMembers(const Part& part) {
    std::vector<std::uint32_t> order = EntrySorter<Part>(part).order();
    for (std::uint32_t& at : order) at = part.members[at];
    return order;
}

// The middle of an even sample of the part, in sorted order.
std::string_view Pivot(const Part& part) {
    constexpr std::size_t kSample = 255;
    std::vector<std::string_view> sample;
    const std::size_t step = std::max<std::size_t>(1, part.size() / kSample);
    for (std::size_t i = 0; i < part.size(); i += step) sample.push_back(part[i]);
    const auto middle = sample.begin() + static_cast<std::ptrdiff_t>(sample.size() / 2);
    std::nth_element(sample.begin(), middle, sample.end(), EntrySorter<EntryList>::Less);
    return *middle;
}

// The members on one side of the pivot, in sorted order.
std::vector<std::uint32_t> SortedSide(const Part& part, std::string_view pivot, bool before) {
    Part side{part.entries, {}};
    for (const std::uint32_t i : part.members) {
        if (EntrySorter<EntryList>::Less(part.entries[i], pivot) == before)
            side.members.push_back(i);
    }
    return SortedMembers(side);
}

std::vector<std::uint32_t> SortedInTwo(const Part& part) {
    if (part.size() == 0) return {};
    const std::string_view pivot = Pivot(part);
    auto after = StartAsync([&] { return SortedSide(part, pivot, false); });
    std::vector<std::uint32_t> order = SortedSide(part, pivot, true);
    const std::vector<std::uint32_t> rest = after.get();
    order.insert(order.end(), rest.begin(), rest.end());
    return order;
}

std::vector<std::uint32_t> Sorted(const Part& part) {
    // Below this many texts a second thread costs about what it saves.
    constexpr std::size_t kWorthTwoThreads = 1 << 14;
    return part.size() < kWorthTwoThreads ? SortedMembers(part) : SortedInTwo(part);
}

// Places every entry behind the first entry of its text, once those are
// sorted: entries that compare equal (the same text, or texts that differ
// only in letter case) form one class, listed in file order.
std::vector<std::uint32_t> OrderByFirsts(const EntryList& entries,
                                         const std::vector<std::uint32_t>& sortedFirsts) {
    std::vector<std::uint32_t> classOf(entries.size());
    std::uint32_t classes = 0;
    for (std::size_t k = 0; k < sortedFirsts.size(); ++k) {
        if (k > 0 &&
            EntrySorter<EntryList>::Less(entries[sortedFirsts[k - 1]], entries[sortedFirsts[k]])) {
            ++classes;
        }
        classOf[sortedFirsts[k]] = classes;
    }
    std::vector<std::uint32_t> placeOf(classes + 2, 0);
    for (std::size_t i = 0; i < entries.size(); ++i)
        ++placeOf[classOf[entries.firstWithText(i)] + 1];
    for (std::size_t c = 1; c < placeOf.size(); ++c) placeOf[c] += placeOf[c - 1];
    std::vector<std::uint32_t> order(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        order[placeOf[classOf[entries.firstWithText(i)]]++] = static_cast<std::uint32_t>(i);
    }
    return order;
}

}  // namespace

std::vector<std::uint32_t> OrderInTwo(const EntryList& entries) {
    Part all{entries, std::vector<std::uint32_t>(entries.size())};
    for (std::uint32_t i = 0; i < all.members.size(); ++i) all.members[i] = i;
    return SortedInTwo(all);
}

// Only the first of equal texts is sorted: in large libraries most entries
// repeat an earlier text (see the C headers benchmark in bench/README.md).
std::vector<std::uint32_t> SortedOrder(const EntryList& entries) {
    Part firsts{entries, {}};
    for (std::uint32_t i = 0; i < entries.size(); ++i) {
        if (entries.firstWithText(i) == i) firsts.members.push_back(i);
    }
    if (firsts.size() == entries.size()) return Sorted(firsts);
    return OrderByFirsts(entries, Sorted(firsts));
}

}  // namespace wrennet
