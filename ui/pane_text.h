// PaneText: the source pane's bytes, how they read and where their lines start.
#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ui/shown_text.h"

namespace wrennet {

// The source pane's text: the core's bytes as they are, how they read
// (decided once for the whole text) and where their lines start. It is built
// wherever the bytes arrive, a reading thread too, and then moved into the
// pane. Columns count the shown text's UTF-16 units.
class PaneText {
  public:
    PaneText() : PaneText(std::string()) {}
    explicit PaneText(std::string bytes);

    const std::string& bytes() const { return bytes_; }
    int lineCount() const { return static_cast<int>(lineStarts_.size()); }
    // Where `line` starts in bytes(); bytes().size() past the last line.
    std::size_t lineStart(int line) const;
    // The bytes of `line` without its "\n"; empty past the last line.
    std::string_view lineBytes(int line) const;
    qsizetype lineLength(int line) const;
    qsizetype longestLine() const { return longestLine_; }
    QString lineText(int line) const;
    // What stands in columns [fromColumn, fromColumn + columns) of `line`, as
    // far as whole characters go, and the column its first character stands
    // in (before `fromColumn` when that splits a surrogate pair). A line of
    // many megabytes is drawn from this, never decoded whole.
    struct Slice {
        QString text;
        qsizetype column = 0;
    };
    Slice lineSlice(int line, qsizetype fromColumn, qsizetype columns) const;
    // The whole text as shown; it decodes all of it.
    QString shown() const;
    // The shown text from a column of one line to a column of a later one.
    QString shownBetween(int fromLine, qsizetype fromColumn, int toLine, qsizetype toColumn) const;

  private:
    std::string bytes_;
    PaneEncoding encoding_;
    std::vector<std::size_t> lineStarts_;
    qsizetype longestLine_ = 0;
};

}  // namespace wrennet
