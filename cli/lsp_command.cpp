#include "cli/lsp_command.h"

#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "lsp/server_loop.h"
#include "settings/settings_location.h"
#include "settings/wrennet_settings.h"

namespace wrennet::cli {
namespace {

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The libraries the window lists, from the Wrennet.ini it would read: the
// program folder is the folder of the real executable.
std::vector<std::string> WindowLibraries() {
    std::error_code ignored;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ignored);
    const std::string folder = program.parent_path().string() + "/";
    const WrennetSettings settings(
        folder, SettingsFolder(folder, Environment("XDG_CONFIG_HOME"), Environment("HOME")));
    return settings.libraries();
}

}  // namespace

std::optional<std::vector<std::string>> LspLibraries(const std::vector<std::string>& args) {
    std::vector<std::string> libraries;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (args[i] != "--library" || i + 1 >= args.size()) return std::nullopt;
        libraries.push_back(args[i + 1]);
    }
    return libraries;
}

int RunLspCommand(std::vector<std::string> libraries) {
    lsp::ServerOptions options;
    options.libraries = std::move(libraries);
    options.defaultLibraries = WindowLibraries;
    // A client that goes away must end the server through a failed write,
    // not through the signal.
    std::signal(SIGPIPE, SIG_IGN);
    const PosixFileReader files;
    return lsp::RunLanguageServer(STDIN_FILENO, STDOUT_FILENO, files, std::move(options));
}

}  // namespace wrennet::cli
