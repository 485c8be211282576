#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace wrennet::cli {

// A JSON string literal for bytes as the window shows them: decoded for display
// (UTF-8 when valid, otherwise Windows-1252), quotes, backslashes and control
// characters escaped, everything else written as raw UTF-8.
std::string JsonString(std::string_view bytes);

// One JSON object on one line, members in the order they are added, written
// the way common JSON tools print by default: ", " between members and ": "
// after each name, so that scripts can compare records as text.
class JsonObject {
  public:
    JsonObject& text(std::string_view name, std::string_view bytes);
    JsonObject& number(std::string_view name, long long value);
    JsonObject& texts(std::string_view name, const std::vector<std::string>& items);
    JsonObject& objects(std::string_view name, const std::vector<JsonObject>& items);

    std::string str() const { return "{" + members_ + "}"; }

  private:
    void name(std::string_view memberName);
    std::string members_;
};

}  // namespace wrennet::cli
