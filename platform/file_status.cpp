#include "platform/file_status.h"

#include <sys/stat.h>
#include <unistd.h>

namespace wrennet {

bool IsReadableRegularFile(const std::string& path) {
    if (path.empty()) return false;
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return false;
    return S_ISREG(status.st_mode) && ::access(path.c_str(), R_OK) == 0;
}

}  // namespace wrennet
