#include "settings/ini_file.h"

#include <utility>

#include "settings/file_lock.h"
#include "settings/ini_text.h"
#include "settings/temporary_file.h"
#include "settings/whole_file.h"

namespace wrennet {

IniFile::IniFile(std::string path, std::chrono::milliseconds lockPatience)
    : path_(std::move(path)), lockPatience_(lockPatience) {}

std::string IniFile::content() const {
    // Writers replace the file by a rename, so even a read without the lock
    // (no lock file in a read-only folder, or a lock held too long) sees a
    // whole file, the old one or the new.
    const FileLock lock(lockPath(), FileLock::Mode::Shared, lockPatience_);
    if (lock.outcome() == FileLock::Outcome::InUse) lockPatience_ = {};
    return ReadWholeFile(path_).bytes;
}

std::string IniFile::readValue(std::string_view section, std::string_view key,
                               std::string_view defaultValue, std::size_t capacity) const {
    return ini::ReadValue(content(), section, key, defaultValue, capacity);
}

std::vector<std::string> IniFile::readKeyNames(std::string_view section,
                                               std::size_t capacity) const {
    return ini::ReadKeyNames(content(), section, capacity);
}

bool IniFile::update(const Change& change) {
    failure_ = Failure::OnDisk;
    const FileLock lock(lockPath(), FileLock::Mode::Exclusive, lockPatience_);
    if (lock.outcome() == FileLock::Outcome::InUse) {
        lockPatience_ = {};
        failure_ = Failure::InUse;
    }
    if (!lock.held()) return false;
    RemoveLeftoverTemporaries(WrittenPath(path_));
    const WholeFile current = ReadWholeFile(path_);
    if (current.state == WholeFile::State::Unreadable) return false;
    failure_ = Failure::None;
    const std::optional<std::string> next = change(current.bytes);
    if (!next) return false;
    if (*next == current.bytes) return true;
    if (!current.writable || !ReplaceWholeFile(path_, *next, current.mode)) {
        failure_ = Failure::OnDisk;
        return false;
    }
    return true;
}

bool IniFile::writeValue(std::string_view section, std::string_view key, std::string_view value) {
    return update(
        [&](std::string_view content) { return ini::WriteValue(content, section, key, value); });
}

bool IniFile::deleteKey(std::string_view section, std::string_view key) {
    return update([&](std::string_view content) {
        return std::optional<std::string>(ini::DeleteKey(content, section, key));
    });
}

bool IniFile::deleteSection(std::string_view section) {
    return update([&](std::string_view content) {
        return std::optional<std::string>(ini::DeleteSection(content, section));
    });
}

}  // namespace wrennet
