#include "documentation_block.h"

namespace wrennet {

bool HoldsBlockOpener(std::string_view line) {
    for (std::size_t at = line.find("/*"); at != std::string_view::npos;
         at = line.find("/*", at + 1)) {
        if (at + 2 < line.size() && (line[at + 2] == '*' || line[at + 2] == '!')) return true;
    }
    return false;
}

std::string_view DocumentationLine(std::string_view line) {
    if (!HoldsBlockOpener(line)) return line;
    const std::size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view{} : line.substr(first);
}

bool IsBlockOpener(std::string_view line) {
    return line.starts_with("/**") || line.starts_with("/*!");
}

}  // namespace wrennet
