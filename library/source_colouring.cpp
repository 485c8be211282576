#include "library/source_colouring.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace wrennet {
namespace {

using Text = std::u16string_view;

constexpr std::array<Text, 39> kKeywords = {
    u"auto",  u"bool",     u"break",  u"case",     u"char",   u"const",    u"continue", u"default",
    u"do",    u"double",   u"else",   u"enum",     u"extern", u"false",    u"float",    u"for",
    u"goto",  u"if",       u"inline", u"int",      u"long",   u"register", u"restrict", u"return",
    u"short", u"signed",   u"sizeof", u"static",   u"struct", u"switch",   u"true",     u"typedef",
    u"union", u"unsigned", u"void",   u"volatile", u"while",  u"_Bool",    u"NULL"};

constexpr std::array<Text, 5> kDocTags = {u"@param", u"@brief", u"@note", u"@return", u"@returns"};

constexpr bool IsWordStart(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_';
}
constexpr bool IsWordPart(char16_t c) { return IsWordStart(c) || (c >= u'0' && c <= u'9'); }
constexpr bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

bool IsMarkerLine(Text line) {
    return line.starts_with(u"; C Function prototype:") ||
           line.starts_with(u"@ C Function prototype:");
}

std::size_t WordEnd(Text line, std::size_t at) {
    while (at < line.size() && IsWordPart(line[at])) ++at;
    return at;
}

// Collects spans, joining neighbours of one colour.
class SpanWriter {
  public:
    explicit SpanWriter(std::vector<ColourSpan>& spans) : spans_(spans) {}

    void add(std::size_t start, std::size_t end, SourceColour colour) {
        if (end <= start) return;
        if (!spans_.empty() && spans_.back().colour == colour &&
            spans_.back().start + spans_.back().length == start) {
            spans_.back().length += end - start;
            return;
        }
        spans_.push_back({start, end - start, colour});
    }

  private:
    std::vector<ColourSpan>& spans_;
};

// A comment's text from `from` to `to`: its tags and value lists stand out.
void AddComment(Text line, std::size_t from, std::size_t to, SpanWriter& out) {
    std::size_t at = from;
    std::size_t plainFrom = from;
    // A value list that runs on from the line before ends at a "}" that
    // comes before any "{" or tag on this line.
    const Text part = line.substr(from, to - from);
    const std::size_t close = part.find(u'}');
    if (close != Text::npos && part.substr(0, close).find_first_of(u"{@") == Text::npos) {
        std::size_t listFrom = part.find_first_not_of(u" \t*");
        listFrom = listFrom < close ? listFrom : close;
        out.add(from, from + listFrom, SourceColour::Comment);
        out.add(from + listFrom, from + close + 1, SourceColour::ValueList);
        at = plainFrom = from + close + 1;
    }
    while (at < to) {
        if (line[at] == u'@') {
            const std::size_t end = WordEnd(line, at + 1);
            const Text word = line.substr(at, end - at);
            if (std::find(kDocTags.begin(), kDocTags.end(), word) != kDocTags.end()) {
                out.add(plainFrom, at, SourceColour::Comment);
                out.add(at, end, SourceColour::DocTag);
                at = plainFrom = end;
                continue;
            }
        } else if (line[at] == u':' && at + 1 < to && line[at + 1] == u'{') {
            const std::size_t found = line.substr(0, to).find(u'}', at + 2);
            const std::size_t end = found == Text::npos ? to : found + 1;
            out.add(plainFrom, at, SourceColour::Comment);
            out.add(at, end, SourceColour::ValueList);
            at = plainFrom = end;
            continue;
        }
        ++at;
    }
    out.add(plainFrom, to, SourceColour::Comment);
}

// A quoted text from its opening quote to the closing one, or to the line's end.
std::size_t QuotedEnd(Text line, std::size_t at) {
    const char16_t quote = line[at];
    for (++at; at < line.size(); ++at) {
        if (line[at] == u'\\') {
            ++at;
        } else if (line[at] == quote) {
            return at + 1;
        }
    }
    return line.size();
}

bool IsKeyword(Text word) {
    return std::find(kKeywords.begin(), kKeywords.end(), word) != kKeywords.end();
}

}  // namespace

