#include "ini_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace wrennet::ini {
namespace {

using namespace std::string_literals;

enum class Op { Read, Keys, Write, DeleteKey, DeleteSection };

// One row per rule of the format. Read takes `value` as the default; Keys
// joins the key names with "|"; a refused write gives no text.
struct Row {
    Op op;
    std::string file;
    std::optional<std::string> want;
    std::string section = "L", key = "k", value = "v";
    std::size_t capacity = 100;
};

std::optional<std::string> Apply(const Row& row) {
    switch (row.op) {
        case Op::Read:
            return ReadValue(row.file, row.section, row.key, row.value, row.capacity);
        case Op::Keys: {
            std::string joined;
            for (const std::string& name : ReadKeyNames(row.file, row.section, row.capacity)) {
                joined += (joined.empty() ? "" : "|") + name;
            }
            return joined;
        }
        case Op::Write:
            return WriteValue(row.file, row.section, row.key, row.value);
        case Op::DeleteKey:
            return DeleteKey(row.file, row.section, row.key);
        case Op::DeleteSection:
            return DeleteSection(row.file, row.section);
    }
    return std::nullopt;
}

TEST(IniTextTest, FormatRules) {
    using enum Op;
    const Row rows[] = {
        {.op = Read, .file = "[l]\nK = \"int f(int a)\" \n", .want = "int f(int a)"},
        {.op = Read, .file = "[L]\nk=1\n[L]\nk=2\n", .want = "1"},
        {.op = Read, .file = "[L]\n;k=1\n", .want = "d", .value = "d  "},
        {.op = Read, .file = "[L] ; note\nk=x=y\n", .want = "x=y"},
        {.op = Read, .file = "[L]\nk\n", .want = ""},
        // Quotes: one matching outer pair only.
        {.op = Read, .file = "[L]\nk='q'\n", .want = "q"},
        {.op = Read, .file = "[L]\nk=\"q'\n", .want = "\"q'"},
        {.op = Read, .file = "[L]\nk=\"\"x\"\"\n", .want = "\"x\""},
        // The cut comes after the quotes are gone, and the default is cut too.
        {.op = Read, .file = "[L]\nk=\"abcd\"\n", .want = "ab", .capacity = 3},
        {.op = Read, .file = "", .want = "def", .value = "default", .capacity = 4},
        {.op = Read, .file = "[L]\nk=x\n", .want = "", .capacity = 0},
        {.op = Read, .file = "[L]\r\nk=1\r\n", .want = "1"},
        {.op = Read, .file = " \t[ L \t]junk\n\v\t k \t= \t1 \t\n", .want = "1"},
        {.op = Read, .file = "[L\nk=1\n", .want = "1"},
        // Lines before any header and later sections are not the section's.
        {.op = Read, .file = "k=0\n[L]\nB=1\n[M]\nk=2\n", .want = "v"},
        {.op = Read, .file = "\0\0\n[L]\nk=a\0b\n"s, .want = "a\0b"s},  // NULs are bytes
        {.op = Keys, .file = "[L]\nA=1\nA=2\n", .want = "A|A"},
        {.op = Keys,
         .file = "[l]\n; c\n\nKey One = 1\nno_equals\n[M]\nB=2\n",
         .want = "Key One|no_equals"},
        // "abc\0" "defgh\0" "\0" needs 11: exact fit, then one short.
        {.op = Keys, .file = "[L]\nabc=1\ndefgh=2\nz=3\n", .want = "abc|defgh", .capacity = 11},
        {.op = Keys, .file = "[L]\nabc=1\ndefgh=2\n", .want = "abc|defg", .capacity = 10},
        {.op = Keys, .file = "[L]\nabc=1\ndefgh=2\n", .want = "abc", .capacity = 6},
        {.op = Keys, .file = "[L]\nabc=1\n", .want = "", .capacity = 2},
        {.op = Write, .file = "", .want = "[L]\nk=v\n"},
        {.op = Write, .file = "[L]", .want = "[L]\nk=v\n"},
        {.op = Write, .file = "[L]\nx=1", .want = "[L]\nx=1\nk=\n", .value = ""},
        {.op = Write, .file = "[L]\nx=1\n\n; c\n[M]\n", .want = "[L]\nx=1\nk=v\n\n; c\n[M]\n"},
        {.op = Write, .file = "[L]\nx=1", .want = "[L]\nx=1\n[M]\nk=v\n", .section = "M"},
        {.op = Write, .file = "[L]\r\nK=1\r\n", .want = "[L]\r\nK=v\r\n"},
        {.op = Write, .file = "[L]\n; c\n[M]\n", .want = "[L]\nk=v\n; c\n[M]\n"},
        {.op = Write, .file = "[L]\r\nx=1\r\n", .want = "[L]\r\nx=1\r\nk=v\r\n"},
        {.op = Write, .file = "[L]\r\nx=1", .want = "[L]\r\nx=1\r\n[M]\r\nk=v\r\n", .section = "M"},
        // A comment between keys stays between them.
        {.op = Write, .file = "[L]\na=1\n;c\nb=2\n\n", .want = "[L]\na=1\n;c\nb=2\nk=v\n\n"},
        // The key's line is rewritten without its indent; the later duplicate section stays.
        {.op = Write,
         .file = "; top\n[L]\n  k = old \n[L]\nk=2\n",
         .want = "; top\n[L]\nk=v\n[L]\nk=2\n"},
        // A CR ending the last line stays part of its text.
        {.op = Write, .file = "[L\r", .want = "[L\r\r\n[L]\nk=v\n"},
        {.op = Write, .file = "[L]\nx=1\r", .want = "[L]\nx=1\r\r\nk=v\n"},
        {.op = Write, .file = "", .want = std::nullopt, .section = "L]x"},
        {.op = Write, .file = "", .want = std::nullopt, .section = "L\n"},
        {.op = DeleteSection, .file = "[L]\n; keep\nx=1\n[M]\nk=v\n", .want = "; keep\n[M]\nk=v\n"},
        {.op = DeleteSection,
         .file = "[L]\nx=1\n\n[M]\nk=v\n[l]\ny=2\n",
         .want = "\n[M]\nk=v\n[l]\ny=2\n"},
        {.op = DeleteSection, .file = "[M]\nk=v\n[L]\nx=1", .want = "[M]\nk=v\n"},
        {.op = DeleteSection, .file = "[M]\nk=v\n", .want = "[M]\nk=v\n"},
        {.op = DeleteKey, .file = "[L]\r\nK=1\r\nb=2\r\n", .want = "[L]\r\nb=2\r\n"},
        {.op = DeleteKey, .file = "[L]\nk=1\nk=2\n", .want = "[L]\nk=2\n"},
        {.op = DeleteKey, .file = "[L]\nb=1\nk=1", .want = "[L]\nb=1\n"},
        {.op = DeleteKey, .file = "[L]\n;k=1\n[M]\nk=1\n", .want = "[L]\n;k=1\n[M]\nk=1\n"},
    };
    for (const Row& row : rows) EXPECT_EQ(Apply(row), row.want) << row.file << " " << row.key;

    // Keys and values a later read would not give back are refused.
    const std::pair<std::string, std::string> refused[] = {
        {"", "v"},     {"  ", "v"},   {"[k", "v"},    {" ;k", "v"},  {"k=j", "v"},  {"k\nj", "v"},
        {"k", "a\nb"}, {"k", "a\rb"}, {"k", "a\0b"s}, {"k\0"s, "v"}, {"\v[k", "v"},
    };
    for (const auto& [key, value] : refused) {
        EXPECT_EQ(WriteValue("[L]\nx=1\n", "L", key, value), std::nullopt) << "key: " << key;
    }
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
