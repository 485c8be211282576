#include "split_scan.h"

#include <algorithm>
#include <cstring>
#include <future>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "span_scanner.h"

namespace wrennet {
namespace {

// The bytes [from, to) of a source read at offsets, as a stream of their own.
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

constexpr std::uint64_t kToTheEnd = std::numeric_limits<std::uint64_t>::max();

// Where a line starts at or after `from`, looking no further than 64 KiB: a
// line longer than that is no place to cut.
std::optional<std::uint64_t> LineStartFrom(const ByteSource& source, std::uint64_t from) {
    constexpr std::size_t kLook = 64 * 1024;
    const auto bytes = std::make_unique_for_overwrite<char[]>(kLook);
    const std::size_t got = ByteRange(source, from, kToTheEnd).readFully(bytes.get(), kLook);
    const void* newline = std::memchr(bytes.get(), '\n', got);
    if (newline == nullptr) return std::nullopt;
    return from + static_cast<std::uint64_t>(static_cast<const char*>(newline) - bytes.get()) + 1;
}

struct Half {
    EntryList entries;
    bool reachedEnd;  // false: a NUL-led piece ended the file inside it
    bool endsInComment;
};

Half ScanRange(const ByteSource& source, std::uint64_t from, std::uint64_t to, LibraryKind kind,
               bool startsInComment) {
    PrototypeCollector collector(kind, startsInComment);
    ByteRange range(source, from, to);
    const bool reachedEnd = FeedSource(range, collector);
    const bool endsInComment = collector.inComment();
    return {collector.take(), reachedEnd, endsInComment};
}

}  // namespace

EntryList ScanInHalves(const ByteSource& source, std::uint64_t size, LibraryKind kind) {
    const std::optional<std::uint64_t> cut = LineStartFrom(source, size / 2);
    if (!cut) return ScanRange(source, 0, kToTheEnd, kind, false).entries;
    // Most cuts fall outside a block comment, so the second half starts on
    // that guess and is read again in the rare case it was wrong.
    auto second = std::async(std::launch::async,
                             [&] { return ScanRange(source, *cut, kToTheEnd, kind, false); });
    Half first = ScanRange(source, 0, *cut, kind, false);
    Half rest = second.get();
    if (!first.reachedEnd) return std::move(first.entries);
    if (first.endsInComment) rest = ScanRange(source, *cut, kToTheEnd, kind, true);
    first.entries.append(std::move(rest.entries));
    return std::move(first.entries);
}

}  // namespace wrennet
