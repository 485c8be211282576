#include "lsp/completion.h"

#include <chrono>
#include <cstdio>

#include "lsp/c_calls.h"
#include "lsp/call_snippet.h"
#include "lsp/code_block.h"
#include "lsp/function_name.h"
#include "lsp/param_summary.h"
#include "lsp/range_json.h"

namespace wrennet::lsp {
namespace {

constexpr int kFunctionKind = 3;
constexpr int kPlainTextFormat = 1;
constexpr int kSnippetFormat = 2;
// Reading a function's documentation means reading its source file. Past
// this much time in one answer, the remaining items offer no value lists and
// leave their documentation to completionItem/resolve, so that a huge
// documented library stays responsive; what was read is kept for the next answer.
constexpr std::chrono::milliseconds kDocumentationBudget{50};

std::string_view FileNameOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string SortText(std::size_t rank) {
    char text[24];
    std::snprintf(text, sizeof text, "%06zu", rank);
    return text;
}

Json Documentation(const FunctionInfo& info, std::string_view entry) {
    std::string value = SourceCodeBlock(info, entry);
    value.push_back('\n');
    for (int k = 0; k < info.details.count; ++k) {
        const ParamChoice& param = info.details.slots[static_cast<std::size_t>(k)];
        const std::string summary = SummariseParameter(param);
        if (!summary.empty()) value.append("\n- `" + param.name + "`: " + summary);
    }
    return {{"kind", "markdown"}, {"value", value}};
}

}  // namespace

Json CompleteAt(LibrarySet& libraries, std::string_view text, TextPosition position,
                bool snippetSupport) {
    const LineIndex lines(text);
    const std::size_t offset = lines.offsetOf(position);
    const std::string_view word = WordBefore(text, offset);
    const Json range = RangeBetween(lines, offset - word.size(), offset);

    std::vector<FunctionRef> found = libraries.withPrefix(word, kMaxCompletionItems + 1);
    const bool cut = found.size() > kMaxCompletionItems;
    if (cut) found.pop_back();

    const auto deadline = std::chrono::steady_clock::now() + kDocumentationBudget;
    Json items = Json::array();
    for (std::size_t rank = 0; rank < found.size(); ++rank) {
        const FunctionRef function = found[rank];
        const std::string_view name = libraries.name(function);
        Json item = {{"label", libraries.entry(function)},
                     {"kind", kFunctionKind},
                     {"filterText", name},
                     {"sortText", SortText(rank)},
                     {"detail", FileNameOf(libraries.path(function))}};
        const bool inTime = std::chrono::steady_clock::now() < deadline;
        // Out of time, the prototype alone still gives the call its parameters.
        FunctionDetails details =
            inTime ? libraries.info(function).details : DetailsFromEntry(libraries.entry(function));
        details.functionName = name;
        const std::string insert =
            BuildCall(details, libraries.entry(function),
                      snippetSupport ? CallStyle::Snippet : CallStyle::PlainText);
        const int format = snippetSupport ? kSnippetFormat : kPlainTextFormat;
        if (inTime) {
            item["documentation"] =
                Documentation(libraries.info(function), libraries.entry(function));
        } else {
            item["data"] = {{"library", function.library}, {"entry", function.entry}};
        }
        item["insertTextFormat"] = format;
        item["textEdit"] = {{"range", range}, {"newText", insert}};
        items.push_back(std::move(item));
    }
    return {{"isIncomplete", cut}, {"items", std::move(items)}};
}

Json ResolveCompletion(LibrarySet& libraries, Json item) {
    const auto data = item.find("data");
    if (data == item.end() || !data->is_object()) return item;
    const FunctionRef function = {data->value("library", 0u), data->value("entry", 0u)};
    const auto label = item.find("label");
    // A rescan since the answer may have moved the function: the label tells.
    if (label == item.end() || !label->is_string() ||
        !libraries.holds(function, label->get_ref<const std::string&>())) {
        return item;
    }
    item["documentation"] = Documentation(libraries.info(function), libraries.entry(function));
    return item;
}

}  // namespace wrennet::lsp
