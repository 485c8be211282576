// FileReader and ByteSource: how the core opens and reads files.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace wrennet {

// A stream of bytes from one opened file. read() fills at most `size` bytes and
// returns how many it delivered; 0 means the end (a read error counts as the end).
class ByteSource {
  public:
    virtual ~ByteSource() = default;
    virtual std::size_t read(char* buffer, std::size_t size) = 0;

    // Sources may deliver only a few bytes per call; this keeps asking until
    // `size` bytes are in or the source has ended. Fewer than `size` means the end.
    std::size_t readFully(char* buffer, std::size_t size) {
        std::size_t filled = 0;
        while (filled < size) {
            const std::size_t got = read(buffer + filled, size - filled);
            if (got == 0) break;
            filled += got;
        }
        return filled;
    }

    // A regular file knows its size and can be read at any offset, by several
    // threads at once, without disturbing read(); a stream cannot, and says
    // nullopt here. readAt() fills at most `size` bytes from `offset` and
    // returns how many it delivered; 0 at the end or on an error.
    virtual std::optional<std::uint64_t> size() const { return std::nullopt; }
    virtual std::size_t readAt(char*, std::size_t, std::uint64_t) const { return 0; }
};

// The bytes [from, to) of a source that can be read at offsets, as a stream of
// their own; several may read one source at once. `source` must outlive it.
class ByteRange final : public ByteSource {
  public:
    ByteRange(const ByteSource& source, std::uint64_t from, std::uint64_t to)
        : source_(source), at_(from), to_(to) {}

    std::size_t read(char* buffer, std::size_t size) override {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(size, to_ - at_));
        const std::size_t got = want == 0 ? 0 : source_.readAt(buffer, want, at_);
        at_ += got;
        return got;
    }

  private:
    const ByteSource& source_;
    std::uint64_t at_;
    std::uint64_t to_;
};

// Opens files by path. Injected everywhere the core reads a file, so tests can
// serve content from memory and count or fail opens.
class FileReader {
  public:
    virtual ~FileReader() = default;
    // nullptr when the path cannot be opened for reading: missing, unreadable,
    // or not a regular file (a folder, a FIFO, a device never counts as a file).
    virtual std::unique_ptr<ByteSource> open(const std::string& path) const = 0;
};

// The real file system. Opens without blocking (a FIFO must never hang us),
// refuses anything that is not a regular file, reads with large buffers.
class PosixFileReader final : public FileReader {
  public:
    std::unique_ptr<ByteSource> open(const std::string& path) const override;
};

}  // namespace wrennet
