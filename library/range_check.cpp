#include "library/range_check.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "common/byte_class.h"
#include "common/no_position.h"

namespace wrennet {
namespace {

// A letter is a digit from 10 on, as in base 36; anything else is none.
std::optional<int> DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return std::nullopt;
}

std::int32_t ParseLong32(std::string_view text) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    std::size_t at = 0;
    while (at < text.size() && IsCSpace(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    int base = 10;
    if (at < text.size() && text[at] == '0') {
        // "0x" counts as a prefix only when a hexadecimal digit follows; otherwise
        // the "0" is the whole number.
        if (at + 2 < text.size() && (text[at + 1] == 'x' || text[at + 1] == 'X') &&
            DigitValue(text[at + 2]).value_or(16) < 16) {
            base = 16;
            at += 2;
        } else {
            base = 8;
        }
    }
    // Accumulate as a magnitude, capped just past the 32-bit range so it cannot overflow.
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const std::optional<int> digit = DigitValue(text[at]);
        if (!digit || *digit >= base) break;
        magnitude = std::min<std::int64_t>(magnitude * base + *digit, kMax + 2);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    return static_cast<std::int32_t>(std::clamp(value, kMin, kMax));
}

bool InRange(std::string_view minText, std::string_view maxText, std::string_view valueText) {
    const std::int32_t value = ParseLong32(valueText);
    return value >= ParseLong32(minText) && value <= ParseLong32(maxText);
}

}  // namespace

std::optional<Message> CheckRangeOnLeave(std::string_view name, std::string_view valueText,
                                         std::string_view entryText) {
    if (entryText.empty()) return std::nullopt;
    const std::size_t dash = valueText.find('-');
    if (dash == kNoPosition || dash == 0) return std::nullopt;
    const char first = entryText[0];
    if (!((first >= '0' && first <= '9') || first == '-' || first == '+')) return std::nullopt;
    if (InRange(valueText.substr(0, dash), valueText.substr(dash + 1), entryText))
        return std::nullopt;
    std::string text(name);
    text.append(" Out of range.");
    return Message{std::move(text), MessageIcon::Warning};
}

}  // namespace wrennet
