// wrennet-cli's commands (list, source, params, call), each writing its answer.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "library/file_reader.h"
#include "library/message.h"

namespace wrennet::cli {

// What one command leaves besides its standard output: the messages the window
// would have shown (in its order) and the exit status.
struct CommandOutcome {
    Messages messages;
    int status = 0;
};

// The function combo's entries for the library, one per line.
CommandOutcome ListFunctions(const FileReader& files, const std::string& library,
                             std::ostream& out);

// The source pane after the function has been chosen.
CommandOutcome ShowSource(const FileReader& files, const std::string& library,
                          const std::string& prototype, std::ostream& out);

// The parameter panel after the function has been chosen, as one JSON record.
CommandOutcome DescribeParams(const FileReader& files, const std::string& library,
                              const std::string& prototype, std::ostream& out);

// The call text that Copy places on the clipboard, with `values` given to the
// slots in order as the user would give them.
CommandOutcome ComposeCall(const FileReader& files, const std::string& library,
                           const std::string& prototype, const std::vector<std::string>& values,
                           std::ostream& out);

}  // namespace wrennet::cli
