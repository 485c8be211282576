// IniFile: the settings file on disk, read afresh and written whole.
#pragma once

#include <chrono>
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
    // How long a write waits for a lock that another program holds.
    static constexpr std::chrono::milliseconds kLockPatience{3000};

    explicit IniFile(std::string path, std::chrono::milliseconds lockPatience = kLockPatience);

    const std::string& path() const { return path_; }

    // The file's bytes as they are now (empty when it is missing or cannot be read).
    std::string content() const;
    std::string readValue(std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::size_t capacity) const;
    std::vector<std::string> readKeyNames(std::string_view section, std::size_t capacity) const;

    // False when nothing could be written (refused key or value, read-only
    // folder or file, full disk, a lock held elsewhere); the old file is then intact.
    bool writeValue(std::string_view section, std::string_view key, std::string_view value);
    bool deleteKey(std::string_view section, std::string_view key);
    bool deleteSection(std::string_view section);

    // One locked read-modify-write: `change` gets the current bytes (empty for
    // a missing file) and returns the new ones, or nullopt to write nothing and
    // fail. Unchanged bytes are not written, so a missing file stays missing.
    using Change = std::function<std::optional<std::string>(std::string_view)>;
    bool update(const Change& change);

    // Whether the last write or delete failed at the disk (no lock, an
    // unreadable or read-only file, a folder or disk that takes nothing, the
    // lock held elsewhere) rather than because its key or value could not be stored.
    bool lastUpdateFailedOnDisk() const { return failure_ != Failure::None; }
    // Whether that failure was another program holding the lock too long.
    bool lastUpdateFoundFileInUse() const { return failure_ == Failure::InUse; }

  private:
    enum class Failure { None, OnDisk, InUse };

    std::string lockPath() const { return path_ + ".lock"; }

    std::string path_;
    // Once a lock was given up on, later calls only try it: the program that
    // holds it hangs, and every setting read would wait for it again.
    mutable std::chrono::milliseconds lockPatience_;
    Failure failure_ = Failure::None;
};

}  // namespace wrennet
