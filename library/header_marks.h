// Where a header piece holds the bytes that decide whether it declares a function.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "common/byte_class.h"
#include "common/no_position.h"
#include "library/byte_block.h"
#include "library/line_reader.h"

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

namespace header_marks {
// For a pair, `hits` has bit i set when it ends at byte i of the block; it
// starts one byte earlier, so bit 0 means byte 63 of the block before.
inline void KeepFirst(std::size_t& mark, std::uint64_t hits, std::size_t blockStart) {
    if (mark == kNoPosition && hits != 0) {
        mark = blockStart + static_cast<std::size_t>(__builtin_ctzll(hits));
    }
}

}  // namespace header_marks

// MarkHeaderPiece with blocks of either width (ByteBlock, WideByteBlock).
// One pass for all marks rather than a search per mark: the pieces the header
// scan feeds hold ~60 bytes, and six searches pay six times for getting
// started (see the C headers benchmark in bench/README.md).
template <class Block>
std::size_t MarkHeaderPieceWith(std::string_view span, std::size_t start, HeaderMarks& marks) {
    marks = HeaderMarks{};
    // Of a piece that cannot start a declaration, only the comment marks count.
    const bool declaration = start < span.size() && IsAsciiLetter(span[start]);
    const std::size_t window = std::min(span.size() - start, LineReader::kMaxPiece);
    std::uint64_t slashBefore = 0;  // the last byte of the block before was "/"
    std::uint64_t starBefore = 0;
    for (std::size_t from = 0; from < window; from += Block::kSize) {
        const char* bytes = span.data() + start + from;
        const std::size_t left = window - from;
        // Whole blocks may read past the piece, but never past the span.
        const Block block = span.size() - start - from >= Block::kSize
                                ? Block(bytes)
                                : Block::Partial(bytes, left, ' ');
        std::uint64_t inside = LowBits(left);
        const std::uint64_t newline = block.match('\n') & inside;
        if (newline != 0) inside &= LowBits(static_cast<std::size_t>(__builtin_ctzll(newline)) + 1);
        const std::uint64_t slash = block.match('/') & inside;
        const std::uint64_t star = block.match('*') & inside;
        // Pairs by the position of their second byte, then moved back by one.
        const std::uint64_t afterSlash = slash << 1 | slashBefore;
        const std::uint64_t afterStar = star << 1 | starBefore;
        const std::size_t pairStart = from - 1;  // wraps for the first block, whose bit 0 is clear
        header_marks::KeepFirst(marks.commentOpen, star & afterSlash, pairStart);
        header_marks::KeepFirst(marks.commentClose, slash & afterStar, pairStart);
        if (declaration) {
            header_marks::KeepFirst(marks.lineComment, slash & afterSlash, pairStart);
            header_marks::KeepFirst(marks.semicolon, block.match(';') & inside, from);
            header_marks::KeepFirst(marks.openParen, block.match('(') & inside, from);
            header_marks::KeepFirst(marks.closeParen, block.match(')') & inside, from);
        }
        if (newline != 0) {
            return start + from + static_cast<std::size_t>(__builtin_ctzll(newline)) + 1;
        }
        slashBefore = slash >> 63;
        starBefore = star >> 63;
    }
    return start + window;
}

}  // namespace wrennet
