#include "json_writer.h"

#include <gtest/gtest.h>

#include <string>

namespace wrennet::cli {
namespace {

struct EscapeCase {
    std::string bytes;
    std::string json;
};

TEST(JsonString, EscapesAndDecodesAsTheWindowShows) {
    const EscapeCase cases[] = {
        {"", R"("")"},
        {"say \"hi\" \\ bye", R"("say \"hi\" \\ bye")"},
        {"a\nb\rc\td\be\ff", R"("a\nb\rc\td\be\ff")"},
        {std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\x7f\""},
        {std::string("nul\0end", 7), R"("nul\u0000end")"},
        {"caf\xc3\xa9", "\"caf\xc3\xa9\""},                              // valid UTF-8 stays
        {"caf\xe9", "\"caf\xc3\xa9\""},                                  // otherwise Windows-1252
        {"\x80\x93x\x94", "\"\xe2\x82\xac\xe2\x80\x9cx\xe2\x80\x9d\""},  // euro, curly quotes
        {"\"pick.exe\"", R"("\"pick.exe\"")"},
    };
    for (const EscapeCase& c : cases) {
        EXPECT_EQ(JsonString(c.bytes), c.json) << c.bytes;
    }
}

TEST(JsonObject, WritesMembersInOrderOnOneLine) {
    JsonObject slot;
    slot.text("name", "mode").texts("items", {"A", ""});
    JsonObject record;
    record.text("function", "F").number("count", 1).objects("slots", {slot}).texts("none", {});
    EXPECT_EQ(record.str(),
              R"({"function": "F", "count": 1, "slots": [{"name": "mode", "items": ["A", ""]}], )"
              R"("none": []})");
    EXPECT_EQ(JsonObject().objects("slots", {}).str(), R"({"slots": []})");
}

}  // namespace
}  // namespace wrennet::cli
