// FileLock: an advisory lock beside the settings file.
#pragma once

#include <chrono>
#include <string>

#include "common/file_descriptor.h"

namespace wrennet {

// An advisory flock on a lock file beside the settings file, held for the
// lifetime of the object. Locking a separate file (not the settings file
// itself) keeps the lock valid across the rename that replaces the settings.
class FileLock {
  public:
    enum class Mode { Shared, Exclusive };
    enum class Outcome {
        Held,
        NoLockFile,  // the lock file can be neither created nor opened (read-only folder)
        InUse,       // another program held the lock for all of `patience`
    };

    // Waits for the lock, but no longer than `patience`: a program that hangs
    // while holding it must not hang Wrennet too.
    FileLock(const std::string& lockPath, Mode mode, std::chrono::milliseconds patience);

    bool held() const { return outcome_ == Outcome::Held; }
    Outcome outcome() const { return outcome_; }

  private:
    FileDescriptor file_{-1};  // closing it releases the lock
    Outcome outcome_ = Outcome::NoLockFile;
};

}  // namespace wrennet
