#include "lsp/argument_check.h"

#include <algorithm>
#include <vector>

#include "common/byte_class.h"
#include "library/range_check.h"
#include "library/slot_layout.h"
#include "lsp/function_name.h"

namespace wrennet::lsp {
namespace {

std::optional<int> DigitIn(char c, int base) {
    int digit = base;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit >= base) return std::nullopt;
    return digit;
}

bool IsIntegerSuffix(std::string_view suffix) {
    return suffix.size() <= 3 && std::all_of(suffix.begin(), suffix.end(), [](char c) {
               return c == 'u' || c == 'U' || c == 'l' || c == 'L';
           });
}

bool IsName(std::string_view text) {
    return !text.empty() && !(text[0] >= '0' && text[0] <= '9') &&
           std::all_of(text.begin(), text.end(), IsNameCharacter);
}

bool HasLowerCase(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsCSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsCSpace(text.back())) text.remove_suffix(1);
    return text;
}

std::vector<std::string> NonEmptyPieces(std::string_view text, char separator) {
    std::vector<std::string> pieces = SplitAt(text, separator);
    std::erase_if(pieces, [](const std::string& piece) { return piece.empty(); });
    return pieces;
}

// Every piece a number: the list can be compared with a number written.
std::optional<std::vector<std::int64_t>> AllNumbers(const std::vector<std::string>& pieces) {
    std::vector<std::int64_t> numbers;
    for (const std::string& piece : pieces) {
        const std::optional<std::int64_t> number = IntegerLiteral(piece);
        if (!number) return std::nullopt;
        numbers.push_back(*number);
    }
    if (numbers.empty()) return std::nullopt;
    return numbers;
}

bool Contains(const std::vector<std::int64_t>& numbers, std::int64_t number) {
    return std::find(numbers.begin(), numbers.end(), number) != numbers.end();
}

std::optional<std::string> CheckValueList(const ParamChoice& param, std::string_view argument) {
    const std::optional<std::int64_t> number = IntegerLiteral(argument);
    const auto allowed = AllNumbers(NonEmptyPieces(param.valueText, ','));
    if (!number || !allowed || Contains(*allowed, *number)) return std::nullopt;
    return param.name + ": " + std::string(argument) + " is not one of the documented values " +
           param.valueText;
}

std::optional<std::string> CheckRange(const ParamChoice& param, std::string_view argument) {
    if (!IntegerLiteral(argument)) return std::nullopt;
    if (!CheckRangeOnLeave(param.name, param.valueText, argument)) return std::nullopt;
    return param.name + ": " + std::string(argument) + " is outside the documented range " +
           param.valueText;
}

std::optional<std::string> CheckFlags(const ParamChoice& param, std::string_view argument) {
    const std::vector<std::string> flags = NonEmptyPieces(param.valueText, '|');
    const auto numericFlags = AllNumbers(flags);
    std::vector<std::string_view> pieces;
    bool namesListedFlag = false;
    const std::vector<std::string> written = SplitAt(argument, '|');  // `pieces` points into it
    for (const std::string& writtenPiece : written) {
        const std::string_view piece = Trimmed(writtenPiece);
        const bool number = IntegerLiteral(piece).has_value();
        if (!number && !IsName(piece)) return std::nullopt;  // an expression
        const bool listed = std::find(flags.begin(), flags.end(), piece) != flags.end();
        namesListedFlag = namesListedFlag || listed;
        pieces.push_back(piece);
    }
    std::string unknown;
    for (const std::string_view piece : pieces) {
        const std::optional<std::int64_t> number = IntegerLiteral(piece);
        // Beside a listed flag, a name written as constants are is taken for
        // a flag; one in lower case may well be a variable.
        const bool judged =
            number ? numericFlags.has_value() : namesListedFlag && !HasLowerCase(piece);
        const bool listed = number ? numericFlags && Contains(*numericFlags, *number)
                                   : std::find(flags.begin(), flags.end(), piece) != flags.end();
        if (!judged || listed) continue;
        if (!unknown.empty()) unknown.append(", ");
        unknown.append(piece);
    }
    if (unknown.empty()) return std::nullopt;
    return param.name + ": " + unknown + " is not one of the documented flags " + param.valueText;
}

}  // namespace

std::optional<std::int64_t> IntegerLiteral(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (text.size() >= 2 && text[0] == '0') {
        base = 8;
    }
    std::size_t digits = 0;
    std::int64_t value = 0;
    for (; digits < text.size(); ++digits) {
        const std::optional<int> digit = DigitIn(text[digits], base);
        if (!digit) break;
        if (value > (INT64_MAX - *digit) / base) return std::nullopt;
        value = value * base + *digit;
    }
    if (digits == 0 || !IsIntegerSuffix(text.substr(digits))) return std::nullopt;
    return negative ? -value : value;
}

std::optional<std::string> CheckArgument(const ParamChoice& param, std::string_view argument) {
    const SlotLayout layout = LayOutSlot(param);
    if (layout.field == SlotField::Combo) return CheckValueList(param, argument);
    if (layout.isChoiceList) return CheckFlags(param, argument);
    if (layout.isRange && !layout.isHelper) return CheckRange(param, argument);
    return std::nullopt;
}

}  // namespace wrennet::lsp
