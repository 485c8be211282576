#include "lsp/argument_check.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace wrennet::lsp {
namespace {

TEST(ArgumentCheckTest, OnlyLiteralsOutsideTheDocumentationAreWarnedOf) {
    struct Case {
        const char* valueText;
        const char* argument;
        std::optional<std::string> warning;
    };
    const std::vector<Case> cases = {
        {"0,1,2", "1", std::nullopt},
        {"0,1,2", "0x2", std::nullopt},
        {"0,1,2", "3", "p: 3 is not one of the documented values 0,1,2"},
        {"0,1,2", "-1", "p: -1 is not one of the documented values 0,1,2"},
        {"0,1,2", "n", std::nullopt},
        {"0,1,2", "n+1", std::nullopt},
        {"0,1,2", "'a'", std::nullopt},
        {"UART0,UART1", "5", std::nullopt},  // the names may stand for any number
        {"0-255", "255u", std::nullopt},
        {"0-255", "256", "p: 256 is outside the documented range 0-255"},
        {"0x10-0x20", "0x21", "p: 0x21 is outside the documented range 0x10-0x20"},
        {"0x10-0x20", "017", "p: 017 is outside the documented range 0x10-0x20"},
        {"0-255", "level", std::nullopt},
        {"0-255", "(300)", std::nullopt},
        {"RD|WR|EX", "RD|WR", std::nullopt},
        {"RD|WR|EX", "RD | XX", "p: XX is not one of the documented flags RD|WR|EX"},
        {"RD|WR|EX", "XX", std::nullopt},  // alone it may be a variable
        {"RD|WR|EX", "RD|mode", std::nullopt},
        {"RD|WR|EX", "RD|(X)", std::nullopt},
        {"RD|WR|EX", "RD|2", std::nullopt},
        {"1|2|4", "1|8", "p: 8 is not one of the documented flags 1|2|4"},
        {"pick.exe", "7", std::nullopt},
        {"", "7", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckArgument({"p", c.valueText, ""}, c.argument), c.warning)
            << c.valueText << " <- " << c.argument;
    }
}

TEST(ArgumentCheckTest, IntegerLiteralsAreReadAsCReadsThem) {
    struct Case {
        const char* text;
        std::optional<std::int64_t> value;
    };
    const std::vector<Case> cases = {
        {"0", 0},
        {"42", 42},
        {"-7", -7},
        {"+7", 7},
        {"0x1F", 31},
        {"0X1f", 31},
        {"017", 15},
        {"40000UL", 40000},
        {"10lu", 10},
        {"09", std::nullopt},
        {"0x", std::nullopt},
        {"1.5", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"1 2", std::nullopt},
        {"10q", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(IntegerLiteral(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace wrennet::lsp
