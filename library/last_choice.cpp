#include "last_choice.h"

#include <algorithm>

#include "common/ascii_case.h"
#include "entry_sorter.h"

namespace wrennet {
namespace {

// The settings file hands back at most this many characters of [Last] Choice.
constexpr std::size_t kMaxStoredChoice = 9999;

std::string_view Stored(std::string_view lastChoice) {
    return lastChoice.substr(0, std::min(lastChoice.size(), kMaxStoredChoice));
}

}  // namespace

LastChoiceSelection RestoreLastChoice(const EntryList& sortedEntries, std::string_view lastChoice) {
    lastChoice = Stored(lastChoice);
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

std::optional<std::string_view> ChoiceToRewrite(const EntryList& entries,
                                                std::string_view lastChoice) {
    lastChoice = Stored(lastChoice);
    std::optional<std::string_view> first;
    for (const std::string_view entry : entries) {
        if (EqualIgnoringAsciiCase(entry, lastChoice)) return std::nullopt;
        if (!first || EntrySorter<EntryList>::Less(entry, *first)) first = entry;
    }
    return first;
}

}  // namespace wrennet
