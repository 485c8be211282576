#include "lsp/hover.h"

#include "lsp/c_calls.h"
#include "lsp/code_block.h"
#include "lsp/range_json.h"

namespace wrennet::lsp {

Json HoverAt(LibrarySet& libraries, std::string_view text, TextPosition position) {
    const LineIndex lines(text);
    std::size_t start = 0;
    const std::string_view word = WordAround(text, lines.offsetOf(position), start);
    if (word.empty()) return nullptr;
    const std::vector<FunctionRef> functions = libraries.named(word);
    if (functions.empty()) return nullptr;
    const FunctionInfo& info = libraries.info(functions.front());
    const std::string value = SourceCodeBlock(info, libraries.entry(functions.front()));
    const Json range = RangeBetween(lines, start, start + word.size());
    return {{"contents", {{"kind", "markdown"}, {"value", value}}}, {"range", range}};
}

}  // namespace wrennet::lsp
