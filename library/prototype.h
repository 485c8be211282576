// Prototype normalisation and splitting: the texts the lists and lookups compare.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wrennet {

// The fixed, ordered list of blank, comma, parenthesis and "extern " replacements
// applied to declaration lines before they are listed or compared:
//   tab -> blank; "  " -> " " until none is left; "extern " removed;
//   " ," -> ","; ", " -> ","; "," -> ", "; "( " -> "("; " (" -> "("; " )" -> ")".
// Each replacement runs over the whole text, left to right, without rescanning
// what it has just written. The result is written to `out`, which has room for
// 2 * text.size() bytes (only a comma grows); returns the length written.
std::size_t NormalisePrototypeTo(std::string_view text, char* out);

// Whether normalising `text` gives `text` itself: a quick check on the bytes
// that the replacements look at. May say no for a text that is its own normal
// form after all (it only ever errs that way).
bool NormalisesToItself(std::string_view text);

// The same, appended to what `out` already holds.
void AppendNormalisedPrototype(std::string_view text, std::string& out);

// Whether the normalised text begins with `prefix`. Most lines of a source file
// are settled by their first byte alone, the rest by normalising only as far as
// the first difference, not the whole line (see the core benchmark
// LookupAndParams/64MB in bench/README.md).
bool NormalisedBeginsWith(std::string_view text, std::string_view prefix);

}  // namespace wrennet
