#include "settings/ini_lines.h"

#include "common/ascii_case.h"
#include "common/blank_trim.h"
#include "common/byte_class.h"
#include "common/no_position.h"

namespace wrennet::ini {
namespace {

std::string_view SkipLeading(std::string_view text, bool alsoVerticalTab) {
    std::size_t i = 0;
    while (i < text.size() && (IsBlankOrTab(text[i]) || (alsoVerticalTab && text[i] == '\v'))) ++i;
    return text.substr(i);
}

void Classify(std::string_view text, IniLine& line) {
    if (std::string_view header = SkipLeading(text, false); header.starts_with('[')) {
        header.remove_prefix(1);
        line.kind = LineKind::Header;
        line.name = TrimBlanksAndTabs(header.substr(0, header.find(']')));
        return;
    }
    const std::string_view key = SkipLeading(text, true);
    if (key.empty()) {
        line.kind = LineKind::Blank;
    } else if (key.front() == ';') {
        line.kind = LineKind::Comment;
    } else {
        line.kind = LineKind::Key;
        const std::size_t equals = key.find('=');
        line.name = TrimBlanksAndTabs(key.substr(0, equals));
        if (equals != kNoPosition) line.value = TrimBlanksAndTabs(key.substr(equals + 1));
    }
}

}  // namespace

std::optional<IniLine> IniLineReader::next() {
    if (pos_ >= content_.size()) return std::nullopt;
    IniLine line;
    line.begin = pos_;
    const std::size_t newline = content_.find('\n', pos_);
    if (newline == kNoPosition) {
        line.textEnd = line.end = content_.size();
    } else {
        line.end = newline + 1;
        line.textEnd = (newline > pos_ && content_[newline - 1] == '\r') ? newline - 1 : newline;
    }
    pos_ = line.end;
    Classify(content_.substr(line.begin, line.textEnd - line.begin), line);
    return line;
}

std::optional<IniSection> FindSection(std::string_view content, std::string_view name) {
    IniLineReader reader(content);
    std::optional<IniSection> section;
    while (auto line = reader.next()) {
        if (line->kind == LineKind::Header) {
            if (section) break;
            if (NamesEqual(line->name, name)) section.emplace().header = *line;
        } else if (section) {
            section->body.push_back(*line);
        }
    }
    return section;
}

bool NamesEqual(std::string_view a, std::string_view b) { return EqualIgnoringAsciiCase(a, b); }

std::string NameLookupKey(std::string_view name) {
    std::string key(name);
    for (char& c : key) c = ToLowerAscii(c);
    return key;
}

std::string_view KeyNameAsRead(std::string_view key) {
    return TrimBlanksAndTabs(SkipLeading(key, true));
}

std::string_view LineEndOf(std::string_view content) {
    const std::size_t newline = content.find('\n');
    return (newline != kNoPosition && newline > 0 && content[newline - 1] == '\r') ? "\r\n" : "\n";
}

}  // namespace wrennet::ini
