#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "entry_list.h"

namespace wrennet {

// Which function entry the combo selects after a scan, given [Last] Choice.
struct LastChoiceSelection {
    std::optional<std::size_t> index;  // none: nothing selected
    bool rewriteChoice = false;        // true: write entries[*index] to [Last] Choice
    // The 1-based position the scan reports, 0 when nothing is selected.
    int position() const { return index ? static_cast<int>(*index) + 1 : 0; }
};

// The first entry equal to lastChoice without regard to letter case; otherwise
// the first entry (which then becomes the new last choice); otherwise nothing.
LastChoiceSelection RestoreLastChoice(const EntryList& sortedEntries, std::string_view lastChoice);

// The same rule for entries in file order, where the list is not kept: the
// entry that becomes the new last choice (the one the combo would list first),
// or none when the last choice is among the entries or there are none.
std::optional<std::string_view> ChoiceToRewrite(const EntryList& entries,
                                                std::string_view lastChoice);

}  // namespace wrennet
