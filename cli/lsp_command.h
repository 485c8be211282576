// The lsp command of wrennet-cli: its library arguments and the server run on them.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace wrennet::cli {

// The libraries of an lsp command line, "--library PATH" repeated; nullopt
// when the arguments are anything else.
std::optional<std::vector<std::string>> LspLibraries(const std::vector<std::string>& args);

// The language server on standard input and output, on `libraries`, or on
// the libraries of the window's Wrennet.ini when neither they nor the client
// name one. Returns the exit status.
int RunLspCommand(std::vector<std::string> libraries);

}  // namespace wrennet::cli
