#include "lsp/c_calls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lsp/text_position.h"

namespace wrennet::lsp {
namespace {

// "Name(a|b|c)" per call found, the arguments joined with "|".
std::vector<std::string> CallsIn(std::string_view text) {
    std::vector<std::string> found;
    const auto isFunction = [](std::string_view name) { return name.starts_with("Lib"); };
    for (const CallSite& call : FindCalls(text, isFunction)) {
        std::string written(call.name);
        written.push_back('(');
        for (std::size_t i = 0; i < call.arguments.size(); ++i) {
            if (i > 0) written.push_back('|');
            written.append(call.arguments[i].text);
            EXPECT_EQ(text.substr(call.arguments[i].offset, call.arguments[i].text.size()),
                      call.arguments[i].text);
        }
        found.push_back(written + ")");
    }
    return found;
}

TEST(CCallsTest, FindsTheCallsThatReadAsCalls) {
    struct Case {
        const char* text;
        std::vector<std::string> calls;
    };
    const std::vector<Case> cases = {
        {"LibA(1, RD | WR);", {"LibA(1|RD | WR)"}},
        {"LibA ( 1 ,2 )", {"LibA(1|2)"}},
        {"LibA()", {"LibA()"}},
        {"LibA(LibB(1), x[2, 3])", {"LibA(LibB(1)|x[2, 3])", "LibB(1)"}},
        {"LibA(\"a,b)\", ',', 3)", {"LibA(\"a,b)\"|','|3)"}},
        {"LibA(1 /* ,) */, 2 // )\n)", {"LibA(1 /* ,) */|2 // ))"}},
        {"// LibA(1)\n/* LibA(2) */ \"LibA(3)\"", {}},
        {"x.LibA(1); p->LibA(2); p - > LibA(3)", {"LibA(3)"}},
        {"Other(1); MyLibA(1)", {}},
        {"LibA(1; LibA(2, {3})", {}},
        {"LibA(1, 2", {}},
        {"LibA(1]", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(CallsIn(c.text), c.calls) << c.text;
}

TEST(CCallsTest, OpenCallsCountTheirOwnCommas) {
    struct Case {
        const char* text;               // "@" marks the cursor
        std::vector<std::string> open;  // "name:argument", innermost first
    };
    const std::vector<Case> cases = {
        {"LibA(@", {"LibA:0"}},
        {"LibA(1, 2@", {"LibA:1"}},
        {"LibA(1, f(2, @", {"f:1", "LibA:1"}},
        {"LibA(1, f(2, 3), @", {"LibA:2"}},
        {"LibA(1, {2, 3}, [4, 5], @", {"LibA:3"}},
        {"LibA(\"(,\", ',', @", {"LibA:2"}},
        {"LibA(1) @", {}},
        {"LibA(1, /* @ */", {}},
        {"if (@", {"if:0"}},
        {"(1, @", {}},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        const std::size_t cursor = text.find('@');
        text.erase(cursor, 1);
        std::vector<std::string> open;
        for (const OpenCall& call : OpenCallsAt(text, cursor)) {
            open.push_back(std::string(call.name) + ":" + std::to_string(call.activeArgument));
        }
        EXPECT_EQ(open, c.open) << c.text;
    }
}

TEST(CCallsTest, WordsAroundTheCursor) {
    std::size_t start = 0;
    EXPECT_EQ(WordBefore("x = LibRe", 9), "LibRe");
    EXPECT_EQ(WordBefore("x = LibRe", 4), "");
    EXPECT_EQ(WordAround("x = LibRead(1)", 6, start), "LibRead");
    EXPECT_EQ(start, 4u);
    EXPECT_EQ(WordAround("x = LibRead(1)", 11, start), "LibRead");
    EXPECT_EQ(WordAround("a + b", 2, start), "");
}

TEST(TextPositionTest, CountsUtf16UnitsAndEveryLineEnd) {
    // "é" is two bytes and one unit, "😀" four bytes and two units.
    const std::string text =
        "a\xc3\xa9"
        "b\r\n\xf0\x9f\x98\x80x\rlast";
    const LineIndex lines(text);
    struct Case {
        std::size_t offset;
        TextPosition position;
    };
    const std::vector<Case> cases = {
        {0, {0, 0}},  {3, {0, 2}},  {4, {0, 3}},  {6, {1, 0}},
        {10, {1, 2}}, {11, {1, 3}}, {12, {2, 0}}, {16, {2, 4}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lines.positionOf(c.offset), c.position) << c.offset;
        EXPECT_EQ(lines.offsetOf(c.position), c.offset) << c.offset;
    }
    // Past a line's end is its end; past the last line, the document's end;
    // inside a character, its start.
    EXPECT_EQ(lines.offsetOf({0, 99}), 4u);
    EXPECT_EQ(lines.offsetOf({9, 0}), text.size());
    EXPECT_EQ(lines.offsetOf({1, 1}), 6u);
}

}  // namespace
}  // namespace wrennet::lsp
