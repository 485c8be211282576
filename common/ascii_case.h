// ASCII-only letter case: folding and comparing bytes without the locale.
#pragma once

#include <string_view>

namespace wrennet {

// Letter case of the 26 ASCII letters only: paths and names are bytes, and a
// byte above 127 is never folded, whatever the locale.
constexpr char ToLowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ToLowerAscii(a[i]) != ToLowerAscii(b[i])) return false;
    }
    return true;
}

}  // namespace wrennet
