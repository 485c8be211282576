#include "lsp/language_server.h"

#include "lsp/completion.h"
#include "lsp/diagnostics.h"
#include "lsp/hover.h"
#include "lsp/range_json.h"
#include "lsp/signature_help.h"

namespace wrennet::lsp {
namespace {

constexpr int kIncrementalSync = 2;

bool ClientTakesSnippets(const Json& params) {
    const Json::json_pointer pointer(
        "/capabilities/textDocument/completion/completionItem/snippetSupport");
    return params.contains(pointer) && params.at(pointer).is_boolean() &&
           params.at(pointer).get<bool>();
}

std::vector<std::string> LibrariesOf(const Json& params) {
    std::vector<std::string> libraries;
    const Json::json_pointer pointer("/initializationOptions/libraries");
    if (!params.contains(pointer) || !params.at(pointer).is_array()) return libraries;
    for (const Json& library : params.at(pointer)) {
        if (library.is_string()) libraries.push_back(library.get<std::string>());
    }
    return libraries;
}

const std::string& UriOf(const Json& params) {
    return params.at("textDocument").at("uri").get_ref<const std::string&>();
}

}  // namespace

LanguageServer::LanguageServer(const FileReader& files, ServerOptions options, Publish publish)
    : libraries_(files), options_(std::move(options)), publish_(std::move(publish)) {}

Json LanguageServer::initialize(const Json& params) {
    snippetSupport_ = ClientTakesSnippets(params);
    const std::vector<std::string> fromClient = LibrariesOf(params);
    libraries_.add(options_.libraries);
    libraries_.add(fromClient);
    if (options_.libraries.empty() && fromClient.empty() && options_.defaultLibraries) {
        libraries_.add(options_.defaultLibraries());
    }
    libraries_.refresh();
    return {{"capabilities",
             {{"textDocumentSync", {{"openClose", true}, {"change", kIncrementalSync}}},
              {"completionProvider", {{"resolveProvider", true}}},
              {"hoverProvider", true},
              {"signatureHelpProvider", {{"triggerCharacters", {"(", ","}}}}}},
            {"serverInfo", {{"name", "wrennet"}, {"version", WRENNET_VERSION}}}};
}

std::string_view LanguageServer::documentText(const Json& params) const {
    const std::string* text = documents_.find(UriOf(params));
    return text ? std::string_view(*text) : std::string_view();
}

std::optional<Json> LanguageServer::request(std::string_view method, const Json& params) {
    if (method == "textDocument/completion") {
        refreshLibraries();
        return CompleteAt(libraries_, documentText(params), PositionFrom(params.at("position")),
                          snippetSupport_);
    }
    if (method == "completionItem/resolve") {
        refreshLibraries();
        return ResolveCompletion(libraries_, params);
    }
    if (method == "textDocument/hover") {
        refreshLibraries();
        return HoverAt(libraries_, documentText(params), PositionFrom(params.at("position")));
    }
    if (method == "textDocument/signatureHelp") {
        refreshLibraries();
        return SignatureHelpAt(libraries_, documentText(params),
                               PositionFrom(params.at("position")));
    }
    return std::nullopt;
}

void LanguageServer::notify(std::string_view method, const Json& params) {
    if (method == "textDocument/didOpen") {
        const Json& document = params.at("textDocument");
        const std::string& uri = document.at("uri").get_ref<const std::string&>();
        refreshLibraries();
        documents_.open(uri, document.at("text").get<std::string>());
        publishDiagnostics(uri, *documents_.find(uri));
    } else if (method == "textDocument/didChange") {
        const std::string& uri = UriOf(params);
        refreshLibraries();
        if (!documents_.change(uri, params.at("contentChanges"))) return;
        publishDiagnostics(uri, *documents_.find(uri));
    } else if (method == "textDocument/didClose") {
        const std::string uri = UriOf(params);
        documents_.close(uri);
        publish_(NotificationMessage("textDocument/publishDiagnostics",
                                     {{"uri", uri}, {"diagnostics", Json::array()}}));
    }
}

void LanguageServer::refreshLibraries() {
    if (!libraries_.refresh()) return;
    for (const auto& [uri, text] : documents_.all()) publishDiagnostics(uri, text);
}

void LanguageServer::publishDiagnostics(const std::string& uri, const std::string& text) {
    publish_(
        NotificationMessage("textDocument/publishDiagnostics",
                            {{"uri", uri}, {"diagnostics", DiagnoseDocument(libraries_, text)}}));
}

}  // namespace wrennet::lsp
