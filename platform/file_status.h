// Questions about a path asked of the file system on its own bytes.
#pragma once

#include <string>

namespace wrennet {

// True for a regular file that this process may read. Asked on the path's own
// bytes, so names that are not valid UTF-8 work as well as any other.
bool IsReadableRegularFile(const std::string& path);

}  // namespace wrennet
