#include "cli/snippet_file.h"

#include <set>
#include <string_view>
#include <utility>

#include "cli/json_writer.h"
#include "library/display_text.h"
#include "library/scanner.h"
#include "library/source_lookup.h"
#include "lsp/call_snippet.h"

namespace wrennet::cli {

namespace {

// Told that the source was found, the parameter reader still splits the
// prototype when the lookup failed: the library stands in for the source.
constexpr bool kSplitWithoutSource = true;

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The rest of the first "@brief" line of the pane text, empty when there is none.
std::string_view BriefText(std::string_view paneText) {
    constexpr std::string_view kBrief = "@brief";
    const std::size_t at = paneText.find(kBrief);
    if (at == std::string_view::npos) return {};
    const std::string_view rest = paneText.substr(at + kBrief.size());
    return TrimBlanks(rest.substr(0, rest.find('\n')));
}

std::string FileName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The snippet of one function entry. Without its documentation the call still
// gets a placeholder per parameter: the library itself is read for the split,
// as nothing in it documents the function.
Json SnippetOf(const FileReader& files, const std::string& library, const std::string& entry,
               std::string& name) {
    const SourceLookup lookup = FindFunctionSource(files, ToSourceName(library), entry);
    const FunctionDetails details =
        lookup.found ? ReadParamChoices(files, lookup.path, entry, lookup.found)
                     : ReadParamChoices(files, library, entry, kSplitWithoutSource);
    name = details.functionName;
    const std::string_view brief = lookup.found ? BriefText(lookup.paneText) : std::string_view{};
    return {{"prefix", DisplayText(details.functionName)},
            {"body", DisplayText(lsp::BuildCall(details, entry, lsp::CallStyle::Snippet))},
            {"description", DisplayText(brief.empty() ? std::string_view(entry) : brief)},
            {"scope", "c,cpp"}};
}

// The key of a snippet: its name, else the name and the library's file name,
// else those numbered from 2.
std::string FreeKey(const Json& snippets, const std::string& name, const std::string& libraryName) {
    if (!snippets.contains(name)) return name;
    const std::string withLibrary = name + " (" + libraryName + ")";
    std::string key = withLibrary;
    for (int n = 2; snippets.contains(key); ++n) key = withLibrary + " " + std::to_string(n);
    return key;
}

}  // namespace

CommandOutcome WriteSnippetFile(const FileReader& files, const std::vector<std::string>& libraries,
                                std::ostream& out) {
    CommandOutcome outcome;
    Json snippets = Json::object();
    std::set<std::string_view> seenLibraries;
    for (const std::string& library : libraries) {
        // A library named twice (a shell pattern and a name, say) adds nothing new.
        if (!seenLibraries.insert(library).second) continue;
        ScanResult scan = ScanLibraryFile(files, library);
        if (!scan.opened) {
            outcome.messages.insert(outcome.messages.end(), scan.messages.begin(),
                                    scan.messages.end());
            outcome.status = 1;
            continue;
        }
        // The list keeps an entry written twice; one snippet is enough.
        std::set<std::string_view> written;
        for (const std::string_view entry : scan.entries) {
            if (!written.insert(entry).second) continue;
            std::string name;
            Json snippet = SnippetOf(files, library, std::string(entry), name);
            const std::string key =
                FreeKey(snippets, DecodeForDisplay(name), DecodeForDisplay(FileName(library)));
            snippets[key] = std::move(snippet);
        }
    }
    out << Indented(snippets) << '\n';
    return outcome;
}

}  // namespace wrennet::cli
