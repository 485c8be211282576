// Completion: the library functions offered for the word being typed.
#pragma once

#include <cstddef>
#include <string_view>

#include "lsp/json_rpc.h"
#include "lsp/library_set.h"
#include "lsp/text_position.h"

namespace wrennet::lsp {

// A long answer is cut here and marked incomplete: the editor asks again as
// the user types on, so a library of 100,000 functions answers as fast as one of ten.
inline constexpr std::size_t kMaxCompletionItems = 200;

// The completion list for the word before `position`: every function whose
// name starts with it, letter case aside.
Json CompleteAt(LibrarySet& libraries, std::string_view text, TextPosition position,
                bool snippetSupport);

// The documentation of an item that CompleteAt had no time to read it for;
// any other item comes back as it is.
Json ResolveCompletion(LibrarySet& libraries, Json item);

}  // namespace wrennet::lsp
