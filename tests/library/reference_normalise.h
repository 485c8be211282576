#pragma once

// The prototype normalisation written the slow, obvious way: nine replace-all
// passes in their fixed order. The library's one-pass version must agree with it
// on every input; the differential test and the fuzzer compare the two.

#include <string>
#include <string_view>

namespace wrennet::reference {

// Every occurrence of `from`, left to right, without rescanning what was written.
inline std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    std::size_t at = 0;
    for (;;) {
        const std::size_t hit = text.find(from, at);
        if (hit == std::string_view::npos) break;
        out.append(text.substr(at, hit - at));
        out.append(to);
        at = hit + from.size();
    }
    out.append(text.substr(at));
    return out;
}

inline std::string NormalisePrototype(std::string_view text) {
    std::string s = ReplaceAll(text, "\t", " ");
    while (s.find("  ") != std::string::npos) s = ReplaceAll(s, "  ", " ");
    s = ReplaceAll(s, "extern ", "");
    s = ReplaceAll(s, " ,", ",");
    s = ReplaceAll(s, ", ", ",");
    s = ReplaceAll(s, ",", ", ");
    s = ReplaceAll(s, "( ", "(");
    s = ReplaceAll(s, " (", "(");
    s = ReplaceAll(s, " )", ")");
    return s;
}

}  // namespace wrennet::reference
