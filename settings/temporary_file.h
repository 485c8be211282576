// Temporary files beside the settings file, and the removal of those left over.
#pragma once

#include <string>

#include "common/file_descriptor.h"

namespace wrennet {

// A new, empty file beside `target` whose name no user would choose and that
// RemoveLeftoverTemporaries can tell apart from every file a user keeps there
// ("Wrennet.ini.backup", "Wrennet.ini.orig12" and the like).
struct TemporaryFile {
    FileDescriptor file{-1};  // not open when no file could be made
    std::string path;
};
TemporaryFile MakeTemporaryBeside(const std::string& target);

// Removes the temporary files that a process killed mid-write left beside
// `target`: only regular files of this user whose whole name has the form
// MakeTemporaryBeside gives. Call only while holding the writers' lock: then
// no live writer can own one of them.
void RemoveLeftoverTemporaries(const std::string& target);

// Whether `name` (a file name without folder) is one MakeTemporaryBeside
// gives for a target named `targetName`.
bool IsTemporaryName(const std::string& name, const std::string& targetName);

}  // namespace wrennet
