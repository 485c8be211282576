#include "cli/json_writer.h"

#include <gtest/gtest.h>

#include <string>

namespace wrennet::cli {
namespace {

struct EscapeCase {
    std::string bytes;
    std::string json;
};

// Escapes, several of which no corpus case can reach: the command line's
// values hold no line breaks, and the source reader stops at a NUL. The
// decoding of bytes that are no UTF-8 is the invalid_utf8 case.
TEST(JsonString, Escapes) {
    const EscapeCase cases[] = {
        {"", R"("")"},
        {"say \"hi\" \\ bye", R"("say \"hi\" \\ bye")"},
        {"a\nb\rc\td\be\ff", R"("a\nb\rc\td\be\ff")"},
        {std::string("\x01\x1f\x7f", 3), "\"\\u0001\\u001f\x7f\""},
        {std::string("nul\0end", 7), R"("nul\u0000end")"},
    };
    for (const EscapeCase& c : cases) {
        EXPECT_EQ(JsonString(c.bytes), c.json) << c.bytes;
    }
}

struct RecordCase {
    Json record;
    std::string line;
};

// The layout scripts compare as text: ", " and ": " at every depth, members in
// the order given, and the same decoding and escapes inside arrays as in members.
TEST(OneLine, KeepsTheRecordLayout) {
    const RecordCase cases[] = {
        {Json::object(), "{}"},
        {Json::array(), "[]"},
        {{{"z", 1}, {"a", -2}}, R"({"z": 1, "a": -2})"},
        {{{"items", {DisplayText("\x93q\x94"), DisplayText("\"\t")}}},
         "{\"items\": [\"\u201cq\u201d\", \"\\\"\\t\"]}"},
        {{{"slots", {{{"name", "a"}}, {{"name", "b"}, {"items", Json::array()}}}}},
         R"({"slots": [{"name": "a"}, {"name": "b", "items": []}]})"},
        {{{"bytes", DisplayText(std::string("\x81\xff\x7f\x1b", 4))}},
         "{\"bytes\": \"\u0081\u00ff\x7f\\u001b\"}"},
    };
    for (const RecordCase& c : cases) {
        EXPECT_EQ(OneLine(c.record), c.line) << c.line;
    }
}

}  // namespace
}  // namespace wrennet::cli
