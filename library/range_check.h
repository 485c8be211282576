// The range check made when the user leaves a value edit.
#pragma once

#include <optional>
#include <string_view>

#include "library/message.h"

namespace wrennet {

// The check made when the user leaves a value edit: "<name> Out of range."
// (warning icon) when the entry starts with a digit or sign and lies outside
// the range "min-max" of the value text; nothing otherwise. Numbers are read
// as strtol reads them in base 0 (blanks, sign, 0x hex, leading-0 octal,
// decimal, up to the first character that does not fit), saturating at the
// 32-bit limits.
std::optional<Message> CheckRangeOnLeave(std::string_view name, std::string_view valueText,
                                         std::string_view entryText);

}  // namespace wrennet
