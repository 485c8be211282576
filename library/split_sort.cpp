#include "split_sort.h"

#include <algorithm>
#include <future>
#include <string_view>

#include "entry_sorter.h"

namespace wrennet {
namespace {

// Some of the entries, in file order, as a list of their own for the sorter.
struct Part {
    const EntryList& entries;
    std::vector<std::uint32_t> members;

    std::size_t size() const { return members.size(); }
    std::string_view operator[](std::size_t i) const { return entries[members[i]]; }
};

// The middle of an even sample of the entries, in sorted order.
std::string_view Pivot(const EntryList& entries) {
    constexpr std::size_t kSample = 255;
    std::vector<std::string_view> sample;
    const std::size_t step = std::max<std::size_t>(1, entries.size() / kSample);
    for (std::size_t i = 0; i < entries.size(); i += step) sample.push_back(entries[i]);
    const auto middle = sample.begin() + static_cast<std::ptrdiff_t>(sample.size() / 2);
    std::nth_element(sample.begin(), middle, sample.end(), EntrySorter<EntryList>::Less);
    return *middle;
}

// The entries on one side of the pivot, in sorted order.
std::vector<std::uint32_t> SortedSide(const EntryList& entries, std::string_view pivot,
                                      bool before) {
    Part part{entries, {}};
    for (std::uint32_t i = 0; i < entries.size(); ++i) {
        if (EntrySorter<EntryList>::Less(entries[i], pivot) == before) part.members.push_back(i);
    }
    std::vector<std::uint32_t> order = EntrySorter<Part>(part).order();
    for (std::uint32_t& at : order) at = part.members[at];
    return order;
}

}  // namespace

std::vector<std::uint32_t> OrderInTwo(const EntryList& entries) {
    if (entries.empty()) return {};
    const std::string_view pivot = Pivot(entries);
    auto after = std::async(std::launch::async, [&] { return SortedSide(entries, pivot, false); });
    std::vector<std::uint32_t> order = SortedSide(entries, pivot, true);
    const std::vector<std::uint32_t> rest = after.get();
    order.insert(order.end(), rest.begin(), rest.end());
    return order;
}

}  // namespace wrennet
