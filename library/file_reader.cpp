#include "library/file_reader.h"

#include <unistd.h>

#include <utility>

#include "common/file_descriptor.h"
#include "common/regular_file.h"
#include "common/retry_on_interrupt.h"

namespace wrennet {
namespace {

// Owns one descriptor of a regular file. A failed read ends the stream, and it
// stays ended: the readers above treat a broken file as one that stops there.
class PosixByteSource final : public ByteSource {
  public:
    PosixByteSource(FileDescriptor file, std::uint64_t size)
        : file_(std::move(file)), size_(size) {}

    std::size_t read(char* buffer, std::size_t size) override {
        if (ended_ || size == 0) return 0;
        const ssize_t got = RetryOnInterrupt([&] { return ::read(file_.get(), buffer, size); });
        if (got > 0) return static_cast<std::size_t>(got);
        ended_ = true;
        return 0;
    }

    std::optional<std::uint64_t> size() const override { return size_; }

    std::size_t readAt(char* buffer, std::size_t size, std::uint64_t offset) const override {
        const ssize_t got = RetryOnInterrupt(
            [&] { return ::pread(file_.get(), buffer, size, static_cast<off_t>(offset)); });
        return got > 0 ? static_cast<std::size_t>(got) : 0;
    }

  private:
    FileDescriptor file_;
    std::uint64_t size_;
    bool ended_ = false;
};

}  // namespace

std::unique_ptr<ByteSource> PosixFileReader::open(const std::string& path) const {
    if (path.empty()) return nullptr;
    RegularFile opened = OpenRegularFile(path);
    if (!opened.isOpen()) return nullptr;
    return std::make_unique<PosixByteSource>(std::move(opened.file),
                                             static_cast<std::uint64_t>(opened.status.st_size));
}

}  // namespace wrennet
