// SignatureHelpAt: the parameters of the call the cursor stands in.
#pragma once

#include <string_view>

#include "lsp/json_rpc.h"
#include "lsp/library_set.h"
#include "lsp/text_position.h"

namespace wrennet::lsp {

// Inside the parentheses of a call of a library function: its entry, each
// parameter with what its documentation allows, and the parameter the commas
// before `position` point at. Null outside any such call.
Json SignatureHelpAt(LibrarySet& libraries, std::string_view text, TextPosition position);

}  // namespace wrennet::lsp
