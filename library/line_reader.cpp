#include "line_reader.h"

#include <algorithm>
#include <cstring>

namespace wrennet {
namespace {

constexpr std::size_t kBufferSize = 256 * 1024;

}  // namespace

LineReader::LineReader(ByteSource& source) : source_(source), buffer_(kBufferSize) {}

std::string_view LineReader::next() {
    if (end_ - begin_ < kMaxPiece && !exhausted_) {
        // Keep a piece contiguous: move the unread tail to the front, then fill
        // the rest of the buffer. Sources may deliver only a few bytes per call,
        // so keep asking until the buffer is full or the source has ended.
        const std::size_t tail = end_ - begin_;
        if (begin_ != 0 && tail != 0) std::memmove(buffer_.data(), buffer_.data() + begin_, tail);
        begin_ = 0;
        end_ = tail;
        while (end_ < buffer_.size()) {
            const std::size_t got = source_.read(buffer_.data() + end_, buffer_.size() - end_);
            if (got == 0) {
                exhausted_ = true;
                break;
            }
            end_ += got;
        }
    }
    const char* start = buffer_.data() + begin_;
    const std::size_t window = std::min(end_ - begin_, kMaxPiece);
    const void* newline = std::memchr(start, '\n', window);
    const std::size_t length =
        newline != nullptr ? static_cast<std::size_t>(static_cast<const char*>(newline) - start) + 1
                           : window;
    begin_ += length;
    // The bytes up to the line end are consumed either way; the text stops at a NUL.
    const void* nul = std::memchr(start, '\0', length);
    const std::size_t kept =
        nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - start) : length;
    return {start, kept};
}

}  // namespace wrennet
