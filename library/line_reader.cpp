#include "library/line_reader.h"

#include <algorithm>
#include <cstring>

namespace wrennet {
namespace {

constexpr std::size_t kBufferSize = 256 * 1024;

}  // namespace

LineReader::LineReader(ByteSource& source)
    : source_(source), buffer_(std::make_unique_for_overwrite<char[]>(kBufferSize)) {}

void LineReader::FindNul() {
    const void* nul = std::memchr(buffer_.get() + begin_, '\0', end_ - begin_);
    nul_ = nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - buffer_.get())
                          : end_;
}

std::string_view LineReader::next() {
    if (end_ - begin_ < kMaxPiece && !exhausted_) {
        // Keep a piece contiguous: move the unread tail to the front, then fill
        // the rest of the buffer.
        const std::size_t tail = end_ - begin_;
        if (begin_ != 0 && tail != 0) std::memmove(buffer_.get(), buffer_.get() + begin_, tail);
        begin_ = 0;
        end_ = tail;
        const std::size_t want = kBufferSize - end_;
        const std::size_t got = source_.readFully(buffer_.get() + end_, want);
        end_ += got;
        exhausted_ = got < want;
        FindNul();
    }
    const char* start = buffer_.get() + begin_;
    const std::size_t window = std::min(end_ - begin_, kMaxPiece);
    const void* newline = std::memchr(start, '\n', window);
    const std::size_t length =
        newline != nullptr ? static_cast<std::size_t>(static_cast<const char*>(newline) - start) + 1
                           : window;
    const std::size_t pieceBegin = begin_;
    begin_ += length;
    // The bytes up to the line end are consumed either way; the text stops at a NUL.
    if (nul_ >= begin_) return {start, length};
    const std::size_t kept = nul_ - pieceBegin;
    FindNul();
    return {start, kept};
}

}  // namespace wrennet
