#include "function_name.h"

namespace wrennet::lsp {

std::string_view FunctionNameOf(std::string_view entry) {
    std::size_t end = entry.find('(');
    if (end == std::string_view::npos) return {};
    while (end > 0 && (entry[end - 1] == ' ' || entry[end - 1] == '\t')) --end;
    std::size_t start = end;
    while (start > 0 && IsNameCharacter(entry[start - 1])) --start;
    if (start == end || (entry[start] >= '0' && entry[start] <= '9')) return {};
    return entry.substr(start, end - start);
}

}  // namespace wrennet::lsp
