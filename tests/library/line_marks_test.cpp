#include "line_marks.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

namespace wrennet {
namespace {

// The marks found the plain way, one search for each.
LineMarks PlainMarks(std::string_view line) {
    return {.at = line.find('@'),
            .semicolon = line.find(';'),
            .slashes = line.find("//"),
            .close = line.find(')'),
            .opener = line.find("/**") != kNoPosition || line.find("/*!") != kNoPosition};
}

auto Fields(const LineMarks& marks) {
    return std::tuple(marks.at, marks.semicolon, marks.slashes, marks.close, marks.opener);
}

// Lines of every length up to a few words, over the marked bytes and their
// neighbours, with bytes above 127 (which must not carry into the next byte).
TEST(MarkLine, AgreesWithPlainSearches) {
    const std::string alphabet = "@;)/*!a \t\x80\xff\x3f";
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);
    for (int round = 0; round < 200000; ++round) {
        std::string line;
        const int n = length(random);
        for (int i = 0; i < n; ++i) line.push_back(alphabet[pick(random)]);
        ASSERT_EQ(Fields(MarkLine(line)), Fields(PlainMarks(line))) << "[" << line << "]";
    }
}

}  // namespace
}  // namespace wrennet
