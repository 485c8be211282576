// Parameter helpers: the command that starts one, and what its result says.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "library/message.h"

namespace wrennet {

// A parameter's helper application is named by text inside a library the
// user did not write, and it is run through the shell, from the folder of the
// library selected at start-up; RefuseHelperName decides which names may run.
struct HelperCommand {
    std::string shown;  // folder + value text, as messages show it
    std::string shell;  // the same with the folder quoted, for /bin/sh -c
};

struct HelperStart {
    std::optional<HelperCommand> command;  // nothing when the name is refused
    Messages messages;                     // why it was refused
};

// The command for the helper named by `valueText`: the folder of
// `startUpLibraryPath` (up to and including its last "/", empty when it has
// none) followed directly by the value text. A path without a folder runs the
// helper from the current folder, the one such a library path is read from,
// never from the shell's search path.
HelperStart BuildHelperCommand(std::string_view startUpLibraryPath, std::string_view valueText);

// What the result of running `command` (as std::system gives it) tells the
// user: "<command> or CMD.EXE not found." when the shell could not be run (-1)
// or reported the helper missing (exit status 127), "<command> is not
// executable." when the shell found it but could not run it (exit status 126);
// nothing otherwise.
std::optional<Message> ReportHelperRun(const HelperCommand& command, int systemResult);

}  // namespace wrennet
