// JSON-RPC messages of the language server protocol: requests, answers and errors.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace wrennet::lsp {

using Json = nlohmann::json;

// The error codes a client can be answered with.
enum class ErrorCode : int {
    ParseError = -32700,
    InvalidRequest = -32600,
    MethodNotFound = -32601,
    InvalidParams = -32602,
    InternalError = -32603,
    ServerNotInitialized = -32002,
};

Json ResultResponse(const Json& id, Json result);
Json ErrorResponse(const Json& id, ErrorCode code, std::string_view message);
Json NotificationMessage(std::string_view method, Json params);

// The text of a message. Library texts are bytes, not always UTF-8: what is
// not valid UTF-8 goes out as U+FFFD rather than stopping the answer.
std::string Serialise(const Json& message);

}  // namespace wrennet::lsp
