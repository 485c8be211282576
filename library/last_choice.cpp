#include "library/last_choice.h"

#include <algorithm>

#include "common/ascii_case.h"
#include "library/entry_sorter.h"

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

ChoiceCheck::ChoiceCheck(std::string_view lastChoice) : lastChoice_(Stored(lastChoice)) {}

char* ChoiceCheck::reserve(std::size_t capacity) {
    if (written_.size() < capacity) written_.resize(capacity);
    return written_.data();
}

void ChoiceCheck::commit(std::size_t length) {
    const std::string_view entry(written_.data(), length);
    anyEntry_ = true;
    if (lastChoiceListed_) return;
    if (EqualIgnoringAsciiCase(entry, lastChoice_)) {
        lastChoiceListed_ = true;
    } else if (!first_ || EntrySorter<EntryList>::Less(entry, *first_)) {
        first_ = entry;
    }
}

void ChoiceCheck::add(std::string_view entry) {
    std::copy(entry.begin(), entry.end(), reserve(entry.size()));
    commit(entry.size());
}

void ChoiceCheck::join(const ChoiceCheck& later) {
    anyEntry_ = anyEntry_ || later.anyEntry_;
    lastChoiceListed_ = lastChoiceListed_ || later.lastChoiceListed_;
    // Ties go to the earlier part, as to the earlier entry.
    if (later.first_ && (!first_ || EntrySorter<EntryList>::Less(*later.first_, *first_))) {
        first_ = later.first_;
    }
}

std::optional<std::string_view> ChoiceCheck::choiceToRewrite() const {
    if (lastChoiceListed_ || !first_) return std::nullopt;
    return *first_;
}

}  // namespace wrennet
