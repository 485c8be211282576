// Documentation blocks: their openers and the lines as the readers see them.
#pragma once

#include <string_view>

namespace wrennet {

// A documentation block opens with "/**" or "/*!". Both the source lookup and the
// parameter reader find block openers the same way, so they agree on which block
// belongs to a function.

// The line as the block readers see it: without its leading blanks and tabs
// when it holds an opener anywhere, unchanged otherwise.
std::string_view DocumentationLine(std::string_view line);

// True when the (already stripped) line begins with "/**" or "/*!".
bool IsBlockOpener(std::string_view line);

}  // namespace wrennet
