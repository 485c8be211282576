#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace wrennet {

// What a piece of a pane line is, for its colour.
enum class SourceColour : std::uint8_t {
    Plain,
    Comment,
    DocTag,     // "@param", "@brief", "@note", "@return" in a comment
    ValueList,  // ":{...}" after a tag, and the rest of a list that runs on
    Keyword,    // a C keyword, or a preprocessor directive
    String,     // "..." and '...'
    Number,
    Marker,  // an assembler line that declares a function
};

// An assembler library writes its comments after ";" and has no C keywords;
// a C source's ";" ends a statement.
enum class SourceSyntax : std::uint8_t { C, Assembler };

struct ColourSpan {
    std::size_t start;   // in UTF-16 units of the line
    std::size_t length;  // never 0
    SourceColour colour;
    bool operator==(const ColourSpan&) const = default;
};

struct LineColours {
    // Covering the whole line, in order; neighbours differ in colour.
    std::vector<ColourSpan> spans;
    // Whether a "/*" comment is still open at the line's end.
    bool endsInComment = false;
};

// The pieces of one line (without its line end) as the pane shows it.
LineColours ColourLine(std::u16string_view line, bool startsInComment, SourceSyntax syntax);

// The syntax of a text, judged from its first `window` bytes: assembler when
// a function marker line is among them.
SourceSyntax SyntaxOf(std::string_view text, std::size_t window = 64 * 1024);

// Whether byte `offset` of `text` lies inside a "/*" comment: the last "/*" or
// "*/" before it decides. Only `lookBack` bytes are searched, so that a pane
// scrolled deep into a text without comments pays a bounded cost; none found
// there counts as outside.
bool StartsInBlockComment(std::string_view text, std::size_t offset,
                          std::size_t lookBack = std::size_t{1} << 20);

}  // namespace wrennet
