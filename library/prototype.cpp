#include "library/prototype.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "common/byte_class.h"
#include "library/byte_block.h"

namespace wrennet {
namespace {

// Bytes the normaliser passes on unchanged whatever surrounds them (an "e" only
// when it does not begin "extern ").
constexpr std::array<bool, 256> kOrdinary = [] {
    std::array<bool, 256> ordinary{};
    ordinary.fill(true);
    for (const unsigned char c : {' ', '\t', ',', '(', ')'}) ordinary[c] = false;
    return ordinary;
}();

bool StartsExternAndBlank(std::string_view text, std::size_t at) {
    return text.size() - at > 6 && std::memcmp(text.data() + at, "extern", 6) == 0 &&
           IsBlankOrTab(text[at + 6]);
}

// One pass that gives exactly what the nine replacements give one after the other
// (written out as the oracle in the tests): the header scan normalises every
// declaration, and nine passes were half its time (see the core benchmarks
// ScanHeader/64MB and ScanDenseHeader/64MB in bench/README.md).
//
// Tabs become blanks and runs of blanks collapse, so the text seen by the later
// steps has single blanks only. "extern " (its blank possibly a run of blanks or
// tabs) is then skipped. What is left, the "collapsed text", decides the rest:
//   - a blank that follows "," or "(" in it, or precedes ",", "(" or ")", goes;
//     every other blank stays;
//   - every "," becomes ", ", except that the added blank goes when the next
//     character after the comma (after one dropped blank) is "(" or ")".
// Blanks are therefore held back until the next character is known.
//
// Each output character goes to emit(c), which returns false to stop early.
template <class Emit>
void Normalise(std::string_view text, Emit emit) {
    const std::size_t size = text.size();
    char previous = '\0';  // last character of the collapsed text
    bool heldBlank = false;
    bool heldCommaBlank = false;
    std::size_t at = 0;
    while (at < size) {
        const char c = text[at];
        if (IsBlankOrTab(c)) {
            do ++at;
            while (at < size && IsBlankOrTab(text[at]));
            if (previous != ',' && previous != '(') heldBlank = true;
            previous = ' ';
            continue;
        }
        if (c == 'e' && StartsExternAndBlank(text, at)) {
            at += 7;
            while (at < size && IsBlankOrTab(text[at])) ++at;
            continue;
        }
        const bool opensOrCloses = c == '(' || c == ')';
        if (heldBlank) {
            heldBlank = false;
            if (c != ',' && !opensOrCloses && !emit(' ')) return;
        }
        if (heldCommaBlank) {
            heldCommaBlank = false;
            if (!opensOrCloses && !emit(' ')) return;
        }
        if (!emit(c)) return;
        previous = c;
        ++at;
        if (c == ',') {
            heldCommaBlank = true;
            continue;
        }
        // Nothing is held now: the ordinary bytes that follow go out as they are.
        // Most of a declaration is such a run (names and type words).
        while (at < size && kOrdinary[static_cast<unsigned char>(text[at])]) {
            const char next = text[at];
            if (next == 'e' && StartsExternAndBlank(text, at)) break;
            if (!emit(next)) return;
            previous = next;
            ++at;
        }
    }
    if (heldBlank || heldCommaBlank) emit(' ');
}

// Masks of one byte value over a text of up to 64 * Words bytes, bit i of
// word i / 64 for byte i, with the neighbours' bits a shift away.
template <std::size_t Words>
struct TextMask {
    static constexpr std::size_t kWords = Words;
    std::uint64_t word[kWords + 1] = {};  // one word more: zero past the end

