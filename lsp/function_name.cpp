#include "lsp/function_name.h"

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

std::vector<std::string_view> ParameterTexts(std::string_view entry) {
    std::vector<std::string_view> pieces;
    const std::size_t open = entry.find('(');
    const std::size_t close = entry.rfind(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
        return pieces;
    }
    auto addPiece = [&](std::size_t from, std::size_t to) {
        while (from < to && (entry[from] == ' ' || entry[from] == '\t')) ++from;
        while (to > from && (entry[to - 1] == ' ' || entry[to - 1] == '\t')) --to;
        const std::string_view piece = entry.substr(from, to - from);
        if (!piece.empty() && piece != "void") pieces.push_back(piece);
    };
    int depth = 0;
    std::size_t pieceStart = open + 1;
    for (std::size_t i = open + 1; i < close; ++i) {
        if (entry[i] == '(') ++depth;
        if (entry[i] == ')') --depth;
        if (entry[i] == ',' && depth == 0) {
            addPiece(pieceStart, i);
            pieceStart = i + 1;
        }
    }
    addPiece(pieceStart, close);
    return pieces;
}

std::string_view ParameterNameOf(std::string_view parameterText) {
    std::string_view text = parameterText;
    const std::size_t pointer = text.find("(*");
    if (pointer != std::string_view::npos) {
        text = text.substr(pointer + 2);
        std::size_t start = 0;
        while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
        std::size_t end = start;
        while (end < text.size() && IsNameCharacter(text[end])) ++end;
        return text.substr(start, end - start);
    }
    text = text.substr(0, text.find('['));
    std::size_t end = text.size();
    while (end > 0 && !IsNameCharacter(text[end - 1])) --end;
    std::size_t start = end;
    while (start > 0 && IsNameCharacter(text[start - 1])) --start;
    // A lone word is a type with no name ("int"), and so is a name right
    // after the start with only "*" or blanks before it.
    const std::string_view before = text.substr(0, start);
    if (before.find_first_not_of(" \t*") == std::string_view::npos) return {};
    if (start < end && text[start] >= '0' && text[start] <= '9') return {};
    return text.substr(start, end - start);
}

}  // namespace wrennet::lsp
