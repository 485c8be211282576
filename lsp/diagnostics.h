// Diagnostics: warnings on literal arguments that their documentation does not allow.
#pragma once

#include <string_view>

#include "lsp/json_rpc.h"
#include "lsp/library_set.h"

namespace wrennet::lsp {

// Documents larger than this get no diagnostics: no C file is this big, and
// reading one must not hold up the answers.
inline constexpr std::size_t kMaxDiagnosedBytes = 8u * 1024 * 1024;

// A warning on each literal argument of a library call that its parameter's
// documentation does not allow.
Json DiagnoseDocument(LibrarySet& libraries, std::string_view text);

}  // namespace wrennet::lsp
