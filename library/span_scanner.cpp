#include "library/span_scanner.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

#include "common/byte_class.h"
#include "library/byte_block.h"
#include "library/header_marks.h"
#include "library/line_reader.h"

namespace wrennet {
namespace {

constexpr std::size_t kMaxPiece = LineReader::kMaxPiece;
constexpr std::size_t kBlock = 64;  // the size of either kind of block
static_assert(ByteBlock::kSize == kBlock);

// Where the piece that starts at `start` ends: after its "\n", or 255 bytes on,
// or at the end of the span.
std::size_t PieceEnd(std::string_view span, std::size_t start) {
    const std::size_t window = std::min(span.size() - start, kMaxPiece);
    const void* newline = std::memchr(span.data() + start, '\n', window);
    return newline != nullptr
               ? static_cast<std::size_t>(static_cast<const char*>(newline) - span.data()) + 1
               : start + window;
}

// What a block holds that may matter: `marks` always, `parens` only on a piece
// that starts with a letter. Bit i stands for byte i of the block.
struct Hits {
    std::uint64_t marks;
    std::uint64_t parens;
};

// The first byte of the piece that holds `at`, on a line that starts at `lineStart`.
std::size_t PieceStart(std::size_t at, std::size_t lineStart) {
    return lineStart + (at - lineStart) / kMaxPiece * kMaxPiece;
}

// Walks the span block by block. For each block, `find(block, carry, newlines,
// lineOffset)` returns the Hits; `carry` is find's own note from the block just
// before (zero at the start and after a jump), `newlines` the block's "\n"
// bytes, `lineOffset` how far into its line the block starts. For each hit, the walk works out
// where its line starts and calls `visit(at, lineStart)`, which returns where to go on from (the
// end of the piece it fed) or 0 to drop that hit. A dropped "(" drops the other "(" of its piece
// too, which cannot start with a letter either.
//
// Line starts come from the "\n" bytes of each block, so nothing at all is done
// for the many lines that hold nothing that matters.
template <class Block, class Find, class Visit>
void WalkSpan(std::string_view span, Find find, Visit visit) {
    const std::size_t size = span.size();
    std::size_t base = 0;
    std::size_t lineStart = 0;
    std::uint64_t carry = 0;
    while (base < size) {
        const std::size_t left = size - base;
        const char* bytes = span.data() + base;
        // The last bytes are copied, so that the loads stay inside the span.
        const Block block = left >= kBlock ? Block(bytes) : Block::Partial(bytes, left, ' ');
        const std::uint64_t valid = LowBits(left);
        const std::uint64_t newlines = block.match('\n') & valid;
        Hits hits = find(block, carry, newlines, base - lineStart);
        hits.marks &= valid;
        hits.parens &= valid;
        std::size_t next = 0;
        while ((hits.marks | hits.parens) != 0) {
            const int bit = __builtin_ctzll(hits.marks | hits.parens);
            const std::uint64_t below = LowBits(static_cast<std::size_t>(bit));
            const std::uint64_t before = newlines & below;
            const std::size_t start =
                before != 0 ? base + 64 - static_cast<std::size_t>(__builtin_clzll(before))
                            : lineStart;
            const std::size_t at = base + static_cast<std::size_t>(bit);
            next = visit(at, start);
            if (next != 0) {
                // A piece end: just after a "\n", or further on in the same line.
                lineStart = span[next - 1] == '\n' ? next : start;
                break;
            }
            hits.marks &= ~LowBits(static_cast<std::size_t>(bit) + 1);
            if ((hits.parens >> bit & 1) != 0) {
                // Up to the end of the piece: its line end or its 255th byte.
                const std::uint64_t after = newlines & ~below;
                std::size_t end = PieceStart(at, start) + kMaxPiece - base;
                if (after != 0)
                    end = std::min(end, static_cast<std::size_t>(__builtin_ctzll(after)));
                hits.parens &= ~LowBits(end);
            }
        }
        if (next != 0) {
            base = next;
            carry = 0;
            continue;
        }
        if (newlines != 0) {
            lineStart = base + 64 - static_cast<std::size_t>(__builtin_clzll(newlines));
        }
        base += kBlock;
    }
}

// A header piece matters when it may hold a declaration (a "(" on a piece that
// starts with a letter) or may open or close a block comment. Which of these
// counts depends on whether the collector is inside a comment, which changes
// only where a piece is fed, and the walk looks afresh after each one.
template <class Block>
void FeedHeaderSpan(std::string_view span, PrototypeCollector& collector) {
    const auto find = [&collector](const Block& block, std::uint64_t& carry, std::uint64_t,
                                   std::size_t) {
        const std::uint64_t slash = block.match('/');
        const std::uint64_t star = block.match('*');
        const std::uint64_t slashBefore = carry & 1;
        const std::uint64_t starBefore = carry >> 1;
        carry = (slash >> 63) | ((star >> 63) << 1);
        if (collector.inComment()) return Hits{slash & ((star << 1) | starBefore), 0};  // "*/"
        return Hits{star & ((slash << 1) | slashBefore), block.match('(')};             // "/*", "("
    };
    HeaderMarks marks;
    const auto visit = [&](std::size_t at, std::size_t lineStart) -> std::size_t {
        const std::size_t start = PieceStart(at, lineStart);
        if (span[at] == '(' && !IsAsciiLetter(span[start])) return 0;
        const std::size_t end = MarkHeaderPieceWith<Block>(span, start, marks);
        collector.feedHeader(span.substr(start, end - start), marks);
        return end;
    };
    WalkSpan<Block>(span, find, visit);
}

// An assembler piece matters only when it starts with a marker, whose first
// byte is ";" or "@". Pieces start just after a "\n" and, on a line longer
// than a piece, every 255 bytes: the comment lines of an assembler source that
// begin with ";" are all looked at, the ";" after an instruction never.
template <class Block>
void FeedAssemblerSpan(std::string_view span, PrototypeCollector& collector) {
    const auto find = [](const Block& block, std::uint64_t&, std::uint64_t newlines,
                         std::size_t lineOffset) {
        std::uint64_t starts = newlines << 1;
        if (lineOffset % kMaxPiece == 0) starts |= 1;
        if (lineOffset + kBlock > kMaxPiece) {
            // The line going on from the block before may reach a piece start
            // inside this block: keep its bytes, the visit checks them.
            starts |= newlines != 0 ? LowBits(static_cast<std::size_t>(__builtin_ctzll(newlines)))
                                    : ~std::uint64_t{0};
        }
        return Hits{(block.match(';') | block.match('@')) & starts, 0};
    };
    const auto visit = [&](std::size_t at, std::size_t lineStart) -> std::size_t {
        if ((at - lineStart) % kMaxPiece != 0) return 0;
        const std::size_t end = PieceEnd(span, at);
        collector.feed(span.substr(at, end - at));
        return end;
    };
    WalkSpan<Block>(span, find, visit);
}

template <class Block>
void FeedSpanWith(std::string_view span, PrototypeCollector& collector) {
    if (collector.kind() == LibraryKind::Header) {
        FeedHeaderSpan<Block>(span, collector);
    } else {
        FeedAssemblerSpan<Block>(span, collector);
    }
}

#if defined(WRENNET_WIDE_BYTE_BLOCK)
// 32-byte lanes where the processor has them: see the C headers benchmark in
// bench/README.md.
[[WRENNET_FOR_WIDE_BYTE_BLOCK]] void FeedSpanWide(std::string_view span,
                                                  PrototypeCollector& collector) {
    FeedSpanWith<WideByteBlock>(span, collector);
}
#endif

// Either way of walking a span, the one given.
template <class Walk>
bool FeedSpanBy(std::string_view span, PrototypeCollector& collector, Walk walk) {
    // A NUL cuts pieces short or ends the file: rare enough in a library to
    // leave such a span to the plain walk.
    if (std::memchr(span.data(), '\0', span.size()) != nullptr) {
        return FeedEveryPiece(span, collector);
    }
    walk(span, collector);
    return true;
}

}  // namespace

bool FeedEveryPiece(std::string_view span, PrototypeCollector& collector) {
    for (std::size_t at = 0; at < span.size();) {
        const std::size_t end = PieceEnd(span, at);
        std::string_view piece = span.substr(at, end - at);
        piece = piece.substr(0, piece.find('\0'));
        if (piece.empty()) return false;
        collector.feed(piece);
        at = end;
    }
    return true;
}

bool FeedSpan(std::string_view span, PrototypeCollector& collector) {
#if defined(WRENNET_WIDE_BYTE_BLOCK)
    if (WideByteBlockWorks()) return FeedSpanBy(span, collector, FeedSpanWide);
#endif
    return FeedSpanInNarrowLanes(span, collector);
}

bool FeedSpanInNarrowLanes(std::string_view span, PrototypeCollector& collector) {
    return FeedSpanBy(span, collector, FeedSpanWith<ByteBlock>);
}

bool FeedSource(ByteSource& source, PrototypeCollector& collector) {
    constexpr std::size_t kBufferSize = 256 * 1024;
    const auto buffer = std::make_unique_for_overwrite<char[]>(kBufferSize);
    std::size_t end = 0;  // bytes held, from the start of the buffer
    bool exhausted = false;
    while (!exhausted) {
        const std::size_t want = kBufferSize - end;
        const std::size_t got = source.readFully(buffer.get() + end, want);
        end += got;
        exhausted = got < want;
        // Up to the last line end; a buffer without one is a stretch of a
        // long line, cut where a piece ends.
        std::size_t spanEnd = end;
        if (!exhausted) {
            const char* last = static_cast<const char*>(memrchr(buffer.get(), '\n', end));
            spanEnd = last != nullptr ? static_cast<std::size_t>(last - buffer.get()) + 1
                                      : end / kMaxPiece * kMaxPiece;
        }
        if (!FeedSpan({buffer.get(), spanEnd}, collector)) return false;
        std::memmove(buffer.get(), buffer.get() + spanEnd, end - spanEnd);
        end -= spanEnd;
    }
    return true;
}

}  // namespace wrennet
