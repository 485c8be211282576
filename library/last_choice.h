// The last choice: which entry the combo selects after a scan, and its rewrite.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "library/entry_list.h"

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
// or none when the last choice is among the entries or there are none. The
// plain version of ChoiceCheck, which the tests hold it to.
std::optional<std::string_view> ChoiceToRewrite(const EntryList& entries,
                                                std::string_view lastChoice);

// The same rule for a scan that keeps no list at all: shown each entry as it
// is found, in file order, it keeps only what the rule needs: a start and a
// change of library need no list (see the window benchmark in
// bench/README.md).
class ChoiceCheck {
  public:
    explicit ChoiceCheck(std::string_view lastChoice);

    // Room for an entry of up to `capacity` bytes; commit() looks at the
    // first `length` bytes written there (as EntryList's reserve and commit).
    char* reserve(std::size_t capacity);
    void commit(std::size_t length);
    void add(std::string_view entry);
    // Takes in the entries of a later part of the file, checked apart.
    void join(const ChoiceCheck& later);

    bool anyEntry() const { return anyEntry_; }
    // What ChoiceToRewrite gives for all the entries shown.
    std::optional<std::string_view> choiceToRewrite() const;

  private:
    std::string lastChoice_;
    std::string written_;
    bool anyEntry_ = false;
    bool lastChoiceListed_ = false;
    std::optional<std::string> first_;  // the entry the combo would list first
};

}  // namespace wrennet
