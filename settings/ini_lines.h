// The lines of a settings file, as offsets into its bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wrennet::ini {

enum class LineKind { Header, Key, Comment, Blank };

// One line of the settings file, as offsets into the file's bytes so that the
// writers can splice around it without disturbing any other byte.
struct IniLine {
    std::size_t begin = 0;
    std::size_t textEnd = 0;  // before the "\n" or "\r\n" that ends the line
    std::size_t end = 0;      // past the line end; equals textEnd on a last line without one
    LineKind kind = LineKind::Blank;
    std::string_view name;   // section name of a header, key name of a key line
    std::string_view value;  // value of a key line, blanks and tabs trimmed

    bool hasLineEnd() const { return end != textEnd; }
};

// Splits the bytes into classified lines one at a time; any bytes at all
// (NULs, garbage) are accepted.
class IniLineReader {
  public:
    explicit IniLineReader(std::string_view content) : content_(content) {}
    std::optional<IniLine> next();

  private:
    std::string_view content_;
    std::size_t pos_ = 0;
};

// The first section of a name with every line up to the next header.
struct IniSection {
    IniLine header;
    std::vector<IniLine> body;
};

std::optional<IniSection> FindSection(std::string_view content, std::string_view name);

// ASCII letters only: names are bytes, and other bytes must match exactly.
bool NamesEqual(std::string_view a, std::string_view b);

// The same text for two names that NamesEqual() takes for one, to look them up by.
std::string NameLookupKey(std::string_view name);

// A key name the way the reader would see it once written at a line start.
std::string_view KeyNameAsRead(std::string_view key);

// "\r\n" when the file's first line ends with it, so that new lines match.
std::string_view LineEndOf(std::string_view content);

}  // namespace wrennet::ini
