// WriteSnippetFile: an editor snippet file with the call of every listed function.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "library/file_reader.h"

namespace wrennet::cli {

// A VS Code snippet file (`.code-snippets`) for every function of `libraries`,
// in command-line order and each in list order: prefix the function's name,
// body the call with a tab stop per parameter (as the language server inserts
// it), description the `@brief` text, or the entry when there is none. A name
// that a previous library already used is keyed with its library's file name
// too; a library named twice is read once. A library that cannot be read is
// reported and left out; the status is then 1, and the file holds the others.
CommandOutcome WriteSnippetFile(const FileReader& files, const std::vector<std::string>& libraries,
                                std::ostream& out);

}  // namespace wrennet::cli
