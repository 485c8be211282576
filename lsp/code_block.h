// SourceCodeBlock: a function's documentation and definition as a Markdown code block.
#pragma once

#include <string>
#include <string_view>

#include "lsp/library_set.h"

namespace wrennet::lsp {

// A function's documentation block and definition as the source pane shows
// them (its bare entry when the documentation was not found), as a Markdown
// C code block.
std::string SourceCodeBlock(const FunctionInfo& info, std::string_view entry);

}  // namespace wrennet::lsp
