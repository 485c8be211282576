// Session: the protocol's rules (initialize, shutdown, exit) around a LanguageService.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "lsp/json_rpc.h"
#include "lsp/message_framing.h"

namespace wrennet::lsp {

// What the server offers; the session keeps the protocol's rules around it.
// A handler may throw a JSON error (a missing or mistyped field): the request
// is answered InvalidParams.
class LanguageService {
  public:
    virtual ~LanguageService() = default;
    virtual Json initialize(const Json& params) = 0;
    // nullopt: no such request.
    virtual std::optional<Json> request(std::string_view method, const Json& params) = 0;
    virtual void notify(std::string_view method, const Json& params) = 0;
};

// One client's conversation: requests get exactly one answer, notifications
// none; nothing but initialize is served before it, nothing after shutdown,
// and exit ends it (status 0 after shutdown, 1 otherwise).
class Session {
  public:
    using Send = std::function<void(const Json& message)>;

    Session(LanguageService& service, Send send) : service_(service), send_(std::move(send)) {}

    void receive(const Frame& frame);
    bool finished() const { return exitStatus_.has_value(); }
    int exitStatus() const { return exitStatus_.value_or(1); }

  private:
    enum class State { Starting, Running, ShutDown };

    void receiveMessage(const Json& message);
    void receiveRequest(const Json& id, const std::string& method, const Json& params);
    void receiveNotification(const std::string& method, const Json& params);
    Json serve(const Json& id, const std::string& method, const Json& params);

    LanguageService& service_;
    Send send_;
    State state_ = State::Starting;
    std::optional<int> exitStatus_;
};

}  // namespace wrennet::lsp