    // Bit i set when bit i + by is (the byte `by` places further on).
    TextMask after(unsigned by) const {
        TextMask shifted;
        for (std::size_t w = 0; w < kWords; ++w) {
            shifted.word[w] = word[w] >> by | word[w + 1] << (64 - by);
        }
        return shifted;
    }
    // Bit i set when bit i - 1 is (the byte just before).
    TextMask before() const {
        TextMask shifted;
        for (std::size_t w = 0; w < kWords; ++w) {
            shifted.word[w] = word[w] << 1 | (w > 0 ? word[w - 1] >> 63 : 0);
        }
        return shifted;
    }
    TextMask operator|(const TextMask& other) const {
        TextMask joined;
        for (std::size_t w = 0; w < kWords; ++w) joined.word[w] = word[w] | other.word[w];
        return joined;
    }
    TextMask operator~() const {
        TextMask flipped;
        for (std::size_t w = 0; w < kWords; ++w) flipped.word[w] = ~word[w];
        return flipped;
    }
    // Whether any bit is set in both.
    bool meets(const TextMask& other) const {
        std::uint64_t common = 0;
        for (std::size_t w = 0; w < kWords; ++w) common |= word[w] & other.word[w];
        return common != 0;
    }
};

template <std::size_t Words>
bool MasksSayItself(std::string_view text) {
    using TextMask = TextMask<Words>;
    TextMask blank, comma, open, close, tab, letterE, letterX, inside;
    for (std::size_t w = 0; w * ByteBlock::kSize < text.size(); ++w) {
        const std::size_t from = w * ByteBlock::kSize;
        const std::size_t left = text.size() - from;
        const ByteBlock block = left >= ByteBlock::kSize
                                    ? ByteBlock(text.data() + from)
                                    : ByteBlock::Partial(text.data() + from, left, 'a');
        blank.word[w] = block.match(' ');
        comma.word[w] = block.match(',');
        open.word[w] = block.match('(');
        close.word[w] = block.match(')');
        tab.word[w] = block.match('\t');
        letterE.word[w] = block.match('e');
        letterX.word[w] = block.match('x');
        inside.word[w] = LowBits(left);
    }
    const TextMask special = blank | comma | open | close;
    // Tabs become blanks; a blank goes before ",", "(" or ")", after "(", and
    // joins the next blank; a comma is followed by one blank and an ordinary
    // byte. Anything else (a text that ends in a blank or comma, "extern"
    // anywhere) is left to the full normaliser.
    if (tab.meets(inside)) return false;
    if (blank.meets(special.after(1) | ~inside.after(1) | open.before())) return false;
    if (comma.meets(~blank.after(1) | (special | tab).after(2) | ~inside.after(2))) return false;
    return !letterE.meets(letterX.after(1)) || text.find("extern") == std::string_view::npos;
}

}  // namespace

// Most declarations fit in one or two blocks, and the masks of one block are
// a few register operations.
bool NormalisesToItself(std::string_view text) {
    // Settled by the first bytes for the many declarations written "extern ...".
    if (text.starts_with("extern")) return false;
    if (text.size() <= ByteBlock::kSize) return MasksSayItself<1>(text);
    if (text.size() <= 2 * ByteBlock::kSize) return MasksSayItself<2>(text);
    if (text.size() <= 4 * ByteBlock::kSize) return MasksSayItself<4>(text);
    return false;
}

// Most declarations are in normal form already, and a text that says itself
// is copied rather than normalised; where every declaration needs the full
// normaliser the check is a loss (see the C headers and window benchmarks in
// bench/README.md).
std::size_t NormalisePrototypeTo(std::string_view text, char* out) {
    if (NormalisesToItself(text)) {
        std::memcpy(out, text.data(), text.size());
        return text.size();
    }
    char* write = out;
    Normalise(text, [&write](char c) {
        *write++ = c;
        return true;
    });
    return static_cast<std::size_t>(write - out);
}

void AppendNormalisedPrototype(std::string_view text, std::string& out) {
    const std::size_t base = out.size();
    // Only a comma grows (into two characters); nothing else adds to the text.
    out.resize(base + 2 * text.size());
    out.resize(base + NormalisePrototypeTo(text, out.data() + base));
}

bool NormalisedBeginsWith(std::string_view text, std::string_view prefix) {
    if (prefix.empty()) return true;
    if (text.empty()) return false;
    const char first = text[0];
    const char wanted = prefix[0];
    // A text that starts with a blank or tab keeps one blank in front, unless the
    // blank goes before ",", "(" or ")"; any other first byte except the "e" of
    // "extern " stays the first byte.
    if (IsBlankOrTab(first)) {
        if (wanted != ' ' && wanted != ',' && wanted != '(' && wanted != ')') return false;
    } else if (first != 'e' && first != wanted) {
        return false;
    }
    // Compare while normalising, and stop at the first difference.
    std::size_t matched = 0;
    bool differs = false;
    Normalise(text, [&](char c) {
        if (c != prefix[matched]) {
            differs = true;
            return false;
        }
        return ++matched < prefix.size();
    });
    return !differs && matched == prefix.size();
}

}  // namespace wrennet
