// BuildCall: a function's call as an editor inserts it, with or without tab stops.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "library/param_choices.h"

namespace wrennet::lsp {

// How an editor takes the inserted call: with tab stops, or as it stands.
enum class CallStyle { Snippet, PlainText };

// The call of `functionName` with one argument per parameter in `params`, as
// the parameter panel lays each out:
//   Snippet:   a value list or a flag list becomes a choice (`${1|0,1,2|}`, one
//              single flag per item: the user joins more with "|"), anything
//              else a placeholder named after the parameter (`${2:mode}`);
//   PlainText: the first item of a list, the parameter's name otherwise.
// Texts are escaped as the snippet grammar asks; empty list items are left out.
std::string BuildCall(std::string_view functionName, std::span<const ParamChoice> params,
                      CallStyle style);

// The call of the function `entry` declares: the parameters a reading of its
// documentation found (the first `details.count` slots), then one named
// placeholder for each further parameter of the entry, so that a function
// with more parameters than the documentation reading covers still gets a
// call with all its arguments. An unnamed parameter is called "argN".
std::string BuildCall(const FunctionDetails& details, std::string_view entry, CallStyle style);

}  // namespace wrennet::lsp
