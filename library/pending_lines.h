// PendingLines: the lines of the documentation block being read.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wrennet {

// The lines of the documentation block being read, kept as they came. Readers of
// a source file throw the block away at every new opener, so the work that turns
// a line into display or documentation text is spent only on the block that is
// kept in the end. Line boundaries are kept because that work is done per line.
class PendingLines {
  public:
    void add(std::string_view line) {
        text_.append(line);
        ends_.push_back(text_.size());
    }

    void clear() {
        text_.clear();
        ends_.clear();
    }

    // Calls visit(line) for every line, in order.
    template <class Visit>
    void forEach(Visit visit) const {
        std::size_t begin = 0;
        for (const std::size_t end : ends_) {
            visit(std::string_view(text_).substr(begin, end - begin));
            begin = end;
        }
    }

    std::size_t size() const { return text_.size(); }

  private:
    std::string text_;
    std::vector<std::size_t> ends_;
};

}  // namespace wrennet