LineColours ColourLine(Text line, bool startsInComment, SourceSyntax syntax) {
    LineColours colours;
    SpanWriter out(colours.spans);
    if (!startsInComment && syntax == SourceSyntax::Assembler && IsMarkerLine(line)) {
        out.add(0, line.size(), SourceColour::Marker);
        return colours;
    }
    const std::size_t firstShown = line.find_first_not_of(u" \t");
    const bool directive = firstShown != Text::npos && line[firstShown] == u'#';
    bool inComment = startsInComment;
    std::size_t at = 0;
    std::size_t plainFrom = 0;
    while (at < line.size()) {
        const Text rest = line.substr(at);
        // A comment runs to its "*/"; the "*" of the "/*" that opens it cannot close it.
        const bool opens = !inComment && rest.starts_with(u"/*");
        if (inComment || opens) {
            const std::size_t close = line.find(u"*/", opens ? at + 2 : at);
            const std::size_t end = close == Text::npos ? line.size() : close + 2;
            out.add(plainFrom, at, SourceColour::Plain);
            AddComment(line, at, end, out);
            inComment = close == Text::npos;
            at = plainFrom = end;
            continue;
        }
        const char16_t c = line[at];
        std::size_t end = at;
        SourceColour colour = SourceColour::Plain;
        if (rest.starts_with(u"//") || (c == u';' && syntax == SourceSyntax::Assembler)) {
            out.add(plainFrom, at, SourceColour::Plain);
            AddComment(line, at, line.size(), out);
            at = plainFrom = line.size();
            break;
        }
        if (c == u'"' || c == u'\'') {
            end = QuotedEnd(line, at);
            colour = SourceColour::String;
        } else if (IsDigit(c)) {
            end = WordEnd(line, at);
            while (end < line.size() && line[end] == u'.') end = WordEnd(line, end + 1);
            colour = SourceColour::Number;
        } else if (IsWordStart(c) || (c == u'#' && directive)) {
            end = WordEnd(line, at + 1);
            const Text word = line.substr(at, end - at);
            const bool keyword = (c == u'#') || (syntax == SourceSyntax::C && IsKeyword(word));
            colour = keyword ? SourceColour::Keyword : SourceColour::Plain;
        } else {
            end = at + 1;
        }
        if (colour != SourceColour::Plain) {
            out.add(plainFrom, at, SourceColour::Plain);
            out.add(at, end, colour);
            plainFrom = end;
        }
        at = end;
    }
    out.add(plainFrom, line.size(), SourceColour::Plain);
    colours.endsInComment = inComment;
    return colours;
}

SourceSyntax SyntaxOf(std::string_view text, std::size_t window) {
    const std::string_view start = text.substr(0, window);
    for (const std::string_view marker : {"; C Function prototype:", "@ C Function prototype:"}) {
        std::size_t at = start.find(marker);
        while (at != std::string_view::npos && at != 0 && start[at - 1] != '\n') {
            at = start.find(marker, at + 1);
        }
        if (at != std::string_view::npos) return SourceSyntax::Assembler;
    }
    return SourceSyntax::C;
}

bool StartsInBlockComment(std::string_view text, std::size_t offset, std::size_t lookBack) {
    offset = std::min(offset, text.size());
    const std::size_t floor = offset > lookBack ? offset - lookBack : 0;
    // Each "/" found going back may end "*/" or start "/*".
    for (std::size_t at = offset; at > floor;) {
        const void* found = memrchr(text.data() + floor, '/', at - floor);
        if (found == nullptr) return false;
        const std::size_t slash =
            static_cast<std::size_t>(static_cast<const char*>(found) - text.data());
        if (slash > 0 && text[slash - 1] == '*') return false;
        if (slash + 1 < offset && text[slash + 1] == '*') return true;
        at = slash;
    }
    return false;
}

}  // namespace wrennet
