#include "library/pane_navigation.h"

#include <string>

#include "common/no_position.h"

namespace wrennet {

namespace {

std::optional<std::size_t> Found(std::size_t position) {
    if (position == kNoPosition) return std::nullopt;
    return position;
}

}  // namespace

std::optional<std::size_t> ParameterPosition(std::string_view paneText,
                                             std::string_view parameterName) {
    std::string key = "@param ";
    key.append(parameterName);
    return Found(paneText.find(key));
}

std::optional<std::size_t> DeclarationPosition(std::string_view paneText,
                                               std::string_view returnType,
                                               std::string_view functionName) {
    std::string together(returnType);
    together.push_back(' ');
    together.append(functionName);
    const std::string brief = "@brief " + together;
    std::size_t last = 0;
    for (std::size_t hit = paneText.find(brief); hit != kNoPosition;
         hit = paneText.find(brief, hit + 1)) {
        last = hit + 1;
    }
    // Start past "@brief " and the type, so the brief line itself is not found again.
    return Found(paneText.find(together, last + 10));
}

}  // namespace wrennet
