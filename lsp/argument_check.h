// Literal arguments checked against what their parameter's documentation allows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "library/param_choices.h"

namespace wrennet::lsp {

// A C integer literal standing alone ("12", "-0x1F", "017", "40000UL");
// nullopt for anything else, and for one too large to hold.
std::optional<std::int64_t> IntegerLiteral(std::string_view text);

// The warning for an argument written as a literal that the parameter's
// documentation does not allow: a number outside its value list (one of
// numbers only) or its range, or a flag outside its flag list. Nothing for
// what could be a variable or an expression: an argument is judged only when
// every part of it is a literal, and a name in a flag list only beside a flag
// the list holds.
std::optional<std::string> CheckArgument(const ParamChoice& param, std::string_view argument);

}  // namespace wrennet::lsp
