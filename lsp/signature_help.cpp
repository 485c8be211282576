#include "lsp/signature_help.h"

#include <utility>
#include <vector>

#include "lsp/c_calls.h"
#include "lsp/function_name.h"
#include "lsp/param_summary.h"

namespace wrennet::lsp {
namespace {

// Where each parameter stands in the entry, as [start, end) in UTF-16 code
// units.
std::vector<std::pair<std::size_t, std::size_t>> ParameterSpans(std::string_view entry) {
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    const LineIndex units(entry);
    for (const std::string_view piece : ParameterTexts(entry)) {
        const auto from = static_cast<std::size_t>(piece.data() - entry.data());
        spans.emplace_back(units.positionOf(from).character,
                           units.positionOf(from + piece.size()).character);
    }
    return spans;
}

Json Signature(LibrarySet& libraries, FunctionRef function) {
    const std::string_view entry = libraries.entry(function);
    const FunctionDetails& details = libraries.info(function).details;
    Json parameters = Json::array();
    std::size_t k = 0;
    for (const auto& [start, end] : ParameterSpans(entry)) {
        Json parameter = {{"label", {start, end}}};
        if (k < static_cast<std::size_t>(details.count)) {
            const std::string summary = SummariseParameter(details.slots[k]);
            if (!summary.empty()) parameter["documentation"] = summary;
        }
        parameters.push_back(std::move(parameter));
        ++k;
    }
    return {{"label", entry}, {"parameters", std::move(parameters)}};
}

}  // namespace

Json SignatureHelpAt(LibrarySet& libraries, std::string_view text, TextPosition position) {
    const LineIndex lines(text);
    for (const OpenCall& call : OpenCallsAt(text, lines.offsetOf(position))) {
        const std::vector<FunctionRef> functions = libraries.named(call.name);
        if (functions.empty()) continue;
        Json signatures = Json::array();
        for (const FunctionRef function : functions) {
            signatures.push_back(Signature(libraries, function));
        }
        return {{"signatures", std::move(signatures)},
                {"activeSignature", 0},
                {"activeParameter", call.activeArgument}};
    }
    return nullptr;
}

}  // namespace wrennet::lsp
