// Blank-and-tab trimming of byte texts: in front, and at either end.
#pragma once

#include <string_view>

#include "common/byte_class.h"

namespace wrennet {

// The text without the blanks and tabs in front.
constexpr std::string_view SkipBlanksAndTabs(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlankOrTab(text[i])) ++i;
    return text.substr(i);
}

// The text without the blanks and tabs at either end; other spaces (a CR, a
// vertical tab) are part of it.
constexpr std::string_view TrimBlanksAndTabs(std::string_view text) {
    text = SkipBlanksAndTabs(text);
    while (!text.empty() && IsBlankOrTab(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace wrennet
