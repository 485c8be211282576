#pragma once

#include <cstddef>
#include <string_view>

#include "common/no_position.h"

namespace wrennet {

// Character positions in the pane text that the name-label clicks scroll to;
// kNoPosition means "the caret's line".
// First "@param <name>" in the pane text.
std::size_t ParameterPosition(std::string_view paneText, std::string_view parameterName);

// Past the last "@brief <type> <name>", the next place where "<type> <name>"
// stands: the definition after the documentation block.
std::size_t DeclarationPosition(std::string_view paneText, std::string_view returnType,
                                std::string_view functionName);

}  // namespace wrennet
