#include "library/choice_list.h"

#include <algorithm>
#include <unordered_map>

#include "common/ascii_case.h"
#include "library/slot_layout.h"

namespace wrennet {
namespace {

std::string FoldCase(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) c = ToLowerAscii(c);
    return folded;
}

}  // namespace

std::string JoinSelectedItems(const std::vector<std::string>& items,
                              std::vector<std::size_t> selected) {
    std::sort(selected.begin(), selected.end());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    if (selected.size() > kMaxJoinedItems) selected.resize(kMaxJoinedItems);
    std::string value;
    for (const std::size_t index : selected) {
        if (index >= items.size()) continue;
        if (!value.empty()) value.push_back('|');
        value.append(items[index]);
    }
    return value;
}

std::vector<std::size_t> ItemsNamedBy(const std::vector<std::string>& items,
                                      std::string_view entryText) {
    // One pass over the items instead of one per piece: a list of thousands of
    // flags opened on a long entry stays instant.
    std::unordered_map<std::string, std::size_t> firstByFoldedText;
    firstByFoldedText.reserve(items.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        firstByFoldedText.try_emplace(FoldCase(items[i]), i);
    std::vector<std::size_t> named;
    for (const std::string& piece : SplitAt(entryText, '|')) {
        const auto found = firstByFoldedText.find(FoldCase(piece));
        if (found != firstByFoldedText.end()) named.push_back(found->second);
    }
    std::sort(named.begin(), named.end());
    named.erase(std::unique(named.begin(), named.end()), named.end());
    return named;
}

}  // namespace wrennet
