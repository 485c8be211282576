#include "lsp/call_snippet.h"

#include <algorithm>
#include <vector>

#include "library/slot_layout.h"
#include "lsp/function_name.h"

namespace wrennet::lsp {
namespace {

// Outside a choice, "$", "}" and "\" would start or end a snippet element.
void AppendEscapedText(std::string_view text, std::string& out) {
    for (const char c : text) {
        if (c == '$' || c == '}' || c == '\\') out.push_back('\\');
        out.push_back(c);
    }
}

// Inside a choice, "," and "|" separate and end the items, and "\" escapes;
// editors read any other backslash literally, so nothing else is escaped.
void AppendEscapedChoiceItem(std::string_view text, std::string& out) {
    for (const char c : text) {
        if (c == ',' || c == '|' || c == '\\') out.push_back('\\');
        out.push_back(c);
    }
}

// The items a parameter offers to choose from: the value list's entries, or
// the single flags of a flag list; none for a range, helper or free entry.
std::vector<std::string> OfferedItems(const ParamChoice& param) {
    const SlotLayout layout = LayOutSlot(param);
    std::vector<std::string> pieces;
    if (layout.field == SlotField::Combo) {
        pieces = layout.items;
    } else if (layout.isChoiceList) {
        pieces = SplitAt(param.valueText, '|');
    }
    std::erase_if(pieces, [](const std::string& piece) { return piece.empty(); });
    return pieces;
}

void AppendSnippetArgument(const ParamChoice& param, int tabStop, std::string& out) {
    const std::vector<std::string> items = OfferedItems(param);
    out.append("${");
    out.append(std::to_string(tabStop));
    if (items.empty()) {
        out.push_back(':');
        AppendEscapedText(param.name, out);
        out.push_back('}');
        return;
    }
    out.push_back('|');
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out.push_back(',');
        AppendEscapedChoiceItem(items[i], out);
    }
    out.append("|}");
}

void AppendPlainArgument(const ParamChoice& param, std::string& out) {
    const std::vector<std::string> items = OfferedItems(param);
    out.append(items.empty() ? param.name : items.front());
}

}  // namespace

std::string BuildCall(std::string_view functionName, std::span<const ParamChoice> params,
                      CallStyle style) {
    std::string call;
    if (style == CallStyle::Snippet) {
        AppendEscapedText(functionName, call);
    } else {
        call.append(functionName);
    }
    call.push_back('(');
    int tabStop = 1;
    for (const ParamChoice& param : params) {
        if (tabStop > 1) call.push_back(',');
        if (style == CallStyle::Snippet) {
            AppendSnippetArgument(param, tabStop, call);
        } else {
            AppendPlainArgument(param, call);
        }
        ++tabStop;
    }
    call.push_back(')');
    return call;
}

std::string BuildCall(const FunctionDetails& details, std::string_view entry, CallStyle style) {
    const auto count = static_cast<std::size_t>(std::max(details.count, 0));
    std::vector<ParamChoice> params(details.slots.begin(), details.slots.begin() + count);
    const std::vector<std::string_view> written = ParameterTexts(entry);
    for (std::size_t k = params.size(); k < written.size(); ++k) {
        const std::string_view name = ParameterNameOf(written[k]);
        params.push_back(
            {name.empty() ? "arg" + std::to_string(k + 1) : std::string(name), "", ""});
    }
    return BuildCall(details.functionName, params, style);
}

}  // namespace wrennet::lsp
