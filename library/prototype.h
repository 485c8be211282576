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
// what it has just written.
std::string NormalisePrototype(std::string_view text);

// The same into a caller-owned buffer, for hot loops that must not allocate.
void NormalisePrototypeInto(std::string_view text, std::string& out);

// The same, written to `out`, which has room for 2 * text.size() bytes (only a
// comma grows); returns the length written.
std::size_t NormalisePrototypeTo(std::string_view text, char* out);

// The same, appended to what `out` already holds.
void AppendNormalisedPrototype(std::string_view text, std::string& out);

// Whether NormalisePrototype(text) begins with `prefix`. Most lines of a source
// file are settled by their first byte alone, the rest by normalising only as far
// as the first difference. `scratch` is left empty (kept for callers that reuse it).
bool NormalisedBeginsWith(std::string_view text, std::string_view prefix, std::string& scratch);

}  // namespace wrennet
