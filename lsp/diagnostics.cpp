#include "diagnostics.h"

#include "argument_check.h"
#include "c_calls.h"
#include "range_json.h"

namespace wrennet::lsp {
namespace {

constexpr int kWarning = 2;

}  // namespace

Json DiagnoseDocument(LibrarySet& libraries, std::string_view text) {
    Json diagnostics = Json::array();
    if (text.size() > kMaxDiagnosedBytes) return diagnostics;
    const LineIndex lines(text);
    const auto isLibraryFunction = [&](std::string_view name) {
        return !libraries.named(name).empty();
    };
    for (const CallSite& call : FindCalls(text, isLibraryFunction)) {
        // Two libraries may document one name differently: the first one listed speaks.
        const FunctionDetails& details = libraries.info(libraries.named(call.name).front()).details;
        const std::size_t judged =
            std::min(call.arguments.size(), static_cast<std::size_t>(details.count));
        for (std::size_t k = 0; k < judged; ++k) {
            const CallArgument& argument = call.arguments[k];
            const std::optional<std::string> warning =
                CheckArgument(details.slots[k], argument.text);
            if (!warning) continue;
            diagnostics.push_back({{"range", RangeBetween(lines, argument.offset,
                                                          argument.offset + argument.text.size())},
                                   {"severity", kWarning},
                                   {"source", "wrennet"},
                                   {"message", *warning}});
        }
    }
    return diagnostics;
}

}  // namespace wrennet::lsp
