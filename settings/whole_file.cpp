#include "settings/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "common/file_descriptor.h"
#include "common/no_position.h"
#include "common/regular_file.h"
#include "common/retry_on_interrupt.h"
#include "settings/temporary_file.h"

namespace wrennet {
namespace {

// More links in a row than this are a loop, as the kernel's own limit says.
constexpr int kMostLinksFollowed = 40;

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written =
            RetryOnInterrupt([&] { return ::write(fd, bytes.data(), bytes.size()); });
        if (written < 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == kNoPosition) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the rename itself durable; the replacement already happened, so a
// failure here is not a failed write.
void SyncFolder(const std::string& folder) {
    const FileDescriptor dir(RetryOnInterrupt(
        [&] { return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }));
    if (dir.isOpen()) ::fsync(dir.get());
}

// Root may write anything, so the permission bits decide for a file nobody
// may write; for others the kernel's own check does.
bool MayBeReplaced(const std::string& path, mode_t mode) {
    return (mode & 0222) != 0 && ::access(path.c_str(), W_OK) == 0;
}

}  // namespace

WholeFile ReadWholeFile(const std::string& path) {
    WholeFile file;
    const RegularFile opened = OpenRegularFile(path);
    if (!opened.isOpen()) {
        file.state =
            opened.error == ENOENT ? WholeFile::State::Missing : WholeFile::State::Unreadable;
        return file;
    }
    file.mode = opened.status.st_mode & 07777;
    file.writable = MayBeReplaced(path, file.mode);
    // The size may change under a writer that does not lock; read until the end.
    const bool read =
        ReadToEnd(opened.file.get(), static_cast<std::size_t>(opened.status.st_size), file.bytes);
    file.state = read ? WholeFile::State::Read : WholeFile::State::Unreadable;
    return file;
}

std::string WrittenPath(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path written(path);
    for (int links = 0; links < kMostLinksFollowed; ++links) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(written, error)) || error) break;
        const fs::path target = fs::read_symlink(written, error);
        if (error) break;
        written = target.is_absolute() ? target : written.parent_path() / target;
    }
    return written.string();
}

bool ReplaceWholeFile(const std::string& path, std::string_view bytes, mode_t mode) {
    const std::string target = WrittenPath(path);
    TemporaryFile temp = MakeTemporaryBeside(target);
    if (!temp.file.isOpen()) return false;
    const bool written = ::fchmod(temp.file.get(), mode) == 0 && WriteAll(temp.file.get(), bytes) &&
                         ::fsync(temp.file.get()) == 0 && temp.file.close() &&
                         ::rename(temp.path.c_str(), target.c_str()) == 0;
    if (!written) {
        ::unlink(temp.path.c_str());
        return false;
    }
    SyncFolder(FolderOf(target));
    return true;
}

}  // namespace wrennet
