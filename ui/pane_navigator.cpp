#include "ui/pane_navigator.h"

#include <algorithm>

#include "library/pane_navigation.h"
#include "ui/source_pane.h"

namespace wrennet {

int LineOfPosition(std::string_view paneText, std::size_t position) {
    const std::size_t end = std::min(position, paneText.size());
    return static_cast<int>(
        std::count(paneText.begin(), paneText.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
}

void PaneNavigator::goToParameter(std::string_view paneText, std::string_view parameterName) {
    scrollToPosition(paneText, ParameterPosition(paneText, parameterName));
}

void PaneNavigator::goToDeclaration(std::string_view paneText, std::string_view returnType,
                                    std::string_view functionName) {
    scrollToPosition(paneText, DeclarationPosition(paneText, returnType, functionName));
}

void PaneNavigator::scrollToPosition(std::string_view paneText,
                                     std::optional<std::size_t> position) {
    const int line = position ? LineOfPosition(paneText, *position) : pane_.caretLine();
    pane_.scrollToLine(line);
}

int PaneNavigator::firstVisibleLine() const { return pane_.firstVisibleLine(); }

}  // namespace wrennet
