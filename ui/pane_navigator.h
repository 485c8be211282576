// PaneNavigator: the scrolls of the source pane that label clicks ask for.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace wrennet {

class SourcePane;

// The line of the pane that holds byte `position` of the pane text: the number
// of "\n" before it. The pane shows one line per "\n", so this is also the
// pane's own line number.
int LineOfPosition(std::string_view paneText, std::size_t position);

// Scrolls the source pane so that a place in its text becomes the first
// visible line, as far as the text allows. Neither the caret nor the
// selection moves.
class PaneNavigator {
  public:
    explicit PaneNavigator(SourcePane& pane) : pane_(pane) {}

    // The place of "@param <name>"; the caret's line when it is not there.
    void goToParameter(std::string_view paneText, std::string_view parameterName);
    // The definition after the documentation block of "<type> <name>".
    void goToDeclaration(std::string_view paneText, std::string_view returnType,
                         std::string_view functionName);
    // No position scrolls to the caret's line.
    void scrollToPosition(std::string_view paneText, std::optional<std::size_t> position);

    int firstVisibleLine() const;

  private:
    SourcePane& pane_;
};

}  // namespace wrennet
