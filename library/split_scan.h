// ScanInHalves: a large library listed on two threads.
#pragma once

#include <cstdint>
#include <string_view>

#include "library/entry_list.h"
#include "library/file_reader.h"
#include "library/last_choice.h"
#include "library/scanner.h"

namespace wrennet {

// Lists the prototypes of a source that can be read at offsets, `size` bytes
// long, on two threads, one for each half, cut just after a line end near the
// middle. The entries come back in file order, exactly as one collector fed
// the whole source would give them: the cut goes after a line that settles
// whether a block comment is open, where there is one; a guess that turns out
// wrong has the second half read again; a NUL that ends the file in the first
// half leaves the second unlisted. Without a line end near the middle, one
// thread reads it all.
//
// See the C headers and ScanHeader/64MB benchmarks in bench/README.md for
// the gain on two cores.
EntryList ScanInHalves(const ByteSource& source, std::uint64_t size, LibraryKind kind);

// The same for a check of the last choice, where no list is kept.
ChoiceCheck CheckInHalves(const ByteSource& source, std::uint64_t size, LibraryKind kind,
                          std::string_view lastChoice);

}  // namespace wrennet
