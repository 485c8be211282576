#include "library/line_marks.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace wrennet {
namespace {

// One bit (the top one) in each byte of `word` that equals `wanted`, exactly:
// no carry crosses from one byte into the next.
std::uint64_t BytesEqual(std::uint64_t word, unsigned char wanted) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kLow7 = 0x7F * kOnes;
    const std::uint64_t diff = word ^ (wanted * kOnes);
    return ~(((diff & kLow7) + kLow7) | diff) & ~kLow7;
}

}  // namespace

// Lines are looked at eight bytes at a time, and only the bytes that matter
// ("@", ";", ")", "/") one by one: most lines hold one or two of them.
LineMarks MarkLine(std::string_view line) {
    static_assert(std::endian::native == std::endian::little,
                  "the lowest set bit must be the first byte");
    LineMarks marks;
    const std::size_t size = line.size();
    const char* const data = line.data();
    for (std::size_t base = 0; base < size; base += 8) {
        std::uint64_t word = 0;
        if (size - base >= 8) {
            std::memcpy(&word, data + base, 8);
        } else {
            // The last few bytes, put together one by one (a short copy into the
            // word would stall the load that follows it); zero bytes past the
            // end are none of the marks.
            for (std::size_t k = 0; k < size - base; ++k) {
                word |= std::uint64_t{static_cast<unsigned char>(data[base + k])} << (8 * k);
            }
        }
        std::uint64_t hits = BytesEqual(word, '@') | BytesEqual(word, ';') | BytesEqual(word, ')') |
                             BytesEqual(word, '/');
        for (; hits != 0; hits &= hits - 1) {
            const std::size_t i = base + static_cast<std::size_t>(std::countr_zero(hits)) / 8;
            switch (data[i]) {
                case '@':
                    if (marks.at == kNoPosition) marks.at = i;
                    break;
                case ';':
                    if (marks.semicolon == kNoPosition) marks.semicolon = i;
                    break;
                case ')':
                    if (marks.close == kNoPosition) marks.close = i;
                    break;
                default:  // '/'
                    if (i + 1 < size && data[i + 1] == '/' && marks.slashes == kNoPosition) {
                        marks.slashes = i;
                    } else if (i + 2 < size && data[i + 1] == '*' &&
                               (data[i + 2] == '*' || data[i + 2] == '!')) {
                        marks.opener = true;
                    }
                    break;
            }
        }
    }
    return marks;
}

}  // namespace wrennet
