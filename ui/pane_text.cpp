#include "ui/pane_text.h"

#include <algorithm>
#include <cstring>

namespace wrennet {
namespace {

// Bytes counted a block at a time, then one character at a time in the block
// that holds the column.
constexpr std::size_t kCountingBlock = 4096;

bool IsContinuationByte(std::string_view bytes, std::size_t at, PaneEncoding encoding) {
    return encoding == PaneEncoding::Utf8 && at < bytes.size() &&
           (static_cast<unsigned char>(bytes[at]) & 0xC0) == 0x80;
}

// The byte where the character that covers `column` begins, and its column.
std::pair<std::size_t, qsizetype> CharacterAtColumn(std::string_view bytes, qsizetype column,
                                                    PaneEncoding encoding) {
    std::size_t at = 0;
    qsizetype counted = 0;
    while (at < bytes.size()) {
        std::size_t end = std::min(bytes.size(), at + kCountingBlock);
        while (IsContinuationByte(bytes, end, encoding)) ++end;
        const qsizetype units = PaneTextLength(bytes.substr(at, end - at), encoding);
        if (counted + units > column) break;
        counted += units;
        at = end;
    }
    while (at < bytes.size()) {
        std::size_t end = at + 1;
        while (IsContinuationByte(bytes, end, encoding)) ++end;
        const qsizetype units = PaneTextLength(bytes.substr(at, end - at), encoding);
        if (counted + units > column) break;
        counted += units;
        at = end;
    }
    return {at, counted};
}

}  // namespace

PaneText::PaneText(std::string bytes)
    : bytes_(std::move(bytes)), encoding_(PaneEncodingOf(bytes_)) {
    lineStarts_.push_back(0);
    const char* const begin = bytes_.data();
    const char* const end = begin + bytes_.size();
    for (const char* at = begin; at < end;) {
        const auto* lineEnd =
            static_cast<const char*>(std::memchr(at, '\n', static_cast<std::size_t>(end - at)));
        if (lineEnd == nullptr) break;
        at = lineEnd + 1;
        lineStarts_.push_back(static_cast<std::size_t>(at - begin));
    }
    // A final line end does not open a line of its own.
    if (lineStarts_.size() > 1 && lineStarts_.back() == bytes_.size()) lineStarts_.pop_back();
    // A line shows no more units than it has bytes, so only a line with more
    // bytes than the longest so far needs counting.
    for (int line = 0; line < lineCount(); ++line) {
        if (static_cast<qsizetype>(lineBytes(line).size()) > longestLine_) {
            longestLine_ = std::max(longestLine_, lineLength(line));
        }
    }
}

std::size_t PaneText::lineStart(int line) const {
    if (line < 0) return 0;
    return line < lineCount() ? lineStarts_[static_cast<std::size_t>(line)] : bytes_.size();
}

std::string_view PaneText::lineBytes(int line) const {
    if (line < 0 || line >= lineCount()) return {};
    const std::size_t start = lineStarts_[static_cast<std::size_t>(line)];
    std::size_t end = line + 1 < lineCount() ? lineStarts_[static_cast<std::size_t>(line) + 1] - 1
                                             : bytes_.size();
    if (end > start && bytes_[end - 1] == '\n') --end;
    return std::string_view(bytes_).substr(start, end - start);
}

qsizetype PaneText::lineLength(int line) const {
    return PaneTextLength(lineBytes(line), encoding_);
}

QString PaneText::lineText(int line) const { return ToPaneText(lineBytes(line), encoding_); }

PaneText::Slice PaneText::lineSlice(int line, qsizetype fromColumn, qsizetype columns) const {
    const std::string_view bytes = lineBytes(line);
    const auto [start, column] = CharacterAtColumn(bytes, fromColumn, encoding_);
    const std::string_view rest = bytes.substr(start);
    const std::size_t length =
        CharacterAtColumn(rest, fromColumn - column + columns, encoding_).first;
    return {ToPaneText(rest.substr(0, length), encoding_), column};
}

QString PaneText::shown() const { return ToPaneText(bytes_, encoding_); }

QString PaneText::shownBetween(int fromLine, qsizetype fromColumn, int toLine,
                               qsizetype toColumn) const {
    if (fromLine < 0 || toLine >= lineCount() || fromLine > toLine) return {};
    // Whole lines are decoded, then cut at the columns.
    const std::string_view last = lineBytes(toLine);
    const std::size_t start = lineStarts_[static_cast<std::size_t>(fromLine)];
    const std::size_t end = static_cast<std::size_t>(last.data() - bytes_.data()) + last.size();
    const QString lines =
        ToPaneText(std::string_view(bytes_).substr(start, end - start), encoding_);
    const qsizetype cutAtEnd = PaneTextLength(last, encoding_) - toColumn;
    return lines.mid(fromColumn, lines.size() - cutAtEnd - fromColumn);
}

}  // namespace wrennet
