// The JSON that wrennet-cli prints: strings as the window shows them, objects and lists.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace wrennet::cli {

// Members keep the order they are added in: scripts compare records as text.
using Json = nlohmann::ordered_json;

// Bytes as the window shows them (UTF-8 when valid, otherwise Windows-1252),
// as a JSON string value.
Json DisplayText(std::string_view bytes);

// The JSON string literal of DisplayText(bytes): quotes, backslashes and
// control characters escaped, everything else written as raw UTF-8.
std::string JsonString(std::string_view bytes);

// `value` on one line the way common JSON tools print by default: ", "
// between members and items, ": " after each name.
std::string OneLine(const Json& value);

// `value` indented by tabs, one member per line, as editors write their own
// settings and snippet files.
std::string Indented(const Json& value);

}  // namespace wrennet::cli
