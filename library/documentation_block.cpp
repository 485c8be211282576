#include "library/documentation_block.h"

#include "common/blank_trim.h"
#include "common/no_position.h"

namespace wrennet {
namespace {

// True when the line holds "/**" or "/*!" anywhere.
bool HoldsBlockOpener(std::string_view line) {
    for (std::size_t at = line.find("/*"); at != kNoPosition; at = line.find("/*", at + 1)) {
        if (at + 2 < line.size() && (line[at + 2] == '*' || line[at + 2] == '!')) return true;
    }
    return false;
}

}  // namespace

std::string_view DocumentationLine(std::string_view line) {
    if (!HoldsBlockOpener(line)) return line;
    return SkipBlanksAndTabs(line);
}

bool IsBlockOpener(std::string_view line) {
    return line.starts_with("/**") || line.starts_with("/*!");
}

}  // namespace wrennet
