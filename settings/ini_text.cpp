#include "settings/ini_text.h"

#include <unordered_set>

#include "common/blank_trim.h"
#include "common/no_position.h"
#include "settings/ini_lines.h"

namespace wrennet::ini {
namespace {

std::string CutToCapacity(std::string_view text, std::size_t capacity) {
    // The caller's buffer also holds the terminating NUL.
    const std::size_t room = capacity == 0 ? 0 : capacity - 1;
    return std::string(text.substr(0, room));
}

std::string_view WithoutOuterQuotes(std::string_view value) {
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\'')) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string_view WithoutTrailingSpaces(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

bool HoldsLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != kNoPosition;
}

// A key that would read back as a header, a comment, a different name or
// several lines cannot be stored faithfully, so it is refused outright.
bool IsStorableKey(std::string_view key) {
    const std::string_view asRead = KeyNameAsRead(key);
    return !asRead.empty() && asRead.front() != '[' && asRead.front() != ';' &&
           asRead.find('=') == kNoPosition && !HoldsLineBreakOrNul(key);
}

// A "]" would end the name early when the header is read back.
bool IsStorableSection(std::string_view section) {
    return section.find(']') == kNoPosition && !HoldsLineBreakOrNul(section);
}

const IniLine* FindKey(const IniSection& section, std::string_view key) {
    for (const IniLine& line : section.body) {
        if (line.kind == LineKind::Key && NamesEqual(line.name, key)) return &line;
    }
    return nullptr;
}

std::string Splice(std::string_view content, std::size_t from, std::size_t to,
                   std::string_view replacement) {
    std::string result;
    result.reserve(content.size() - (to - from) + replacement.size());
    result.append(content.substr(0, from)).append(replacement).append(content.substr(to));
    return result;
}

// The line end that closes a last line lacking one. A CR ending that line is
// part of its text, and a LF right after it would turn it into a line end
// and change what the line reads as; "\r\n" keeps it text.
std::string_view EndingOfLastLine(std::string_view content, std::string_view lineEnd) {
    if (content.empty() || content.back() == '\n') return "";
    return content.back() == '\r' ? "\r\n" : lineEnd;
}

// A new line goes after `anchor`; an anchor without a line end is the last
// line of the file and is ended first.
std::string InsertLineAfter(std::string_view content, const IniLine& anchor,
                            std::string_view newLine, std::string_view lineEnd) {
    std::string insertion(anchor.hasLineEnd() ? "" : EndingOfLastLine(content, lineEnd));
    insertion.append(newLine).append(lineEnd);
    return Splice(content, anchor.end, anchor.end, insertion);
}

}  // namespace

std::string ReadValue(std::string_view content, std::string_view section, std::string_view key,
                      std::string_view defaultValue, std::size_t capacity) {
    if (const auto found = FindSection(content, TrimBlanksAndTabs(section))) {
        if (const IniLine* line = FindKey(*found, KeyNameAsRead(key))) {
            return CutToCapacity(WithoutOuterQuotes(line->value), capacity);
        }
    }
    return CutToCapacity(WithoutTrailingSpaces(defaultValue), capacity);
}

std::vector<std::string> ReadKeyNames(std::string_view content, std::string_view section,
                                      std::size_t capacity) {
    std::vector<std::string> names;
    const auto found = FindSection(content, TrimBlanksAndTabs(section));
    if (!found) return names;
    std::size_t used = 0;  // the names so far, each with its terminator
    for (const IniLine& line : found->body) {
        // An empty name would read as the end of the list, so it is not listed.
        if (line.kind != LineKind::Key || line.name.empty()) continue;
        if (used + line.name.size() + 2 <= capacity) {
            names.emplace_back(line.name);
            used += line.name.size() + 1;
            continue;
        }
        // The overflowing name is kept as far as it fits with its terminator
        // and the final one; the names after it are lost.
        if (capacity > used + 2) names.emplace_back(line.name.substr(0, capacity - used - 2));
        break;
    }
    return names;
}

std::optional<std::string> WriteValue(std::string_view content, std::string_view section,
                                      std::string_view key, std::string_view value) {
    if (!IsStorableKey(key) || !IsStorableSection(section) || HoldsLineBreakOrNul(value)) {
        return std::nullopt;
    }
    const std::string_view name = KeyNameAsRead(key);
    const std::string_view sectionName = TrimBlanksAndTabs(section);
    const std::string_view lineEnd = LineEndOf(content);
    const auto found = FindSection(content, sectionName);
    if (!found) {
        std::string result(content);
        result.append(EndingOfLastLine(content, lineEnd));
        result.append("[").append(sectionName).append("]").append(lineEnd);
        result.append(name).append("=").append(value).append(lineEnd);
        return result;
    }
    if (const IniLine* line = FindKey(*found, name)) {
        // The file's spelling of the key stays; only the line's text changes.
        std::string replacement(line->name);
        replacement.append("=").append(value);
        return Splice(content, line->begin, line->textEnd, replacement);
    }
    // Trailing blank and comment lines stay with whatever follows them.
    const IniLine* anchor = &found->header;
    for (const IniLine& line : found->body) {
        if (line.kind == LineKind::Key) anchor = &line;
    }
    std::string newLine(name);
    newLine.append("=").append(value);
    return InsertLineAfter(content, *anchor, newLine, lineEnd);
}

std::string RewriteSection(std::string_view content, std::string_view section,
                           const std::vector<std::string>& keys, std::string_view value,
                           bool& allStored) {
    std::string next = DeleteSection(content, section);
    // A second section of the name takes the keys now: the writes one by one
    // say where each goes.
    const bool another = FindSection(next, TrimBlanksAndTabs(section)).has_value();
    std::unordered_set<std::string> written;
    std::string lineEnd;
    for (const std::string& key : keys) {
        if (another || written.empty()) {
            std::optional<std::string> withKey = WriteValue(next, section, key, value);
            if (!withKey) {
                allStored = false;
                continue;
            }
            next = std::move(*withKey);
            written.insert(NameLookupKey(KeyNameAsRead(key)));
            lineEnd = LineEndOf(next);
            continue;
        }
        // The section was made at the end of the file by the first write;
        // each further new key goes after the last, at the end.
        if (!IsStorableKey(key) || HoldsLineBreakOrNul(value)) {
            allStored = false;
            continue;
        }
        const std::string_view name = KeyNameAsRead(key);
        if (!written.insert(NameLookupKey(name)).second) continue;  // rewritten with its value
        next.append(name).append("=").append(value).append(lineEnd);
    }
    return next;
}

std::string DeleteKey(std::string_view content, std::string_view section, std::string_view key) {
    if (const auto found = FindSection(content, TrimBlanksAndTabs(section))) {
        if (const IniLine* line = FindKey(*found, KeyNameAsRead(key))) {
            return Splice(content, line->begin, line->end, "");
        }
    }
    return std::string(content);
}

std::string DeleteSection(std::string_view content, std::string_view section) {
    const auto found = FindSection(content, TrimBlanksAndTabs(section));
    if (!found) return std::string(content);
    // Comment and blank lines inside the section are left where they are.
    std::string result(content.substr(0, found->header.begin));
    for (const IniLine& line : found->body) {
        if (line.kind != LineKind::Key) {
            result.append(content.substr(line.begin, line.end - line.begin));
        }
    }
    const std::size_t sectionEnd = found->body.empty() ? found->header.end : found->body.back().end;
    result.append(content.substr(sectionEnd));
    return result;
}

}  // namespace wrennet::ini
