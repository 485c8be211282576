#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wrennet {

// The settings file on disk. Every call reads the file afresh (nothing is
// cached: another running copy may have written it). Writes are a whole-file
// read-modify-write under an exclusive flock on "<file>.lock", through a
// temporary file that is fsynced and renamed over the old one, so a crash
// leaves the old or the new file and two copies never lose each other's writes.
class IniFile {
  public:
    explicit IniFile(std::string path);

    const std::string& path() const { return path_; }

    std::string readValue(std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::size_t capacity) const;
    std::vector<std::string> readKeyNames(std::string_view section, std::size_t capacity) const;

    // False when nothing could be written (refused key or value, read-only
    // folder, full disk); the old file is then intact.
    bool writeValue(std::string_view section, std::string_view key, std::string_view value);
    bool deleteKey(std::string_view section, std::string_view key);
    bool deleteSection(std::string_view section);

    // One locked read-modify-write: `change` gets the current bytes (empty for
    // a missing file) and returns the new ones, or nullopt to write nothing and
    // fail. Unchanged bytes are not written, so a missing file stays missing.
    using Change = std::function<std::optional<std::string>(std::string_view)>;
    bool update(const Change& change);

    // Whether the last write or delete failed at the disk (no lock, an
    // unreadable file, a folder or disk that takes nothing) rather than
    // because its key or value could not be stored.
    bool lastUpdateFailedOnDisk() const { return failedOnDisk_; }

  private:
    std::string currentContent() const;
    std::string lockPath() const { return path_ + ".lock"; }

    std::string path_;
    bool failedOnDisk_ = false;
};

}  // namespace wrennet
