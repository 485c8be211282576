#include "parameter_helper.h"

#include <string>

#include "slot_layout.h"

namespace wrennet {
namespace {

bool IsRefusedByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || byte == ' ') return true;
    return std::string_view(";&|`$<>()\\\"'*?[]{}!#~").find(c) != std::string_view::npos;
}

bool LeavesFolder(std::string_view valueText) {
    for (const std::string& step : SplitAt(valueText, '/')) {
        if (step == "..") return true;
    }
    return false;
}

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
    const std::string name(valueText);
    for (const char c : valueText) {
        if (IsRefusedByte(c)) {
            start.messages.push_back({name + ": helper name holds characters that are not allowed.",
                                      MessageIcon::Warning});
            return start;
        }
    }
    if (LeavesFolder(valueText)) {
        start.messages.push_back(
            {name + ": helper name leads out of the library's folder.", MessageIcon::Warning});
        return start;
    }
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
    // A wait status: the exit status in the second byte, no signal in the first.
    const bool exited127 =
        systemResult != -1 && (systemResult & 0x7F) == 0 && ((systemResult >> 8) & 0xFF) == 127;
    if (systemResult != -1 && !exited127) return std::nullopt;
    return Message{command.shown + " or CMD.EXE not found.", MessageIcon::Warning};
}

}  // namespace wrennet
