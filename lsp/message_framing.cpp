#include "lsp/message_framing.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <optional>

#include "common/ascii_case.h"
#include "common/retry_on_interrupt.h"

namespace wrennet::lsp {
namespace {

constexpr std::size_t kReadChunk = 64 * 1024;
constexpr std::size_t kMaxHeaderLine = 8 * 1024;
constexpr std::string_view kLengthField = "content-length:";

// The value of a "Content-Length:" line: digits between optional blanks;
// nullopt when it is no number or more than any stream could carry.
std::optional<std::uint64_t> ContentLength(std::string_view value) {
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        value.remove_prefix(1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
    if (value.empty()) return std::nullopt;
    if (value.size() > 18) return std::nullopt;
    std::uint64_t length = 0;
    for (const char c : value) {
        if (c < '0' || c > '9') return std::nullopt;
        length = length * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return length;
}

bool IsLengthLine(std::string_view line) {
    return line.size() >= kLengthField.size() &&
           EqualIgnoringAsciiCase(line.substr(0, kLengthField.size()), kLengthField);
}

}  // namespace

bool FrameReader::fill() {
    if (at_ > 0) {
        buffer_.erase(0, at_);
        at_ = 0;
    }
    const std::size_t had = buffer_.size();
    buffer_.resize(had + kReadChunk);
    const std::size_t got = read_(buffer_.data() + had, kReadChunk);
    buffer_.resize(had + got);
    return got > 0;
}

FrameReader::LineResult FrameReader::nextLine(std::string& line) {
    bool tooLong = false;
    for (;;) {
        const std::size_t newline = buffer_.find('\n', at_);
        if (newline != std::string::npos) {
            if (!tooLong) line.assign(buffer_, at_, newline - at_);
            at_ = newline + 1;
            if (tooLong) return LineResult::TooLong;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            return LineResult::Line;
        }
        if (buffer_.size() - at_ > kMaxHeaderLine) {
            tooLong = true;
            at_ = buffer_.size();
        }
        if (!fill()) return LineResult::End;
    }
}

bool FrameReader::readBody(std::size_t length, std::string& body) {
    while (buffer_.size() - at_ < length) {
        if (!fill()) return false;
    }
    body.assign(buffer_, at_, length);
    at_ += length;
    return true;
}

bool FrameReader::skipBody(std::uint64_t length) {
    for (;;) {
        const auto here =
            static_cast<std::size_t>(std::min<std::uint64_t>(length, buffer_.size() - at_));
        at_ += here;
        length -= here;
        if (length == 0) return true;
        if (!fill()) return false;
    }
}

Frame FrameReader::next() {
    Frame frame;
    std::optional<std::uint64_t> length;
    bool sawField = false;
    bool broken = false;
    std::string line;
    for (;;) {
        const LineResult got = nextLine(line);
        if (got == LineResult::End) return frame;
        if (got == LineResult::TooLong) {
            broken = true;
            continue;
        }
        if (line.empty()) {
            // Blank lines between messages are harmless; a blank line ends a header.
            if (!sawField && !broken) continue;
            break;
        }
        sawField = true;
        if (IsLengthLine(line)) {
            length = ContentLength(std::string_view(line).substr(kLengthField.size()));
            if (!length) broken = true;
        } else if (line.find(':') == std::string::npos) {
            broken = true;
        }
    }
    if (broken || !length) {
        frame.kind = Frame::Kind::BadHeader;
        return frame;
    }
    if (*length > kMaxMessageBytes) {
        frame.kind = skipBody(*length) ? Frame::Kind::TooLarge : Frame::Kind::End;
        return frame;
    }
    if (!readBody(static_cast<std::size_t>(*length), frame.body)) {
        frame.body.clear();
        return frame;
    }
    frame.kind = Frame::Kind::Message;
    return frame;
}

std::string FrameMessage(std::string_view body) {
    std::string framed = "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
    framed.append(body);
    return framed;
}

std::size_t ReadDescriptor(int descriptor, char* buffer, std::size_t size) {
    const ssize_t got = RetryOnInterrupt([&] { return ::read(descriptor, buffer, size); });
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

bool WriteDescriptor(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t put =
            RetryOnInterrupt([&] { return ::write(descriptor, bytes.data(), bytes.size()); });
        if (put <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    return true;
}

}  // namespace wrennet::lsp
