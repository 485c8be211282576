// LspProcess: the real wrennet-cli lsp on two pipes, for the protocol tests.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lsp/json_rpc.h"
#include "lsp/message_framing.h"

namespace wrennet::lsp {

// The real `wrennet-cli lsp` on two pipes, spoken to as an editor would.
class LspProcess {
  public:
    explicit LspProcess(const std::vector<std::string>& arguments);
    ~LspProcess();
    LspProcess(const LspProcess&) = delete;
    LspProcess& operator=(const LspProcess&) = delete;

    void sendBytes(std::string_view bytes);
    void send(const Json& message);
    void notify(std::string_view method, Json params);
    // The answer to a request; notifications that come first are kept.
    Json request(std::string_view method, Json params);
    // The next message, or nullopt when none comes within the time allowed.
    std::optional<Json> next();
    // The diagnostics published next for `uri`.
    Json diagnosticsFor(std::string_view uri);
    void closeInput();
    // The exit status, or -1 when the server does not end in time.
    int exitStatus();

    // initialize and initialized, with or without snippet support.
    Json initialize(bool snippets, Json options = nullptr);
    void open(std::string_view uri, std::string_view text);

  private:
    std::size_t readWithin(char* buffer, std::size_t size);

    pid_t pid_ = -1;
    int toServer_ = -1;
    int fromServer_ = -1;
    int nextId_ = 100;
    std::optional<int> status_;
    FrameReader reader_;
    std::vector<Json> kept_;
};

}  // namespace wrennet::lsp
