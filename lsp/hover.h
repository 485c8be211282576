// HoverAt: the documentation shown over a library function's name.
#pragma once

#include <string_view>

#include "lsp/json_rpc.h"
#include "lsp/library_set.h"
#include "lsp/text_position.h"

namespace wrennet::lsp {

// Over a library function's name: its documentation block and definition as
// the source pane shows them, as a C code block; null elsewhere.
Json HoverAt(LibrarySet& libraries, std::string_view text, TextPosition position);

}  // namespace wrennet::lsp
