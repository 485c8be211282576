#include "prototype.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "reference_normalise.h"

namespace wrennet {
namespace {

TEST(NormalisePrototype, Table) {
    const std::pair<const char*, const char*> cases[] = {
        {"extern int  PortRead (int port , int mode )", "int PortRead(int port, int mode)"},
        {"int PortMode(int port,char\t\tmode)", "int PortMode(int port, char mode)"},
        {"typedef int (*PortHook)(int)", "typedef int(*PortHook)(int)"},
        {"extern\t\tint f( void )", "int f(void)"},
        {"  int f(a)", " int f(a)"},  // one leading blank survives
        {"int f(a) ", "int f(a) "},   // and one trailing blank
        {"f(a,,b)", "f(a, , b)"},
        {"f(a , , b)", "f(a, , b)"},
        {"f(a, (b))", "f(a,(b))"},
        {"f(a, )", "f(a,)"},
        {"f(a,", "f(a, "},
        {"eextern xtern y", "extern y"},  // what a removal joins is not rescanned
        {"externextern x", "externx"},
        {"int f(int port);\r\n", "int f(int port);\r\n"},
        {"", ""},
    };
    // The reference used below must agree with the table too.
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(NormalisePrototype(input), expected) << "input: [" << input << "]";
        EXPECT_EQ(reference::NormalisePrototype(input), expected) << "input: [" << input << "]";
    }
}

// The one-pass normaliser against the nine literal replacements, on texts made of
// exactly the characters the replacements care about.
TEST(NormalisePrototype, AgreesWithLiteralReplacements) {
    const std::string alphabet = " \t,()extrn\r\na";
    std::mt19937 random(20261206);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 24);
    std::string buffer;
    for (int round = 0; round < 300000; ++round) {
        std::string text;
        const int n = length(random);
        for (int i = 0; i < n; ++i) text.push_back(alphabet[pick(random)]);
        // Plant whole keywords now and then so "extern " occurs often enough.
        if (round % 3 == 0) text.insert(text.size() / 2, round % 2 ? "extern " : "extern\t");
        const std::string expected = reference::NormalisePrototype(text);
        ASSERT_EQ(NormalisePrototype(text), expected) << "input: [" << text << "]";
        buffer = "old";
        NormalisePrototypeInto(text, buffer);
        ASSERT_EQ(buffer, expected);
        for (std::size_t cut = 0; cut <= expected.size() && cut < 4; ++cut) {
            ASSERT_TRUE(NormalisedBeginsWith(text, expected.substr(0, cut), buffer)) << text;
        }
        const std::string other = "a" + expected;
        ASSERT_EQ(NormalisedBeginsWith(text, other, buffer), false) << text;
    }
}

}  // namespace
}  // namespace wrennet
