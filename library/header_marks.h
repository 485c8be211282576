#pragma once

#include <cstddef>
#include <string_view>

#include "common/no_position.h"

namespace wrennet {

// Where a header piece first holds each of the bytes or pairs that decide
// whether it declares a function (kNoPosition when it holds none).
struct HeaderMarks {
    std::size_t commentOpen = kNoPosition;   // "/*"
    std::size_t commentClose = kNoPosition;  // "*/"
    std::size_t semicolon = kNoPosition;     // ";"
    std::size_t lineComment = kNoPosition;   // "//"
    std::size_t openParen = kNoPosition;     // "("
    std::size_t closeParen = kNoPosition;    // ")"

    friend bool operator==(const HeaderMarks&, const HeaderMarks&) = default;
};

// The plain way: one search per mark.
HeaderMarks FindHeaderMarks(std::string_view piece);

// The piece of `span` (no NUL in it) that starts at `start`, cut as the line
// reader cuts it, and its marks, found in one pass over its bytes, 64 at a
// time, counted from the piece's start. Returns where the piece ends. Of a
// piece that does not start with an ASCII letter, only the comment marks are
// found (the others stay kNoPosition): nothing else of it is ever read.
std::size_t MarkHeaderPiece(std::string_view span, std::size_t start, HeaderMarks& marks);

}  // namespace wrennet
