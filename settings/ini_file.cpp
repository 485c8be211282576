#include "ini_file.h"

#include <utility>

#include "file_lock.h"
#include "ini_text.h"
#include "whole_file.h"

namespace wrennet {

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::string IniFile::currentContent() const {
    // Without a lock file (read-only folder) nobody can write here anyway,
    // so reading unlocked is safe.
    const FileLock lock(lockPath(), FileLock::Mode::Shared);
    return ReadWholeFile(path_).bytes;
}

std::string IniFile::readValue(std::string_view section, std::string_view key,
                               std::string_view defaultValue, std::size_t capacity) const {
    return ini::ReadValue(currentContent(), section, key, defaultValue, capacity);
}

std::vector<std::string> IniFile::readKeyNames(std::string_view section,
                                               std::size_t capacity) const {
    return ini::ReadKeyNames(currentContent(), section, capacity);
}

bool IniFile::update(const Change& change) {
    failedOnDisk_ = true;
    const FileLock lock(lockPath(), FileLock::Mode::Exclusive);
    if (!lock.held()) return false;
    RemoveLeftoverTemporaries(path_);
    const WholeFile current = ReadWholeFile(path_);
    if (current.state == WholeFile::State::Unreadable) return false;
    failedOnDisk_ = false;
    const std::optional<std::string> next = change(current.bytes);
    if (!next) return false;
    if (*next == current.bytes) return true;
    failedOnDisk_ = !ReplaceWholeFile(path_, *next, current.mode);
    return !failedOnDisk_;
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
