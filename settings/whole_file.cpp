#include "whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>

#include "common/file_descriptor.h"
#include "common/no_position.h"
#include "common/retry_on_interrupt.h"

namespace wrennet {
namespace {

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
    const FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.isOpen()) ::fsync(dir.get());
}

}  // namespace

WholeFile ReadWholeFile(const std::string& path) {
    WholeFile file;
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info {};
    if (!fd.isOpen() || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        file.state = (!fd.isOpen() && errno == ENOENT) ? WholeFile::State::Missing
                                                       : WholeFile::State::Unreadable;
        return file;
    }
    file.mode = info.st_mode & 07777;
    // The size may change under a writer that does not lock; read until the end.
    std::string& bytes = file.bytes;
    bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t filled = 0;
    while (true) {
        if (filled == bytes.size()) bytes.resize(bytes.size() * 2);
        const ssize_t got = RetryOnInterrupt(
            [&] { return ::read(fd.get(), bytes.data() + filled, bytes.size() - filled); });
        if (got == 0) break;
        if (got < 0) {
            file.state = WholeFile::State::Unreadable;
            bytes.clear();
            return file;
        }
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    file.state = WholeFile::State::Read;
    return file;
}

constexpr std::string_view kTemporarySuffix = ".XXXXXX";

bool ReplaceWholeFile(const std::string& path, std::string_view bytes, mode_t mode) {
    std::string tempPath = path + std::string(kTemporarySuffix);
    FileDescriptor temp(::mkostemp(tempPath.data(), O_CLOEXEC));
    if (!temp.isOpen()) return false;
    const bool written = ::fchmod(temp.get(), mode) == 0 && WriteAll(temp.get(), bytes) &&
                         ::fsync(temp.get()) == 0 && temp.close() &&
                         ::rename(tempPath.c_str(), path.c_str()) == 0;
    if (!written) {
        ::unlink(tempPath.c_str());
        return false;
    }
    SyncFolder(FolderOf(path));
    return true;
}

void RemoveLeftoverTemporaries(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string prefix = fs::path(path).filename().string() + ".";
    const std::size_t length = prefix.size() + kTemporarySuffix.size() - 1;
    std::error_code error;
    for (fs::directory_iterator entry(FolderOf(path), error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const bool isTemporary =
            name.size() == length && name.starts_with(prefix) &&
            std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                        [](unsigned char c) { return std::isalnum(c) != 0; });
        std::error_code ignored;
        if (isTemporary && entry->is_regular_file(ignored)) fs::remove(entry->path(), ignored);
    }
}

}  // namespace wrennet
