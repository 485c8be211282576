#include "prototype.h"

#include <cstring>

namespace wrennet {
namespace {

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

bool StartsExternAndBlank(std::string_view text, std::size_t at) {
    return text.size() - at > 6 && std::memcmp(text.data() + at, "extern", 6) == 0 &&
           IsBlankOrTab(text[at + 6]);
}

}  // namespace

// One pass that gives exactly what the nine replacements give one after the other.
//
// Tabs become blanks and runs of blanks collapse, so the text seen by the later
// steps has single blanks only. "extern " (its blank possibly a run of blanks or
// tabs) is then skipped. What is left, the "collapsed text", decides the rest:
//   - a blank that follows "," or "(" in it, or precedes ",", "(" or ")", goes;
//     every other blank stays;
//   - every "," becomes ", ", except that the added blank goes when the next
//     character after the comma (after one dropped blank) is "(" or ")".
// Blanks are therefore held back until the next character is known.
void AppendNormalisedPrototype(std::string_view text, std::string& out) {
    const std::size_t size = text.size();
    const std::size_t base = out.size();
    // Only a comma grows (into two characters); nothing else adds to the text.
    out.resize(base + 2 * size);
    char* const first = out.data() + base;
    char* write = first;
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
            if (c != ',' && !opensOrCloses) *write++ = ' ';
            heldBlank = false;
        }
        if (heldCommaBlank) {
            if (!opensOrCloses) *write++ = ' ';
            heldCommaBlank = false;
        }
        *write++ = c;
        if (c == ',') heldCommaBlank = true;
        previous = c;
        ++at;
    }
    if (heldBlank || heldCommaBlank) *write++ = ' ';
    out.resize(base + static_cast<std::size_t>(write - first));
}

void NormalisePrototypeInto(std::string_view text, std::string& out) {
    out.clear();
    AppendNormalisedPrototype(text, out);
}

std::string NormalisePrototype(std::string_view text) {
    std::string out;
    AppendNormalisedPrototype(text, out);
    return out;
}

bool NormalisedBeginsWith(std::string_view text, std::string_view prefix, std::string& scratch) {
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
    NormalisePrototypeInto(text, scratch);
    return scratch.size() >= prefix.size() &&
           std::memcmp(scratch.data(), prefix.data(), prefix.size()) == 0;
}

}  // namespace wrennet
