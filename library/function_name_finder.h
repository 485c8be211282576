#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "library/entry_list.h"

namespace wrennet {

// The function's own name in a list entry: the word in front of the first
// "(". An entry without one is all name.
std::string_view FunctionNameOf(std::string_view entry);

// Narrows a function list to the entries whose function name holds the typed
// text, letter case of ASCII letters aside. Typing goes one character at a
// time, so each narrowing starts from the entries the text typed so far kept
// rather than from the whole list; Backspace goes back to what was kept then.
class FunctionNameFinder {
  public:
    // `entries` must outlive the finder and stay as it is.
    explicit FunctionNameFinder(const EntryList& entries) : entries_(entries) {}

    // The positions in the list, in list order, of the entries whose name
    // holds `typed`; every entry for an empty text.
    const std::vector<std::uint32_t>& narrow(std::string_view typed);

  private:
    struct Step {
        std::string typed;
        std::vector<std::uint32_t> kept;
    };

    void findNames();

    const EntryList& entries_;
    // Where each entry's name starts and how long it is, found once.
    std::vector<std::uint32_t> nameStarts_;
    std::vector<std::uint16_t> nameLengths_;
    std::vector<Step> steps_;
    std::vector<std::uint32_t> all_;
};

}  // namespace wrennet
