// Calls of functions in C text, their arguments as written, and the words around a place.
#pragma once

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

namespace wrennet::lsp {

// One argument of a call as written, blanks around it left out.
struct CallArgument {
    std::size_t offset = 0;
    std::string_view text;
};

// A call "name(arg, ...)" found in C text.
struct CallSite {
    std::string_view name;
    std::size_t nameOffset = 0;
    std::vector<CallArgument> arguments;  // none for "name()"
};

// The calls of the functions `isFunction` accepts, outside comments and
// string and character literals, each with its closing ")" found. A call
// whose parentheses do not close before a ";" or a brace of its own level, or
// by the end, is not reported: text that does not read as a call is left alone.
// Members ("x.name(", "p->name(") are not calls of a library function.
std::vector<CallSite> FindCalls(std::string_view text,
                                const std::function<bool(std::string_view)>& isFunction);

// A call whose "(" is open at `offset`: the innermost comes first.
struct OpenCall {
    std::string_view name;
    std::size_t nameOffset = 0;
    std::size_t activeArgument = 0;  // the commas of its own level before `offset`
};

// The named calls open at `offset`, innermost first; none inside a comment.
std::vector<OpenCall> OpenCallsAt(std::string_view text, std::size_t offset);

// The word of name characters that ends at `offset` (empty when none does),
// and the one that holds `offset` (inside or at its end).
std::string_view WordBefore(std::string_view text, std::size_t offset);
std::string_view WordAround(std::string_view text, std::size_t offset, std::size_t& start);

}  // namespace wrennet::lsp
