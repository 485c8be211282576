#include "pane_navigator.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <algorithm>

#include "pane_navigation.h"

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

void PaneNavigator::scrollToPosition(std::string_view paneText, std::size_t position) {
    const QTextCursor caret = pane_.textCursor();
    const int line = position == kNoPosition
                         ? caret.document()->findBlock(caret.selectionStart()).blockNumber()
                         : LineOfPosition(paneText, position);
    // Without wrapping the pane's vertical scroll bar counts lines, and its
    // value is the first visible one.
    pane_.verticalScrollBar()->setValue(line);
}

int PaneNavigator::firstVisibleLine() const { return pane_.verticalScrollBar()->value(); }

}  // namespace wrennet
