#include "lsp/c_calls.h"

#include <optional>

#include "common/byte_class.h"
#include "lsp/function_name.h"

namespace wrennet::lsp {
namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Where a comment or a string or character literal starting at `at` ends
// (just past it); `at` itself when none starts there. An unclosed one runs
// to the end of its line (literals) or of the text (block comments).
std::size_t SkipCommentOrLiteral(std::string_view text, std::size_t at) {
    const char c = text[at];
    const char next = at + 1 < text.size() ? text[at + 1] : '\0';
    if (c == '/' && next == '/') {
        const std::size_t end = text.find('\n', at);
        return end == kNone ? text.size() : end;
    }
    if (c == '/' && next == '*') {
        const std::size_t end = text.find("*/", at + 2);
        return end == kNone ? text.size() : end + 2;
    }
    if (c == '"' || c == '\'') {
        std::size_t i = at + 1;
        while (i < text.size() && text[i] != c && text[i] != '\n') i += text[i] == '\\' ? 2 : 1;
        return std::min(i + 1, text.size());
    }
    return at;
}

bool IsMemberAccess(std::string_view text, std::size_t nameStart) {
    std::size_t i = nameStart;
    while (i > 0 && IsCSpace(text[i - 1])) --i;
    if (i == 0) return false;
    return text[i - 1] == '.' || (text[i - 1] == '>' && i >= 2 && text[i - 2] == '-');
}

std::string_view Trimmed(std::string_view text, std::size_t& offset) {
    while (!text.empty() && IsCSpace(text.front())) {
        text.remove_prefix(1);
        ++offset;
    }
    while (!text.empty() && IsCSpace(text.back())) text.remove_suffix(1);
    return text;
}

// The arguments of the call whose "(" stands at `open`; nullopt when its
// parentheses do not close as a call's would.
std::optional<std::vector<CallArgument>> ReadArguments(std::string_view text, std::size_t open) {
    std::vector<CallArgument> arguments;
    int depth = 0;
    std::size_t argumentStart = open + 1;
    auto closeArgument = [&](std::size_t end) {
        std::size_t offset = argumentStart;
        const std::string_view argument =
            Trimmed(text.substr(argumentStart, end - argumentStart), offset);
        arguments.push_back({offset, argument});
        argumentStart = end + 1;
    };
    for (std::size_t i = open + 1; i < text.size();) {
        const std::size_t skipped = SkipCommentOrLiteral(text, i);
        if (skipped != i) {
            i = skipped;
            continue;
        }
        const char c = text[i];
        if (c == '(' || c == '[') ++depth;
        if ((c == ')' || c == ']') && depth > 0) {
            --depth;
        } else if (c == ')') {
            closeArgument(i);
            if (arguments.size() == 1 && arguments.front().text.empty()) arguments.clear();
            return arguments;
        } else if (c == ']' || c == ';' || c == '{' || c == '}') {
            return std::nullopt;
        } else if (c == ',' && depth == 0) {
            closeArgument(i);
        }
        ++i;
    }
    return std::nullopt;
}

}  // namespace

std::vector<CallSite> FindCalls(std::string_view text,
                                const std::function<bool(std::string_view)>& isFunction) {
    std::vector<CallSite> calls;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t skipped = SkipCommentOrLiteral(text, i);
        if (skipped != i) {
            i = skipped;
            continue;
        }
        if (!IsNameCharacter(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && IsNameCharacter(text[i])) ++i;
        const std::string_view name = text.substr(start, i - start);
        std::size_t open = i;
        while (open < text.size() && IsCSpace(text[open])) ++open;
        if (open >= text.size() || text[open] != '(' || IsMemberAccess(text, start) ||
            !isFunction(name)) {
            continue;
        }
        if (auto arguments = ReadArguments(text, open)) {
            calls.push_back({name, start, std::move(*arguments)});
        }
    }
    return calls;
}

std::vector<OpenCall> OpenCallsAt(std::string_view text, std::size_t offset) {
    struct Level {
        OpenCall call;
        bool named = false;
    };
    std::vector<Level> levels;
    offset = std::min(offset, text.size());
    for (std::size_t i = 0; i < offset;) {
        const std::size_t skipped = SkipCommentOrLiteral(text, i);
        if (skipped != i) {
            const bool inComment = text[i] == '/' && skipped > offset;
            if (inComment) return {};
            i = skipped;
            continue;
        }
        const char c = text[i];
        if (c == '(' || c == '[' || c == '{') {
            Level level;
            if (c == '(') {
                std::size_t end = i;
                while (end > 0 && IsCSpace(text[end - 1])) --end;
                std::size_t start = end;
                while (start > 0 && IsNameCharacter(text[start - 1])) --start;
                level.named = start < end;
                level.call = {text.substr(start, end - start), start, 0};
            }
            levels.push_back(level);
        } else if ((c == ')' || c == ']' || c == '}') && !levels.empty()) {
            levels.pop_back();
        } else if (c == ',' && !levels.empty()) {
            ++levels.back().call.activeArgument;
        }
        ++i;
    }
    std::vector<OpenCall> open;
    for (auto level = levels.rbegin(); level != levels.rend(); ++level) {
        if (level->named) open.push_back(level->call);
    }
    return open;
}

std::string_view WordBefore(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    std::size_t start = offset;
    while (start > 0 && IsNameCharacter(text[start - 1])) --start;
    return text.substr(start, offset - start);
}

std::string_view WordAround(std::string_view text, std::size_t offset, std::size_t& start) {
    offset = std::min(offset, text.size());
    start = offset;
    while (start > 0 && IsNameCharacter(text[start - 1])) --start;
    std::size_t end = offset;
    while (end < text.size() && IsNameCharacter(text[end])) ++end;
    return text.substr(start, end - start);
}

}  // namespace wrennet::lsp
