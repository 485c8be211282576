#include "pane_text.h"

#include <algorithm>
#include <cstring>

namespace wrennet {

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
