// SummariseParameter: what a parameter's documentation allows, in a few words.
#pragma once

#include <string>

#include "library/param_choices.h"

namespace wrennet::lsp {

// What the documentation allows for a parameter, in a few words for an
// editor's pop-up: "one of 0,1,2", "flags RD|WR|EX", "range 0-255",
// "helper pick.exe"; empty for a free entry.
std::string SummariseParameter(const ParamChoice& param);

}  // namespace wrennet::lsp
