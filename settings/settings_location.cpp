#include "settings/settings_location.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace wrennet {

std::string SettingsFolder(const std::string& programFolder, const std::string& xdgConfigHome,
                           const std::string& home) {
    // The settings file is replaced through a temporary file and guarded by a
    // lock file beside it, so the folder itself has to take new files.
    if (!programFolder.empty() && ::access(programFolder.c_str(), W_OK | X_OK) == 0) {
        return programFolder;
    }
    // A relative configuration folder would depend on where Wrennet happened
    // to be started; the base directory rules say to ignore it.
    std::string config =
        !xdgConfigHome.empty() && xdgConfigHome.front() == '/' ? xdgConfigHome : home + "/.config";
    if (config.back() != '/') config += '/';
    const std::string folder = config + "wrennet/";
    // A folder that cannot be made shows up as a failed write, which is reported.
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

}  // namespace wrennet
