// ReplaceAll: every occurrence of one text replaced by another.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "common/ascii_case.h"
#include "common/no_position.h"

namespace wrennet {

enum class LetterCase { Exact, IgnoringAscii };

// Every occurrence of `from`, left to right, replaced by `to`. The search goes
// on after each replacement, so what a replacement joins together is never
// matched again. An empty `from` leaves the text as it is.
inline std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to,
                              LetterCase match = LetterCase::Exact) {
    const auto find = [&](std::size_t start) -> std::size_t {
        if (match == LetterCase::Exact) return text.find(from, start);
        const auto hit = std::search(
            text.begin() + static_cast<std::ptrdiff_t>(start), text.end(), from.begin(), from.end(),
            [](char a, char b) { return ToLowerAscii(a) == ToLowerAscii(b); });
        return hit == text.end() ? kNoPosition : static_cast<std::size_t>(hit - text.begin());
    };
    if (from.empty()) return std::string(text);
    std::string out;
    std::size_t kept = 0;
    for (std::size_t hit = find(0); hit != kNoPosition; hit = find(kept)) {
        out.append(text.substr(kept, hit - kept));
        out.append(to);
        kept = hit + from.size();
    }
    out.append(text.substr(kept));
    return out;
}

}  // namespace wrennet
