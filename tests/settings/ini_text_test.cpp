#include "settings/ini_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace wrennet::ini {
namespace {

using namespace std::string_literals;

// One field of a case line: a word, or a quoted text with its escapes decoded.
struct Field {
    std::string text = {};
    bool quoted = false;
};

std::vector<Field> SplitFields(std::string_view line) {
    std::vector<Field> fields;
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (line[at] == ' ') continue;
        Field& field = fields.emplace_back(Field{.quoted = line[at] == '"'});
        if (!field.quoted) {
            const std::size_t end = std::min(line.find(' ', at), line.size());
            field.text = line.substr(at, end - at);
            at = end;
            continue;
        }
        for (++at; at < line.size() && line[at] != '"'; ++at) {
            if (line[at] == '\\' && at + 1 < line.size()) {
                const std::size_t k = std::string_view("nrtv0").find(line[++at]);
                field.text += k == std::string_view::npos ? line[at] : "\n\r\t\v\0"[k];
            } else {
                field.text += line[at];
            }
        }
    }
    return fields;
}

std::optional<std::string> Apply(const std::string& op, const std::string& file,
                                 std::map<std::string, std::string>& with) {
    const std::string &section = with["section"], &key = with["key"], &value = with["value"];
    const std::size_t capacity = std::stoul(with["capacity"]);
    if (op == "read") return ReadValue(file, section, key, value, capacity);
    if (op == "write") return WriteValue(file, section, key, value);
    if (op == "delete-key") return DeleteKey(file, section, key);
    if (op == "delete-section") return DeleteSection(file, section);
    EXPECT_EQ(op, "keys");
    std::string joined;
    for (const std::string& name : ReadKeyNames(file, section, capacity)) {
        joined += (joined.empty() ? "" : "|") + name;
    }
    return joined;
}

// The cases of ini_text_cases.txt, one rule of the format each.
TEST(IniTextTest, FormatRules) {
    std::ifstream cases(WRENNET_INI_TEXT_CASES);
    int checked = 0;
    for (std::string line; std::getline(cases, line);) {
        if (line.empty() || line[0] == '#') continue;
        const std::vector<Field> fields = SplitFields(line);
        std::map<std::string, std::string> with = {
            {"section", "L"}, {"key", "k"}, {"value", "v"}, {"capacity", "100"}};
        std::size_t at = 2;
        for (; at + 1 < fields.size() && fields[at].text != "->"; at += 2) {
            with[fields[at].text] = fields[at + 1].text;
        }
        ASSERT_TRUE(at + 2 == fields.size() && with.size() == 4) << "malformed: " << line;
        const Field& result = fields[at + 1];
        EXPECT_EQ(Apply(fields[0].text, fields[1].text, with),
                  result.quoted ? std::optional(result.text) : std::nullopt)
            << line;
        ++checked;
    }
    EXPECT_GE(checked, 56);  // the file was found and read whole
}

// Garbage with NULs and stray brackets: every operation must survive it, and
// a write must keep every byte it does not touch.
TEST(IniTextTest, BinaryContentIsSurvivedAndKept) {
    std::mt19937 random(42);
    const std::string alphabet = "[]=;\r\n\v\t ab\0\xff"s;
    for (int trial = 0; trial < 200; ++trial) {
        std::string garbage(random() % 400, '\0');
        for (char& c : garbage) c = alphabet[random() % alphabet.size()];
        ReadKeyNames(garbage, "a", 50);
        DeleteKey(garbage, "a", "b");
        DeleteSection(garbage, "a");
        const auto written = WriteValue(garbage, "Wrennet", "Choice", "int f(void)");
        ASSERT_TRUE(written.has_value());
        EXPECT_EQ(written->substr(0, garbage.size()), garbage);
        EXPECT_EQ(ReadValue(*written, "Wrennet", "Choice", "", 100), "int f(void)");
    }
}

}  // namespace
}  // namespace wrennet::ini
