// Where in the pane text a name-label click scrolls to.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace wrennet {

// Character positions in the pane text that the name-label clicks scroll to;
// none when the text is not there.
// First "@param <name>" in the pane text.
std::optional<std::size_t> ParameterPosition(std::string_view paneText,
                                             std::string_view parameterName);

// Past the last "@brief <type> <name>", the next place where "<type> <name>"
// stands: the definition after the documentation block.
std::optional<std::size_t> DeclarationPosition(std::string_view paneText,
                                               std::string_view returnType,
                                               std::string_view functionName);

}  // namespace wrennet
