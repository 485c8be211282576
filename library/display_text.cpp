#include "library/display_text.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace wrennet {
namespace {

// Code points of the bytes 0x80..0x9F as Windows-1252 reads them; its five
// unassigned bytes keep their Latin-1 meaning so that no byte is ever lost.
constexpr std::array<std::uint16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::uint32_t codePoint, std::string& out) {
    if (codePoint < 0x80) {
        out.push_back(static_cast<char>(codePoint));
    } else if (codePoint < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (codePoint >> 6)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (codePoint >> 12)));
        out.push_back(static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (codePoint & 0x3F)));
    }
}

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

constexpr std::uint64_t kHighBits = 0x8080808080808080ull;

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    std::size_t at = 0;
    const std::size_t size = bytes.size();
    while (at < size) {
        // Eight ASCII bytes at a time: source text is nearly all ASCII, and
        // the window checks a whole library before showing it (see the window
        // benchmark in bench/README.md).
        for (std::uint64_t eight = 0; size - at >= sizeof eight; at += sizeof eight) {
            std::memcpy(&eight, bytes.data() + at, sizeof eight);
            if ((eight & kHighBits) != 0) break;
        }
        if (at == size) break;
        const auto lead = static_cast<unsigned char>(bytes[at]);
        if (lead < 0x80) {
            ++at;
            continue;
        }
        std::size_t length = 0;
        unsigned char low = 0x80;  // allowed range of the second byte
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;   // no overlong forms
            if (lead == 0xED) high = 0x9F;  // no surrogates
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;   // no overlong forms
            if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
        } else {
            return false;
        }
        if (size - at < length) return false;
        const auto second = static_cast<unsigned char>(bytes[at + 1]);
        if (second < low || second > high) return false;
        for (std::size_t i = 2; i < length; ++i) {
            if (!IsContinuation(static_cast<unsigned char>(bytes[at + i]))) return false;
        }
        at += length;
    }
    return true;
}

std::string DecodeForDisplay(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0) {
            AppendUtf8(kHighControls[byte - 0x80], out);
        } else {
            AppendUtf8(byte, out);
        }
    }
    return out;
}

}  // namespace wrennet
