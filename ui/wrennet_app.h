// WrennetApp: the program start, from the program folder to the running window.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "library/file_reader.h"

namespace wrennet {

class Platform;
class WrennetDlg;
class WrennetSettings;

// The executable's folder as it is (names keep their letter case here),
// with its closing "/".
std::string ProgramFolder(std::string_view executablePath);

// Start-up: finds the program folder, records it in the settings, opens the
// introductory text when the settings ask for it, and runs the main window.
class WrennetApp {
  public:
    WrennetApp(Platform& platform, const FileReader& files);
    ~WrennetApp();

    // Everything before the window runs; the window is set up and not shown.
    // Each of `libraries` (named on the command line) is then added as &Add
    // adds a file, the last one staying selected.
    WrennetDlg& startUp(const std::vector<std::string>& libraries = {});
    // startUp(), then the window runs until it closes.
    int run(const std::vector<std::string>& libraries = {});

  private:
    Platform& platform_;
    const FileReader& files_;
    std::string programFolder_;
    std::unique_ptr<WrennetSettings> settings_;
    std::unique_ptr<WrennetDlg> window_;
};

}  // namespace wrennet
