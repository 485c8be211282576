#include "lsp/range_json.h"

namespace wrennet::lsp {
namespace {

Json PositionJson(TextPosition position) {
    return {{"line", position.line}, {"character", position.character}};
}

}  // namespace

Json RangeBetween(const LineIndex& lines, std::size_t start, std::size_t end) {
    return {{"start", PositionJson(lines.positionOf(start))},
            {"end", PositionJson(lines.positionOf(end))}};
}

TextPosition PositionFrom(const Json& position) {
    return {position.at("line").get<std::size_t>(), position.at("character").get<std::size_t>()};
}

}  // namespace wrennet::lsp
