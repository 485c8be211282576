// An owned file descriptor, closed on every way out.
#pragma once

#include <unistd.h>

#include <utility>

namespace wrennet {

// Owns one open file descriptor and closes it on every way out. -1 (what a
// failed open() returns) owns nothing.
class FileDescriptor {
  public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    FileDescriptor(FileDescriptor&& other) noexcept
        : descriptor_(std::exchange(other.descriptor_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            close();
            descriptor_ = std::exchange(other.descriptor_, -1);
        }
        return *this;
    }
    ~FileDescriptor() { close(); }

    bool isOpen() const { return descriptor_ >= 0; }
    int get() const { return descriptor_; }

    // False when close() reports an error: a delayed write error shows only
    // here, so whoever replaces a file checks it. Owns nothing afterwards.
    bool close() {
        if (descriptor_ < 0) return true;
        return ::close(std::exchange(descriptor_, -1)) == 0;
    }

  private:
    int descriptor_;
};

}  // namespace wrennet
