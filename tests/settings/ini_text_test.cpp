#include "ini_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace wrennet::ini {
namespace {

using namespace std::string_literals;

struct ReadCase {
    std::string file, section, key, defaultValue;
    std::size_t capacity;
    std::string expected;
};

TEST(IniTextTest, ReadValue) {
    const ReadCase cases[] = {
        {"[Last]\nChoice = \"int f(int a)\" \n", "Last", "Choice", "", 100, "int f(int a)"},
        {"[last]\nCHOICE=x\n", "LAST", "choice", "", 100, "x"},
        {"[Last]\nA=1\n[Last]\nA=2\n", "Last", "A", "", 100, "1"},
        {"[Last]\n;A=1\n", "Last", "A", "d  ", 100, "d"},
        {"[Last]\nA=x=y\n", "Last", "A", "", 100, "x=y"},
        {"[Last]\nA=abcdef\n", "Last", "A", "", 4, "abc"},
        {"[Last] ; note\nA=1\n", "Last", "A", "", 100, "1"},
        {"[L]\nA\n", "L", "A", "d", 100, ""},
        // quotes: one matching outer pair only
        {"[L]\nA='q'\n", "L", "A", "", 100, "q"},
        {"[L]\nA=\"q'\n", "L", "A", "", 100, "\"q'"},
        {"[L]\nA=\"\n", "L", "A", "", 100, "\""},
        {"[L]\nA=\"\"x\"\"\n", "L", "A", "", 100, "\"x\""},
        // the cut comes after the quotes are gone, and the default is cut too
        {"[L]\nA=\"abcd\"\n", "L", "A", "", 3, "ab"},
        {"", "L", "A", "default", 4, "def"},
        {"[L]\nA=x\n", "L", "A", "", 0, ""},
        // line ends, leading white space, header shapes
        {"[L]\r\nA=1\r\n", "L", "A", "", 100, "1"},
        {" \t[ L \t]junk\n\v\t A \t= \t1 \t\n", "L", "A", "", 100, "1"},
        {"[L\nA=1\n", "L", "A", "", 100, "1"},
        // lines before any header and later sections are not the section's
        {"A=0\n[L]\nB=1\n[M]\nA=2\n", "L", "A", "d", 100, "d"},
        {"[L]\n[M]\nA=2\n", "L", "A", "d", 100, "d"},
        // NUL bytes are ordinary bytes
        {"\0\0\n[L]\nA=a\0b\n"s, "L", "A", "", 100, "a\0b"s},
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(ReadValue(c.file, c.section, c.key, c.defaultValue, c.capacity), c.expected)
            << "file: " << c.file << " key: " << c.key;
    }
}

struct NamesCase {
    std::string file;
    std::size_t capacity;
    std::vector<std::string> expected;
};

TEST(IniTextTest, ReadKeyNames) {
    using Names = std::vector<std::string>;
    const NamesCase cases[] = {
        {"[Last]\nA=1\nA=2\n", 100, Names{"A", "A"}},
        {"[Last]\n; c\n\nKey One = 1\nno_equals\n[M]\nB=2\n", 100, Names{"Key One", "no_equals"}},
        {"[M]\nA=1\n", 100, Names{}},
        // "abc\0" "defgh\0" "\0" needs 11: exact fit, then one short
        {"[Last]\nabc=1\ndefgh=2\nz=3\n", 11, Names{"abc", "defgh"}},
        {"[Last]\nabc=1\ndefgh=2\n", 10, Names{"abc", "defg"}},
        {"[Last]\nabc=1\ndefgh=2\n", 6, Names{"abc"}},
        {"[Last]\nabc=1\n", 2, Names{}},
        {"[Last]\nabc=1\n", 0, Names{}},
    };
    for (const NamesCase& c : cases) {
        EXPECT_EQ(ReadKeyNames(c.file, "last", c.capacity), c.expected)
            << "file: " << c.file << " capacity: " << c.capacity;
    }
}

struct WriteCase {
    std::string before, section, key, value, after;
};

TEST(IniTextTest, WriteValue) {
    const WriteCase cases[] = {
        {"[L]\nx=1\n\n; c\n[M]\n", "L", "y", "2", "[L]\nx=1\ny=2\n\n; c\n[M]\n"},
        {"[L]\nx=1", "M", "k", "v", "[L]\nx=1\n[M]\nk=v\n"},
        {"[L]\r\nx=1\r\n", "L", "X", "2", "[L]\r\nx=2\r\n"},
        {"[Libraries]\n/a/b.h=Yes\n", "Libraries", "/a/B.h", "Yes", "[Libraries]\n/a/b.h=Yes\n"},
        {"", "L", "k", "v", "[L]\nk=v\n"},
        {"[L]\n; c\n[M]\n", "L", "k", "v", "[L]\nk=v\n; c\n[M]\n"},
        {"[L]", "L", "k", "v", "[L]\nk=v\n"},
        {"[L]\nx=1", "L", "k", "v", "[L]\nx=1\nk=v\n"},
        {"[L]\r\nx=1\r\n", "L", "k", "v", "[L]\r\nx=1\r\nk=v\r\n"},
        {"[L]\r\nx=1", "M", "k", "v", "[L]\r\nx=1\r\n[M]\r\nk=v\r\n"},
        // a comment between keys stays between them
        {"[L]\na=1\n;c\nb=2\n\n", "L", "k", "v", "[L]\na=1\n;c\nb=2\nk=v\n\n"},
        // the key's line is rewritten without its indent; the later duplicate section stays
        {"; top\n[L]\n  x = old \n[L]\nx=2\n", "L", "x", "\"new\"",
         "; top\n[L]\nx=\"new\"\n[L]\nx=2\n"},
        {"[L]\nx=1\n", "L", "y", "", "[L]\nx=1\ny=\n"},
        // a CR ending the last line stays part of its text
        {"[L\r", "L", "k", "v", "[L\r\r\n[L]\nk=v\n"},
        {"[L]\nx=1\r", "L", "k", "v", "[L]\nx=1\r\r\nk=v\n"},
    };
    for (const WriteCase& c : cases) {
        EXPECT_EQ(WriteValue(c.before, c.section, c.key, c.value), c.after)
            << "before: " << c.before << " key: " << c.key;
    }
}

TEST(IniTextTest, WriteRefusesWhatCannotBeReadBack) {
    const std::pair<std::string, std::string> refused[] = {
        {"", "v"},     {"  ", "v"},   {"[k", "v"},    {" ;k", "v"},  {"k=j", "v"},  {"k\nj", "v"},
        {"k", "a\nb"}, {"k", "a\rb"}, {"k", "a\0b"s}, {"k\0"s, "v"}, {"\v[k", "v"},
    };
    for (const auto& [key, value] : refused) {
        EXPECT_EQ(WriteValue("[L]\nx=1\n", "L", key, value), std::nullopt) << "key: " << key;
    }
    EXPECT_EQ(WriteValue("", "L]x", "k", "v"), std::nullopt);
    EXPECT_EQ(WriteValue("", "L\n", "k", "v"), std::nullopt);
}

struct DeleteCase {
    std::string before, section, key, after;  // an empty key deletes the section
};

TEST(IniTextTest, Delete) {
    const DeleteCase cases[] = {
        {"[L]\n; keep\nx=1\n[M]\nk=v\n", "L", "", "; keep\n[M]\nk=v\n"},
        {"[L]\nx=1\n\n[M]\nk=v\n[L]\ny=2\n", "l", "", "\n[M]\nk=v\n[L]\ny=2\n"},
        {"[M]\nk=v\n[L]\nx=1", "L", "", "[M]\nk=v\n"},
        {"[M]\nk=v\n", "L", "", "[M]\nk=v\n"},
        {"[L]\r\na=1\r\nb=2\r\n", "L", "A", "[L]\r\nb=2\r\n"},
        {"[L]\na=1\na=2\n", "L", "a", "[L]\na=2\n"},
        {"[L]\nb=1\na=1", "L", "a", "[L]\nb=1\n"},
        {"[L]\n;a=1\n[M]\na=1\n", "L", "a", "[L]\n;a=1\n[M]\na=1\n"},
    };
    for (const DeleteCase& c : cases) {
        const std::string after = c.key.empty() ? DeleteSection(c.before, c.section)
                                                : DeleteKey(c.before, c.section, c.key);
        EXPECT_EQ(after, c.after) << "before: " << c.before;
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
