// Function names: the characters a name is made of, and the name in an entry.
#pragma once

#include <string_view>
#include <vector>

#include "library/param_choices.h"

namespace wrennet::lsp {

// C identifier characters, and "$" which some assemblers allow in names.
constexpr bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '$';
}

// The function name in a list entry: the word right before its first "(",
// blanks and "*" between them allowed ("int *PortName (int port)" -> "PortName").
// Empty when the entry has no such word.
std::string_view FunctionNameOf(std::string_view entry);

// What the entry alone tells of a function, without its documentation: each
// parameter a free entry named as in the prototype.
FunctionDetails DetailsFromEntry(std::string_view entry);

// Every parameter of an entry as it is written there: the pieces between its
// outermost parentheses, split at the commas of their own level, blanks left
// out. None for "()" and "(void)". The views point into `entry`.
std::vector<std::string_view> ParameterTexts(std::string_view entry);

// The name a parameter is called by: the identifier after "(*" of a function
// pointer, else the last identifier before any "[". Empty for an unnamed one
// ("int", "char *") and for "...".
std::string_view ParameterNameOf(std::string_view parameterText);

}  // namespace wrennet::lsp
