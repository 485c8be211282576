#include "prototype.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "reference_normalise.h"

namespace wrennet {
namespace {

std::string Normalised(std::string_view text) {
    std::string out;
    AppendNormalisedPrototype(text, out);
    return out;
}

TEST(NormalisePrototype, Table) {
    struct Row {
        std::string_view input, expected;
    };
    const Row rows[] = {
        {.input = "extern int  PortRead (int port , int mode )",
         .expected = "int PortRead(int port, int mode)"},
        {.input = "int PortMode(int port,char\t\tmode)",
         .expected = "int PortMode(int port, char mode)"},
        {.input = "typedef int (*PortHook)(int)", .expected = "typedef int(*PortHook)(int)"},
        {.input = "extern\t\tint f( void )", .expected = "int f(void)"},
        {.input = "  int f(a)", .expected = " int f(a)"},  // one leading blank survives
        {.input = "int f(a) ", .expected = "int f(a) "},   // and one trailing blank
        {.input = "f(a,,b)", .expected = "f(a, , b)"},
        {.input = "f(a , , b)", .expected = "f(a, , b)"},
        {.input = "f(a, (b))", .expected = "f(a,(b))"},
        {.input = "f(a, )", .expected = "f(a,)"},
        {.input = "f(a,", .expected = "f(a, "},
        {.input = "eextern xtern y", .expected = "extern y"},  // a removal is not rescanned
        {.input = "externextern x", .expected = "externx"},
        {.input = "int f(int port);\r\n", .expected = "int f(int port);\r\n"},
    };
    // The plain nine-pass version used as the oracle below must agree too.
    for (const Row& row : rows) {
        EXPECT_EQ(Normalised(row.input), row.expected) << "input: [" << row.input << "]";
        EXPECT_EQ(reference::NormalisePrototype(row.input), row.expected) << row.input;
    }
}

// The one-pass normaliser and the early-stopping prefix test against the nine
// literal replacements, on texts made of the characters the replacements care about.
TEST(NormalisePrototype, AgreesWithLiteralReplacements) {
    const std::string alphabet = " \t,()extrn\r\na";
    std::mt19937 random(20261206);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 24);
    for (int round = 0; round < 300000; ++round) {
        std::string text;
        const int n = length(random);
        for (int i = 0; i < n; ++i) text.push_back(alphabet[pick(random)]);
        // Plant whole keywords now and then so "extern " occurs often enough.
        if (round % 3 == 0) text.insert(text.size() / 2, round % 2 ? "extern " : "extern\t");
        const std::string expected = reference::NormalisePrototype(text);
        std::string appended = "old";
        AppendNormalisedPrototype(text, appended);
        ASSERT_EQ(appended, "old" + expected) << "input: [" << text << "]";
        for (std::size_t cut = 0; cut <= expected.size() && cut < 4; ++cut) {
            ASSERT_TRUE(NormalisedBeginsWith(text, expected.substr(0, cut))) << text;
        }
        ASSERT_FALSE(NormalisedBeginsWith(text, "a" + expected)) << text;
    }
}

// The quick check may only say yes for a text the normaliser leaves alone, and
// must say yes for the usual tidy declaration.
TEST(NormalisesToItself, NeverSaysYesWrongly) {
    const std::pair<const char*, bool> cases[] = {
        {"int PortRead(int port, int mode)", true},
        {"typedef int(*PortHook)", true},
        {"int f(a, (b))", false},
        {"int f(a,b)", false},
        {"int f (a)", false},
        {"int f( a)", false},
        {"int f(a )", false},
        {"int  f(a)", false},
        {"int\tf(a)", false},
        {"int f(a) ", false},
        {"externint f(a)", false},  // "extern" anywhere is left to the normaliser
    };
    for (const auto& [text, itself] : cases) EXPECT_EQ(NormalisesToItself(text), itself) << text;

    const std::string alphabet = " \t,()extrn\r\naaaaaa";
    std::mt19937 random(20261209);
    int yes = 0;
    for (int round = 0; round < 300000; ++round) {
        std::string text;
        // Up to 300 bytes, so that the masks of several blocks meet.
        const std::size_t length = random() % (round % 10 == 0 ? 300 : 30);
        for (std::size_t i = 0; i < length; ++i)
            text.push_back(alphabet[random() % alphabet.size()]);
        if (!NormalisesToItself(text)) continue;
        ++yes;
        ASSERT_EQ(reference::NormalisePrototype(text), text);
    }
    EXPECT_GT(yes, 1000);
}

}  // namespace
}  // namespace wrennet
