#include "header_marks.h"

#include <algorithm>
#include <cstdint>

#include "byte_block.h"
#include "common/byte_class.h"
#include "line_reader.h"

namespace wrennet {
namespace {

constexpr std::size_t kMaxPiece = LineReader::kMaxPiece;

// `pairs` has bit i set when the pair ends at byte i of the block; the pair
// starts one byte earlier, so bit 0 means byte 63 of the block before.
void KeepFirst(std::size_t& mark, std::uint64_t hits, std::size_t blockStart) {
    if (mark == kNoPosition && hits != 0) {
        mark = blockStart + static_cast<std::size_t>(__builtin_ctzll(hits));
    }
}

}  // namespace

HeaderMarks FindHeaderMarks(std::string_view piece) {
    HeaderMarks marks;
    marks.commentOpen = piece.find("/*");
    marks.commentClose = piece.find("*/");
    marks.semicolon = piece.find(';');
    marks.lineComment = piece.find("//");
    marks.openParen = piece.find('(');
    marks.closeParen = piece.find(')');
    return marks;
}

// Against a search per mark, on the pieces the header scan feeds: 2.2x faster
// on the C headers of a Debian system, 1.7-2x on generated headers. The pieces
// hold ~60 bytes, and six searches pay six times for getting started.
std::size_t MarkHeaderPiece(std::string_view span, std::size_t start, HeaderMarks& marks) {
    marks = HeaderMarks{};
    // Of a piece that cannot start a declaration, only the comment marks count.
    const bool declaration = start < span.size() && IsAsciiLetter(span[start]);
    const std::size_t window = std::min(span.size() - start, kMaxPiece);
    std::uint64_t slashBefore = 0;  // the last byte of the block before was "/"
    std::uint64_t starBefore = 0;
    for (std::size_t from = 0; from < window; from += ByteBlock::kSize) {
        const char* bytes = span.data() + start + from;
        const std::size_t left = window - from;
        // Whole blocks may read past the piece, but never past the span.
        const ByteBlock block = span.size() - start - from >= ByteBlock::kSize
                                    ? ByteBlock(bytes)
                                    : ByteBlock::Partial(bytes, left, ' ');
        std::uint64_t inside = LowBits(left);
        const std::uint64_t newline = block.match('\n') & inside;
        if (newline != 0) inside &= LowBits(static_cast<std::size_t>(__builtin_ctzll(newline)) + 1);
        const std::uint64_t slash = block.match('/') & inside;
        const std::uint64_t star = block.match('*') & inside;
        // Pairs by the position of their second byte, then moved back by one.
        const std::uint64_t afterSlash = slash << 1 | slashBefore;
        const std::uint64_t afterStar = star << 1 | starBefore;
        const std::size_t pairStart = from - 1;  // wraps for the first block, whose bit 0 is clear
        KeepFirst(marks.commentOpen, star & afterSlash, pairStart);
        KeepFirst(marks.commentClose, slash & afterStar, pairStart);
        if (declaration) {
            KeepFirst(marks.lineComment, slash & afterSlash, pairStart);
            KeepFirst(marks.semicolon, block.match(';') & inside, from);
            KeepFirst(marks.openParen, block.match('(') & inside, from);
            KeepFirst(marks.closeParen, block.match(')') & inside, from);
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
