#include "lsp/session.h"

namespace wrennet::lsp {
namespace {

bool IsValidId(const Json& id) { return id.is_number_integer() || id.is_string(); }

}  // namespace

void Session::receive(const Frame& frame) {
    switch (frame.kind) {
        case Frame::Kind::End:
            // The client is gone: as if it had said exit.
            exitStatus_ = state_ == State::ShutDown ? 0 : 1;
            return;
        case Frame::Kind::BadHeader:
            send_(ErrorResponse(nullptr, ErrorCode::ParseError, "Missing or bad Content-Length"));
            return;
        case Frame::Kind::TooLarge:
            send_(ErrorResponse(nullptr, ErrorCode::ParseError, "Message too large"));
            return;
        case Frame::Kind::Message:
            break;
    }
    Json message = Json::parse(frame.body, nullptr, false);
    if (message.is_discarded()) {
        send_(ErrorResponse(nullptr, ErrorCode::ParseError, "Parse error"));
        return;
    }
    receiveMessage(message);
}

void Session::receiveMessage(const Json& message) {
    if (!message.is_object()) {
        send_(ErrorResponse(nullptr, ErrorCode::InvalidRequest, "Not a message"));
        return;
    }
    const auto id = message.find("id");
    const auto method = message.find("method");
    const bool hasId = id != message.end();
    if (method == message.end() && hasId && IsValidId(*id)) return;  // a response: we ask nothing
    // A null "params" is taken as none: some clients send it with exit and shutdown.
    auto params = message.find("params");
    if (params != message.end() && params->is_null()) params = message.end();
    const bool paramsFit = params == message.end() || params->is_object() || params->is_array();
    if ((hasId && !IsValidId(*id)) || method == message.end() || !method->is_string() ||
        !paramsFit) {
        if (hasId || method == message.end()) {
            send_(ErrorResponse(hasId && IsValidId(*id) ? *id : Json(nullptr),
                                ErrorCode::InvalidRequest, "Invalid request"));
        }
        return;
    }
    const Json noParams = Json::object();
    const Json& given = params == message.end() ? noParams : *params;
    if (hasId) {
        receiveRequest(*id, method->get<std::string>(), given);
    } else {
        receiveNotification(method->get<std::string>(), given);
    }
}

void Session::receiveRequest(const Json& id, const std::string& method, const Json& params) {
    if (state_ == State::Starting && method != "initialize") {
        send_(ErrorResponse(id, ErrorCode::ServerNotInitialized, "Server not initialized"));
        return;
    }
    if (state_ == State::ShutDown) {
        send_(ErrorResponse(id, ErrorCode::InvalidRequest, "Server is shut down"));
        return;
    }
    try {
        send_(serve(id, method, params));
    } catch (const Json::exception& error) {
        send_(ErrorResponse(id, ErrorCode::InvalidParams, error.what()));
    }
}

Json Session::serve(const Json& id, const std::string& method, const Json& params) {
    if (method == "initialize") {
        if (state_ != State::Starting) {
            return ErrorResponse(id, ErrorCode::InvalidRequest, "Already initialized");
        }
        Json result = service_.initialize(params);
        state_ = State::Running;
        return ResultResponse(id, std::move(result));
    }
    if (method == "shutdown") {
        state_ = State::ShutDown;
        return ResultResponse(id, nullptr);
    }
    std::optional<Json> result = service_.request(method, params);
    if (!result) return ErrorResponse(id, ErrorCode::MethodNotFound, "Unknown method " + method);
    return ResultResponse(id, std::move(*result));
}

void Session::receiveNotification(const std::string& method, const Json& params) {
    if (method == "exit") {
        exitStatus_ = state_ == State::ShutDown ? 0 : 1;
        return;
    }
    // Before initialize and after shutdown, notifications are dropped.
    if (state_ != State::Running) return;
    try {
        service_.notify(method, params);
    } catch (const Json::exception&) {
        // A notification has no answer; a malformed one changes nothing.
    }
}

}  // namespace wrennet::lsp
