// kNoPosition: what a search over bytes answers when it finds nothing.
#pragma once

#include <cstddef>
#include <string_view>

namespace wrennet {

// What a search over bytes answers when the text does not hold what it looks
// for; the same value std::string_view::find returns.
inline constexpr std::size_t kNoPosition = std::string_view::npos;

}  // namespace wrennet
