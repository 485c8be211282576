#include "last_choice.h"

#include <algorithm>

#include "common/ascii_case.h"

namespace wrennet {
namespace {

// The settings file hands back at most this many characters of [Last] Choice.
constexpr std::size_t kMaxStoredChoice = 9999;

}  // namespace

LastChoiceSelection RestoreLastChoice(const EntryList& sortedEntries, std::string_view lastChoice) {
    lastChoice = lastChoice.substr(0, std::min(lastChoice.size(), kMaxStoredChoice));
    LastChoiceSelection selection;
    for (std::size_t i = 0; i < sortedEntries.size(); ++i) {
        if (EqualIgnoringAsciiCase(sortedEntries[i], lastChoice)) {
            selection.index = i;
            return selection;
        }
    }
    if (!sortedEntries.empty()) {
        selection.index = 0;
        selection.rewriteChoice = true;
    }
    return selection;
}

}  // namespace wrennet
