// LanguageServer: the answers to the protocol's requests, over the libraries.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "library/file_reader.h"
#include "lsp/document_store.h"
#include "lsp/library_set.h"
#include "lsp/session.h"

namespace wrennet::lsp {

struct ServerOptions {
    // The libraries named on the command line.
    std::vector<std::string> libraries;
    // Asked only when neither the command line nor the client names a library:
    // the libraries the window lists.
    std::function<std::vector<std::string>()> defaultLibraries;
};

// Completion, hover, signature help and diagnostics from the libraries'
// documentation, for the C documents the editor opens.
class LanguageServer final : public LanguageService {
  public:
    using Publish = std::function<void(const Json& notification)>;

    LanguageServer(const FileReader& files, ServerOptions options, Publish publish);

    Json initialize(const Json& params) override;
    std::optional<Json> request(std::string_view method, const Json& params) override;
    void notify(std::string_view method, const Json& params) override;

  private:
    // Rescans the libraries that changed on disk; the open documents are
    // judged again when any did.
    void refreshLibraries();
    void publishDiagnostics(const std::string& uri, const std::string& text);
    std::string_view documentText(const Json& params) const;

    LibrarySet libraries_;
    ServerOptions options_;
    Publish publish_;
    DocumentStore documents_;
    bool snippetSupport_ = false;
};

}  // namespace wrennet::lsp
