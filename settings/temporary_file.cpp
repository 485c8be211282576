#include "settings/temporary_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string_view>

#include "common/byte_class.h"

namespace wrennet {
namespace {

// mkostemp() fills the six X with letters and digits. The infix marks the file
// as Wrennet's own: a user's copy would have to spell it out exactly.
constexpr std::string_view kInfix = ".wrennet-unfinished-";
constexpr std::string_view kRandomPart = "XXXXXX";

}  // namespace

TemporaryFile MakeTemporaryBeside(const std::string& target) {
    TemporaryFile temporary;
    temporary.path = target + std::string(kInfix) + std::string(kRandomPart);
    temporary.file = FileDescriptor(::mkostemp(temporary.path.data(), O_CLOEXEC));
    return temporary;
}

bool IsTemporaryName(const std::string& name, const std::string& targetName) {
    const std::string prefix = targetName + std::string(kInfix);
    if (name.size() != prefix.size() + kRandomPart.size() || !name.starts_with(prefix)) {
        return false;
    }
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       IsAsciiLetterOrDigit);
}

void RemoveLeftoverTemporaries(const std::string& target) {
    namespace fs = std::filesystem;
    const fs::path targetPath(target);
    const std::string targetName = targetPath.filename().string();
    const fs::path folder = targetPath.has_parent_path() ? targetPath.parent_path() : ".";
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (!IsTemporaryName(entry->path().filename().string(), targetName)) continue;
        // Never through a link, and never a file another user made.
        struct stat status {};
        if (::lstat(entry->path().c_str(), &status) != 0 || !S_ISREG(status.st_mode) ||
            status.st_uid != ::geteuid()) {
            continue;
        }
        std::error_code ignored;
        fs::remove(entry->path(), ignored);
    }
}

}  // namespace wrennet
