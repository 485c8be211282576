// The prototype normalisation written the slow, obvious way, as an oracle.
#pragma once

// The prototype normalisation written the slow, obvious way: nine replace-all
// passes in their fixed order. The library's one-pass version must agree with it
// on every input; the differential test and the fuzzer compare the two.

#include <string>
#include <string_view>

#include "common/replace_all.h"

namespace wrennet::reference {

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
