#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "common/ascii_case.h"
#include "common/byte_class.h"
#include "common/replace_all.h"

namespace wrennet {
namespace {

TEST(ReplaceAllTest, ReplacesLeftToRightWithoutRescanning) {
    struct Row {
        std::string_view text, from, to;
        LetterCase match = LetterCase::Exact;
        std::string_view expected;
    };
    const Row rows[] = {
        {.text = "a*b*", .from = "*", .to = " * ", .expected = "a * b * "},
        {.text = "aaa", .from = "aa", .to = "b", .expected = "ba"},
        // What a removal joins together is not removed again.
        {.text = "xabby", .from = "ab", .to = "", .expected = "xby"},
        {.text = "no hit", .from = "zz", .to = "y", .expected = "no hit"},
        {.text = "abc", .from = "", .to = "y", .expected = "abc"},
        {.text = "/a/INCLUDE/b/Include/c.h",
         .from = "/include/",
         .to = "/src/",
         .match = LetterCase::IgnoringAscii,
         .expected = "/a/src/b/src/c.h"},
        {.text = "/a/Include/c.h",
         .from = "/include/",
         .to = "/src/",
         .expected = "/a/Include/c.h"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ReplaceAll(row.text, row.from, row.to, row.match), row.expected) << row.text;
    }
}

TEST(AsciiCaseTest, FoldsOnlyTheAsciiLetters) {
    EXPECT_TRUE(EqualIgnoringAsciiCase("PortRead(int A)", "portread(INT a)"));
    // Neighbours of the letters one bit apart, and Latin-1 letters, stay distinct.
    EXPECT_FALSE(EqualIgnoringAsciiCase("[@]", "{`}"));
    EXPECT_FALSE(EqualIgnoringAsciiCase("\xC4", "\xE4"));
    EXPECT_FALSE(EqualIgnoringAsciiCase("ab", "abc"));
}

TEST(ByteClassTest, MatchesTheCLocale) {
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        EXPECT_EQ(IsCSpace(c), std::isspace(byte) != 0) << byte;
        EXPECT_EQ(IsAsciiLetter(c), std::isalpha(byte) != 0) << byte;
    }
}

}  // namespace
}  // namespace wrennet
