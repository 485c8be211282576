#include "lsp/text_position.h"

#include <algorithm>

namespace wrennet::lsp {
namespace {

// How many UTF-16 code units the character whose first byte is `lead` takes:
// two for the four-byte sequences, none for a continuation byte.
std::size_t Utf16Units(unsigned char lead) {
    if ((lead & 0xC0) == 0x80) return 0;
    return lead >= 0xF0 ? 2 : 1;
}

}  // namespace

LineIndex::LineIndex(std::string_view text) : text_(text) {
    lineStarts_.push_back(0);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (text[i] == '\n' || text[i] == '\r') lineStarts_.push_back(i + 1);
    }
}

std::size_t LineIndex::lineEnd(std::size_t line) const {
    std::size_t end = line + 1 < lineStarts_.size() ? lineStarts_[line + 1] : text_.size();
    if (end > lineStarts_[line] && line + 1 < lineStarts_.size()) {
        --end;
        if (end > lineStarts_[line] && text_[end] == '\n' && text_[end - 1] == '\r') --end;
    }
    return end;
}

std::size_t LineIndex::offsetOf(TextPosition position) const {
    if (position.line >= lineStarts_.size()) return text_.size();
    const std::size_t end = lineEnd(position.line);
    std::size_t offset = lineStarts_[position.line];
    std::size_t units = 0;
    while (offset < end) {
        const std::size_t width = Utf16Units(static_cast<unsigned char>(text_[offset]));
        if (units + width > position.character) break;
        units += width;
        ++offset;
    }
    return offset;
}

TextPosition LineIndex::positionOf(std::size_t offset) const {
    offset = std::min(offset, text_.size());
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    const auto line = static_cast<std::size_t>(after - lineStarts_.begin()) - 1;
    const std::size_t end = std::min(offset, lineEnd(line));
    std::size_t units = 0;
    for (std::size_t i = lineStarts_[line]; i < end; ++i) {
        units += Utf16Units(static_cast<unsigned char>(text_[i]));
    }
    return {line, units};
}

}  // namespace wrennet::lsp
