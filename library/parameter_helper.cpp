#include "library/parameter_helper.h"

#include <string>

#include "library/helper_name.h"

namespace wrennet {
namespace {

// Single quotes keep every byte as it is; a quote inside is closed, escaped
// and reopened.
std::string ShellQuoted(std::string_view text) {
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted.push_back(c);
        }
    }
    quoted.push_back('\'');
    return quoted;
}

}  // namespace

HelperStart BuildHelperCommand(std::string_view startUpLibraryPath, std::string_view valueText) {
    HelperStart start;
    if (std::optional<Message> refusal = RefuseHelperName(valueText)) {
        start.messages.push_back(std::move(*refusal));
        return start;
    }
    const std::string name(valueText);
    const std::size_t slash = startUpLibraryPath.rfind('/');
    const std::string_view folder = slash == std::string_view::npos
                                        ? std::string_view()
                                        : startUpLibraryPath.substr(0, slash + 1);
    HelperCommand command;
    command.shown = std::string(folder) + name;
    command.shell = ShellQuoted(folder.empty() ? "./" : folder) + name;
    start.command = std::move(command);
    return start;
}

std::optional<Message> ReportHelperRun(const HelperCommand& command, int systemResult) {
    if (systemResult == -1)
        return Message{command.shown + " or CMD.EXE not found.", MessageIcon::Warning};
    // A wait status: the exit status in the second byte, no signal in the first.
    if ((systemResult & 0x7F) != 0) return std::nullopt;
    switch ((systemResult >> 8) & 0xFF) {
        case 127:
            return Message{command.shown + " or CMD.EXE not found.", MessageIcon::Warning};
        case 126:
            return Message{command.shown + " is not executable.", MessageIcon::Warning};
        default:
            return std::nullopt;
    }
}

}  // namespace wrennet
