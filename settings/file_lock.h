#pragma once

#include <string>

#include "common/file_descriptor.h"

namespace wrennet {

// An advisory flock on a lock file beside the settings file, held for the
// lifetime of the object. Locking a separate file (not the settings file
// itself) keeps the lock valid across the rename that replaces the settings.
class FileLock {
  public:
    enum class Mode { Shared, Exclusive };

    // Waits for the lock. held() is false when the lock file can be neither
    // created nor opened, e.g. in a read-only folder.
    FileLock(const std::string& lockPath, Mode mode);

    bool held() const { return file_.isOpen(); }

  private:
    FileDescriptor file_{-1};  // closing it releases the lock
};

}  // namespace wrennet
