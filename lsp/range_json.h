// Positions and ranges of a document as the protocol's JSON writes them.
#pragma once

#include <cstddef>

#include "lsp/json_rpc.h"
#include "lsp/text_position.h"

namespace wrennet::lsp {

// The protocol's Range for the bytes [start, end) of an indexed document.
Json RangeBetween(const LineIndex& lines, std::size_t start, std::size_t end);

// A position the client sent: {"line": n, "character": n}.
TextPosition PositionFrom(const Json& position);

}  // namespace wrennet::lsp
