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

FunctionDetails DetailsFromEntry(std::string_view entry) {
    SplitPrototypeResult split = SplitPrototype(entry);
    FunctionDetails details;
    details.returnType = std::move(split.returnType);
    details.functionName = std::move(split.functionName);
    for (std::size_t k = 0; k < split.names.size() && !split.names[k].empty(); ++k) {
        details.slots[k].name = std::move(split.names[k]);
        details.count = static_cast<int>(k) + 1;
    }
    return details;
}

}  // namespace wrennet::lsp
