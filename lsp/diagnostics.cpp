#include "lsp/diagnostics.h"

#include <chrono>

#include "lsp/argument_check.h"
#include "lsp/c_calls.h"
#include "lsp/range_json.h"

namespace wrennet::lsp {
namespace {

constexpr int kWarning = 2;
// Each function called is looked up in its documentation once, a read of its
// source file. Past this much time in one pass, only the calls of functions
// read before are judged: a long file that calls thousands of functions of a
// large library is judged a little more completely with each change, and no
// change waits long for its diagnostics.
constexpr std::chrono::milliseconds kDocumentationBudget{200};

// The parameter descriptions of the first function of that name (two
// libraries may document one name differently: the first listed speaks);
// nullptr when there is no time left to read them.
const FunctionDetails* DetailsOf(LibrarySet& libraries, std::string_view name, bool inTime) {
    const FunctionRef function = libraries.named(name).front();
    if (inTime) return &libraries.info(function).details;
    const FunctionInfo* info = libraries.infoIfRead(function);
    return info ? &info->details : nullptr;
}

}  // namespace

Json DiagnoseDocument(LibrarySet& libraries, std::string_view text) {
    Json diagnostics = Json::array();
    if (text.size() > kMaxDiagnosedBytes) return diagnostics;
    const LineIndex lines(text);
    const auto isLibraryFunction = [&](std::string_view name) {
        return !libraries.named(name).empty();
    };
    const auto deadline = std::chrono::steady_clock::now() + kDocumentationBudget;
    for (const CallSite& call : FindCalls(text, isLibraryFunction)) {
        const FunctionDetails* details =
            DetailsOf(libraries, call.name, std::chrono::steady_clock::now() < deadline);
        if (!details) continue;
        const std::size_t judged =
            std::min(call.arguments.size(), static_cast<std::size_t>(details->count));
        for (std::size_t k = 0; k < judged; ++k) {
            const CallArgument& argument = call.arguments[k];
            const std::optional<std::string> warning =
                CheckArgument(details->slots[k], argument.text);
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
