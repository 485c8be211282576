#include "lsp/json_rpc.h"

namespace wrennet::lsp {

Json ResultResponse(const Json& id, Json result) {
    return {{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}};
}

Json ErrorResponse(const Json& id, ErrorCode code, std::string_view message) {
    return {{"jsonrpc", "2.0"},
            {"id", id},
            {"error", {{"code", static_cast<int>(code)}, {"message", message}}}};
}

Json NotificationMessage(std::string_view method, Json params) {
    return {{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
}

std::string Serialise(const Json& message) {
    return message.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace wrennet::lsp
