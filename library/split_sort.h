// OrderInTwo and SortedOrder: the function order worked out on two threads.
#pragma once

#include <cstdint>
#include <vector>

#include "library/entry_list.h"

namespace wrennet {

// The order EntrySorter gives, worked out on two threads: a pivot taken from
// a sample splits the entries into those before it and the rest, and each
// thread sorts one part, the entries of a part kept in file order so that
// ties still go by it. One large class of equal texts may leave one part
// with nearly everything; the order is the same, only slower.
//
// See the C headers and window benchmarks in bench/README.md for the gain on
// two cores.
std::vector<std::uint32_t> OrderInTwo(const EntryList& entries);

// The order the function combo lists the entries in (as EntrySorter gives
// it): the texts that repeat are sorted once, each as its first entry, and a
// large list on two threads.
std::vector<std::uint32_t> SortedOrder(const EntryList& entries);

}  // namespace wrennet
