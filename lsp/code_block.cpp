#include "lsp/code_block.h"

namespace wrennet::lsp {

std::string SourceCodeBlock(const FunctionInfo& info, std::string_view entry) {
    std::string block = "```c\n";
    block.append(info.lookup.found ? std::string_view(info.lookup.paneText) : entry);
    if (!block.ends_with('\n')) block.push_back('\n');
    block.append("```");
    return block;
}

}  // namespace wrennet::lsp
