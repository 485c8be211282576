#include "lsp/message_framing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace wrennet::lsp {
namespace {

// What a reader makes of `input` handed over `chunk` bytes at a time:
// "M:<body>" per message, "B" per bad header, "L" per body too large; up to the end.
std::vector<std::string> FramesOf(const std::string& input, std::size_t chunk) {
    std::size_t at = 0;
    FrameReader reader([&](char* buffer, std::size_t size) {
        const std::size_t n = std::min({size, chunk, input.size() - at});
        std::copy_n(input.data() + at, n, buffer);
        at += n;
        return n;
    });
    std::vector<std::string> frames;
    for (Frame frame = reader.next(); frame.kind != Frame::Kind::End; frame = reader.next()) {
        switch (frame.kind) {
            case Frame::Kind::Message:
                frames.push_back("M:" + frame.body);
                break;
            case Frame::Kind::BadHeader:
                frames.push_back("B");
                break;
            case Frame::Kind::TooLarge:
                frames.push_back("L");
                break;
            case Frame::Kind::End:
                break;
        }
    }
    return frames;
}

TEST(MessageFramingTest, SplitsTheStreamIntoMessages) {
    struct Case {
        const char* what;
        std::string input;
        std::vector<std::string> frames;
    };
    const std::string longLine(20000, 'x');
    const std::vector<Case> cases = {
        {"two messages",
         "Content-Length: 2\r\n\r\n{}Content-Length: 3\r\n\r\n[1]",
         {"M:{}", "M:[1]"}},
        {"other fields and any case",
         "content-type: application/vscode-jsonrpc\r\nCONTENT-LENGTH:  4 \r\n\r\nnull",
         {"M:null"}},
        {"bare line feeds", "Content-Length: 2\n\n{}", {"M:{}"}},
        {"blank lines between messages", "\r\n\r\nContent-Length: 2\r\n\r\n{}", {"M:{}"}},
        {"empty body", "Content-Length: 0\r\n\r\nContent-Length: 1\r\n\r\n1", {"M:", "M:1"}},
        {"no length", "Content-Type: x\r\n\r\nContent-Length: 1\r\n\r\n1", {"B", "M:1"}},
        {"length not a number",
         "Content-Length: 1e3\r\n\r\nContent-Length: 1\r\n\r\n1",
         {"B", "M:1"}},
        {"negative length", "Content-Length: -1\r\n\r\n", {"B"}},
        {"a line without a colon", "garbage\r\nContent-Length: 1\r\n\r\n1", {"B"}},
        {"a header line longer than any",
         longLine + "\r\n\r\nContent-Length: 1\r\n\r\n1",
         {"B", "M:1"}},
        {"a body cut short is the end", "Content-Length: 10\r\n\r\n{}", {}},
        {"a header cut short is the end", "Content-Length: 10", {}},
        {"too large: read past", "Content-Length: 67108865\r\n\r\n", {}},
        {"more digits than any stream holds",
         "Content-Length: 99999999999999999999\r\n\r\n",
         {"B"}},
    };
    for (const Case& c : cases) {
        for (const std::size_t chunk : {std::size_t{1}, std::size_t{7}, std::size_t{1} << 20}) {
            EXPECT_EQ(FramesOf(c.input, chunk), c.frames) << c.what << ", chunks of " << chunk;
        }
    }
}

TEST(MessageFramingTest, ABodyOverTheLimitIsSkippedAndTheNextMessageRead) {
    std::string input = "Content-Length: " + std::to_string(kMaxMessageBytes + 1) + "\r\n\r\n";
    input.append(kMaxMessageBytes + 1, 'x');
    input += "Content-Length: 2\r\n\r\n{}";
    EXPECT_EQ(FramesOf(input, 1 << 20), (std::vector<std::string>{"L", "M:{}"}));
}

TEST(MessageFramingTest, FramedBodiesReadBackUnchanged) {
    const std::string body = std::string("{\"a\":\"\xc3\xa9\\u0000\"}\r\n", 17);
    EXPECT_EQ(FramesOf(FrameMessage(body) + FrameMessage(""), 3),
              (std::vector<std::string>{"M:" + body, "M:"}));
}

}  // namespace
}  // namespace wrennet::lsp
