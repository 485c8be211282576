// RunLanguageServer: one client served on two file descriptors.
#pragma once

#include "library/file_reader.h"
#include "lsp/language_server.h"

namespace wrennet::lsp {

// Serves one client on `input` and `output` until it says exit or goes away;
// returns the exit status the protocol asks for (0 after shutdown, 1 otherwise).
int RunLanguageServer(int input, int output, const FileReader& files, ServerOptions options);

}  // namespace wrennet::lsp
