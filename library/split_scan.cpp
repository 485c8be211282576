#include "library/split_scan.h"

#include <algorithm>
#include <functional>
#include <future>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>

#include "common/start_async.h"
#include "library/line_reader.h"
#include "library/span_scanner.h"

namespace wrennet {
namespace {

constexpr std::size_t kMaxPiece = LineReader::kMaxPiece;

constexpr std::uint64_t kToTheEnd = std::numeric_limits<std::uint64_t>::max();

// Where the second half starts, and whether a header's block comment is open
// there.
struct Cut {
    std::uint64_t at;
    bool inComment;
};

// Whether a header is inside a block comment after `line` whatever it was
// before: after a line that, say, opens a comment and does not close it, or
// closes one and opens none. Asked of the collector itself, so that it holds to the
// letter of its rules. Lines longer than a piece or holding a NUL are passed
// over, as are lines without a "/", which cannot open or close a comment.
std::optional<bool> CommentStateAfter(std::string_view line) {
    if (line.size() > kMaxPiece || line.find('/') == std::string_view::npos ||
        line.find('\0') != std::string_view::npos) {
        return std::nullopt;
    }
    PrototypeCollector open(LibraryKind::Header, true);
    PrototypeCollector closed(LibraryKind::Header, false);
    open.feed(line);
    closed.feed(line);
    if (open.inComment() != closed.inComment()) return std::nullopt;
    return open.inComment();
}

// A cut just after a line end at or after `from`, looking no further than
// 64 KiB (a line longer than that is no place to cut). For a header, just
// after the first line that settles the comment state, when there is one; if
// not, at the first line start, on the guess that no comment is open there.
std::optional<Cut> CutFrom(const ByteSource& source, std::uint64_t from, LibraryKind kind) {
    constexpr std::size_t kLook = 64 * 1024;
    const auto buffer = std::make_unique_for_overwrite<char[]>(kLook);
    const std::size_t got = ByteRange(source, from, kToTheEnd).readFully(buffer.get(), kLook);
    const std::string_view bytes(buffer.get(), got);
    const std::size_t firstEnd = bytes.find('\n');
    if (firstEnd == std::string_view::npos) return std::nullopt;
    if (kind == LibraryKind::Header) {
        for (std::size_t start = firstEnd + 1, end; (end = bytes.find('\n', start)) != bytes.npos;
             start = end + 1) {
            if (const std::optional<bool> inComment =
                    CommentStateAfter(bytes.substr(start, end + 1 - start))) {
                return Cut{from + end + 1, *inComment};
            }
        }
    }
    return Cut{from + firstEnd + 1, false};
}

// Makes a collector for pieces that start inside a block comment or not.
using MakeCollector = std::function<PrototypeCollector(bool inComment)>;

struct Half {
    PrototypeCollector collector;
    bool reachedEnd;  // false: a NUL-led piece ended the file inside it
};

Half ScanRange(const ByteSource& source, std::uint64_t from, std::uint64_t to,
               const MakeCollector& make, bool startsInComment) {
    Half half{make(startsInComment), false};
    ByteRange range(source, from, to);
    half.reachedEnd = FeedSource(range, half.collector);
    return half;
}

PrototypeCollector GatherInHalves(const ByteSource& source, std::uint64_t size, LibraryKind kind,
                                  const MakeCollector& make) {
    const std::optional<Cut> cut = CutFrom(source, size / 2, kind);
    if (!cut) return std::move(ScanRange(source, 0, kToTheEnd, make, false).collector);
    auto second =
        StartAsync([&] { return ScanRange(source, cut->at, kToTheEnd, make, cut->inComment); });
    Half first = ScanRange(source, 0, cut->at, make, false);
    Half rest = second.get();
    if (!first.reachedEnd) return std::move(first.collector);
    // A guess that was wrong costs a second reading, never a different list.
    if (const bool inComment = first.collector.inComment(); inComment != cut->inComment) {
        rest = ScanRange(source, cut->at, kToTheEnd, make, inComment);
    }
    first.collector.join(std::move(rest.collector));
    return std::move(first.collector);
}

}  // namespace

EntryList ScanInHalves(const ByteSource& source, std::uint64_t size, LibraryKind kind) {
    return GatherInHalves(source, size, kind,
                          [kind](bool inComment) { return PrototypeCollector(kind, inComment); })
        .take();
}

ChoiceCheck CheckInHalves(const ByteSource& source, std::uint64_t size, LibraryKind kind,
                          std::string_view lastChoice) {
    const ChoiceCheck blank(lastChoice);
    return GatherInHalves(source, size, kind,
                          [kind, &blank](bool inComment) {
                              return PrototypeCollector(kind, inComment, blank);
                          })
        .check();
}

}  // namespace wrennet
