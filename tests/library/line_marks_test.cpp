#include "library/line_marks.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

namespace wrennet {
namespace {

// Lines of every length up to a few words, over the marked bytes and their
// neighbours, with bytes above 127 (which must not carry into the next byte),
// against one plain search for each mark.
TEST(MarkLine, AgreesWithPlainSearches) {
    const std::string alphabet = "@;)/*!a \t\x80\xff\x3f";
    std::mt19937 random(7);
    for (int round = 0; round < 200000; ++round) {
        std::string line;
        for (int n = random() % 41; n > 0; --n)
            line.push_back(alphabet[random() % alphabet.size()]);
        const LineMarks marks = MarkLine(line);
        const bool opener = line.find("/**") != kNoPosition || line.find("/*!") != kNoPosition;
        ASSERT_EQ(
            std::tuple(marks.at, marks.semicolon, marks.slashes, marks.close, marks.opener),
            std::tuple(line.find('@'), line.find(';'), line.find("//"), line.find(')'), opener))
            << "[" << line << "]";
    }
}

}  // namespace
}  // namespace wrennet
