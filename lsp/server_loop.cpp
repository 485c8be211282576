#include "lsp/server_loop.h"

#include "lsp/message_framing.h"
#include "lsp/session.h"

namespace wrennet::lsp {

int RunLanguageServer(int input, int output, const FileReader& files, ServerOptions options) {
    bool outputWorks = true;
    const auto send = [&](const Json& message) {
        outputWorks = outputWorks && WriteDescriptor(output, FrameMessage(Serialise(message)));
    };
    LanguageServer server(files, std::move(options), send);
    Session session(server, send);
    FrameReader reader(
        [input](char* buffer, std::size_t size) { return ReadDescriptor(input, buffer, size); });
    while (!session.finished() && outputWorks) session.receive(reader.next());
    return outputWorks ? session.exitStatus() : 1;
}

}  // namespace wrennet::lsp
