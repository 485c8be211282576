#include "file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace wrennet {
namespace {

// Owns one descriptor of a regular file. A failed read ends the stream, and it
// stays ended: the readers above treat a broken file as one that stops there.
class PosixByteSource final : public ByteSource {
  public:
    explicit PosixByteSource(int descriptor) : descriptor_(descriptor) {}
    ~PosixByteSource() override { ::close(descriptor_); }
    PosixByteSource(const PosixByteSource&) = delete;
    PosixByteSource& operator=(const PosixByteSource&) = delete;

    std::size_t read(char* buffer, std::size_t size) override {
        if (ended_ || size == 0) return 0;
        for (;;) {
            const ssize_t got = ::read(descriptor_, buffer, size);
            if (got > 0) return static_cast<std::size_t>(got);
            if (got < 0 && errno == EINTR) continue;
            ended_ = true;
            return 0;
        }
    }

  private:
    int descriptor_;
    bool ended_ = false;
};

int OpenWithoutBlocking(const std::string& path) {
    for (;;) {
        const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (descriptor >= 0 || errno != EINTR) return descriptor;
    }
}

}  // namespace

std::unique_ptr<ByteSource> PosixFileReader::open(const std::string& path) const {
    if (path.empty()) return nullptr;
    const int descriptor = OpenWithoutBlocking(path);
    if (descriptor < 0) return nullptr;
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return nullptr;
    }
    return std::make_unique<PosixByteSource>(descriptor);
}

}  // namespace wrennet
