#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "message.h"

namespace wrennet {

// strtol in base 0 (blanks, sign, 0x/0X hex, leading 0 octal, decimal), stopping
// at the first character that does not fit, saturating at the 32-bit limits.
std::int32_t ParseLong32(std::string_view text);

// -1 when value < min, 1 when value > max, else 0 (bounds inclusive).
int RangeCompare(std::string_view minText, std::string_view maxText, std::string_view valueText);

// The check made when the user leaves a value edit: "<name> Out of range."
// (warning icon) when the entry starts with a digit or sign and lies outside
// the range "min-max" of the value text; nothing otherwise.
std::optional<Message> CheckRangeOnLeave(std::string_view name, std::string_view valueText,
                                         std::string_view entryText);

}  // namespace wrennet
