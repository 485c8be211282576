#include "pane_navigation.h"

#include <string>

namespace wrennet {

std::size_t ParameterPosition(std::string_view paneText, std::string_view parameterName) {
    std::string key = "@param ";
    key.append(parameterName);
    const std::size_t at = paneText.find(key);
    return at == std::string_view::npos ? kNoPosition : at;
}

std::size_t DeclarationPosition(std::string_view paneText, std::string_view returnType,
                                std::string_view functionName) {
    std::string together(returnType);
    together.push_back(' ');
    together.append(functionName);
    const std::string brief = "@brief " + together;
    std::size_t last = 0;
    for (std::size_t hit = paneText.find(brief); hit != std::string_view::npos;
         hit = paneText.find(brief, hit + 1)) {
        last = hit + 1;
    }
    // Start past "@brief " and the type, so the brief line itself is not found again.
    const std::size_t at = paneText.find(together, last + 10);
    return at == std::string_view::npos ? kNoPosition : at;
}

}  // namespace wrennet
