// Where the bytes that matter to the parameter reader stand in a line.
#pragma once

#include <cstddef>
#include <string_view>

#include "common/no_position.h"

namespace wrennet {

// Where the bytes that matter to the parameter reader first stand in a line.
struct LineMarks {
    std::size_t at = kNoPosition;         // first "@"
    std::size_t semicolon = kNoPosition;  // first ";"
    std::size_t slashes = kNoPosition;    // first "//"
    std::size_t close = kNoPosition;      // first ")"
    bool opener = false;                  // holds "/**" or "/*!"
};

// The marks of one line, found in one pass since nearly every line of a source
// file has none of them: eight bytes at a time rather than five plain
// searches (the oracle in the tests); see the core benchmark
// LookupAndParams/64MB in bench/README.md.
LineMarks MarkLine(std::string_view line);

}  // namespace wrennet
