#include "library/prototype.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tests/support/reference_normalise.h"

namespace wrennet {
namespace {

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
        // Plant whole keywords now and then so "extern " occurs often enough,
        // in the middle or in front (where it is dropped before all else), and
        // now and then the word alone.
        if (round % 3 == 0) {
            const char* const keywords[] = {"extern ", "extern\t", "extern"};
            text.insert(round % 9 == 0 ? 0 : text.size() / 2, keywords[round % 5 % 3]);
        }
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
    for (const char* text : {"int PortRead(int port, int mode)", "typedef int(*PortHook)"}) {
        EXPECT_TRUE(NormalisesToItself(text)) << text;
    }
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
