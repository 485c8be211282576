// TextPosition and LineIndex: places in a document as the protocol counts them.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace wrennet::lsp {

// A place in a document as the protocol counts it: zero-based line, and
// UTF-16 code units into the line.
struct TextPosition {
    std::size_t line = 0;
    std::size_t character = 0;
    friend bool operator==(const TextPosition&, const TextPosition&) = default;
};

// Converts between byte offsets into a UTF-8 document and protocol positions.
// Lines end at "\n", "\r\n" or a lone "\r". A position past the end of its
// line means the line's end; a line past the last means the document's end;
// one inside a character (half of a surrogate pair) means the character's start.
class LineIndex {
  public:
    explicit LineIndex(std::string_view text);

    std::size_t offsetOf(TextPosition position) const;
    TextPosition positionOf(std::size_t offset) const;

  private:
    std::size_t lineEnd(std::size_t line) const;

    std::string_view text_;
    std::vector<std::size_t> lineStarts_;
};

}  // namespace wrennet::lsp
