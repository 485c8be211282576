// Message framing: the protocol's Content-Length headers read and written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace wrennet::lsp {

// A message body larger than this is skipped unread: no editor sends a
// document of this size, and holding it would only risk the memory.
inline constexpr std::size_t kMaxMessageBytes = 64u * 1024 * 1024;

// One step of reading the input.
struct Frame {
    enum class Kind {
        Message,    // `body` holds one whole message
        BadHeader,  // a header block without a usable Content-Length
        TooLarge,   // a body over kMaxMessageBytes, read past and dropped
        End,        // the input ended (a message cut short counts as the end)
    };
    Kind kind = Kind::End;
    std::string body;
};

// Fills at most `size` bytes of `buffer` and says how many; 0 means the end.
using ReadBytes = std::function<std::size_t(char* buffer, std::size_t size)>;

// Splits a byte stream into "Content-Length: N\r\n\r\n<N bytes>" messages.
// Header lines may end in "\n" alone and may come in any letter case; other
// header fields are ignored. A header line longer than any real one is read
// past, so a stream of garbage never grows the buffer.
class FrameReader {
  public:
    explicit FrameReader(ReadBytes read) : read_(std::move(read)) {}
    Frame next();

  private:
    enum class LineResult { Line, TooLong, End };
    LineResult nextLine(std::string& line);
    bool fill();
    bool readBody(std::size_t length, std::string& body);
    bool skipBody(std::uint64_t length);

    ReadBytes read_;
    std::string buffer_;
    std::size_t at_ = 0;
};

// The framed form of one message body.
std::string FrameMessage(std::string_view body);

// Reading from and writing to a file descriptor, retried across signals.
std::size_t ReadDescriptor(int descriptor, char* buffer, std::size_t size);
bool WriteDescriptor(int descriptor, std::string_view bytes);

}  // namespace wrennet::lsp
