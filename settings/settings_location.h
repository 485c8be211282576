// Where Wrennet.ini lives: the program folder or the configuration folder.
#pragma once

#include <string>

namespace wrennet {

// The folder that holds Wrennet.ini, with its closing "/": the program folder
// when it can be written (a copy unpacked or built in the user's own folder),
// otherwise "wrennet/" in the user's configuration folder, created when
// missing. That is $XDG_CONFIG_HOME when it names an absolute folder, else
// $HOME/.config. The environment comes in as arguments; an empty text stands
// for an unset variable.
std::string SettingsFolder(const std::string& programFolder, const std::string& xdgConfigHome,
                           const std::string& home);

}  // namespace wrennet
