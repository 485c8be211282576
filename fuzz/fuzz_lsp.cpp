// The language server's reading of a byte stream: framing, JSON-RPC and every
// message handler, on a library that is itself fuzzed. Whatever comes in,
// what goes out is one JSON message per frame.

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "fuzz/fuzz_check.h"
#include "library/file_reader.h"
#include "lsp/json_rpc.h"
#include "lsp/language_server.h"
#include "lsp/message_framing.h"
#include "lsp/session.h"

namespace {

using wrennet::fuzz::Check;
using wrennet::lsp::Json;

// The requests a client sends first, so that most inputs reach the handlers.
std::string Opening(const std::string& document) {
    using wrennet::lsp::FrameMessage;
    using wrennet::lsp::Serialise;
    const Json initialize = {
        {"jsonrpc", "2.0"},
        {"id", 0},
        {"method", "initialize"},
        {"params",
         {{"capabilities",
           {{"textDocument",
             {{"completion", {{"completionItem", {{"snippetSupport", true}}}}}}}}}}}};
    const Json open = {
        {"jsonrpc", "2.0"},
        {"method", "textDocument/didOpen"},
        {"params", {{"textDocument", {{"uri", "file:///a.c"}, {"text", document}}}}}};
    return FrameMessage(Serialise(initialize)) + FrameMessage(Serialise(open));
}

// Requests with fuzzed positions, written out in full so that each handler is
// reached from the start; the rest of the input follows as raw bytes.
std::string Request(FuzzedDataProvider& input, int id) {
    static constexpr const char* kMethods[] = {"textDocument/completion", "textDocument/hover",
                                               "textDocument/signatureHelp"};
    const Json request = {{"jsonrpc", "2.0"},
                          {"id", id},
                          {"method", kMethods[input.ConsumeIntegralInRange<int>(0, 2)]},
                          {"params",
                           {{"textDocument", {{"uri", "file:///a.c"}}},
                            {"position",
                             {{"line", input.ConsumeIntegralInRange<int>(0, 20)},
                              {"character", input.ConsumeIntegralInRange<int>(0, 200)}}}}}};
    return wrennet::lsp::FrameMessage(wrennet::lsp::Serialise(request));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string library = "/tmp/wrennet-fuzz-lsp-" + std::to_string(getpid()) + ".h";
    std::ofstream(library, std::ios::binary | std::ios::trunc)
        << input.ConsumeRandomLengthString(4000);
    std::string stream = Opening(input.ConsumeRandomLengthString(2000));
    for (int id = 1, count = input.ConsumeIntegralInRange<int>(0, 4); id <= count; ++id) {
        stream += Request(input, id);
    }
    const std::size_t chunk = input.ConsumeIntegralInRange<std::size_t>(1, 4096);
    stream += input.ConsumeRemainingBytesAsString();

    std::size_t at = 0;
    wrennet::lsp::FrameReader reader([&](char* buffer, std::size_t room) {
        const std::size_t n = std::min({room, chunk, stream.size() - at});
        std::copy_n(stream.data() + at, n, buffer);
        at += n;
        return n;
    });
    const auto send = [](const Json& message) {
        const std::string text = wrennet::lsp::Serialise(message);
        Check(!Json::parse(text, nullptr, false).is_discarded());
    };
    const wrennet::PosixFileReader files;
    wrennet::lsp::LanguageServer server(files, {{library}, {}}, send);
    wrennet::lsp::Session session(server, send);
    while (!session.finished()) session.receive(reader.next());
    std::remove(library.c_str());
    return 0;
}
