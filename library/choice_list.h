// Flag lists: a value text's "|" pieces offered, the selection joined again.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wrennet {

// A flag set is offered as a list of its "|" pieces; the user's selection comes
// back joined with "|". Only the first this many selected items count.
inline constexpr std::size_t kMaxJoinedItems = 32;

// The value a choice list leaves when the focus leaves it: the texts of the
// first 32 selected items in list order (whatever order they were clicked in),
// each after a "|" once the value is not empty, so a selected empty item adds
// nothing at the start and a lone "|" later on. Indices past the end are ignored.
std::string JoinSelectedItems(const std::vector<std::string>& items,
                              std::vector<std::size_t> selected);

// The items an entry text selects when its list opens: for each "|" piece of
// the text, the first item that equals it without regard to letter case.
// Ascending, each index once.
std::vector<std::size_t> ItemsNamedBy(const std::vector<std::string>& items,
                                      std::string_view entryText);

}  // namespace wrennet
