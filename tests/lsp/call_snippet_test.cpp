#include "lsp/call_snippet.h"

#include <gtest/gtest.h>

#include <vector>

namespace wrennet::lsp {
namespace {

struct CallCase {
    const char* what;
    std::vector<ParamChoice> params;
    const char* snippet;
    const char* plain;
};

ParamChoice Param(const char* name, const char* valueText, const char* entryText = "") {
    return {name, valueText, entryText};
}

TEST(CallSnippetTest, EachKindOfParameterBecomesItsOwnTabStop) {
    const std::vector<CallCase> cases = {
        {"no parameters", {}, "Fn()", "Fn()"},
        {"value list", {Param("port", "0,1,2")}, "Fn(${1|0,1,2|})", "Fn(0)"},
        {"flag list offers single flags",
         {Param("mode", "RD|WR|EX")},
         "Fn(${1|RD,WR,EX|})",
         "Fn(RD)"},
        {"range is a named placeholder", {Param("level", "0-255")}, "Fn(${1:level})", "Fn(level)"},
        {"helper is a named placeholder",
         {Param("prescale", "pick.exe", "\"pick.exe\"")},
         "Fn(${1:prescale})",
         "Fn(prescale)"},
        {"undescribed is a named placeholder", {Param("buf", "")}, "Fn(${1:buf})", "Fn(buf)"},
        {"tab stops count up",
         {Param("port", "0,1"), Param("mode", "RD|WR"), Param("len", "")},
         "Fn(${1|0,1|},${2|RD,WR|},${3:len})",
         "Fn(0,RD,len)"},
        {"a value list item holding | is escaped in the choice",
         {Param("m", "RD|WR,EX")},
         "Fn(${1|RD\\|WR,EX|})",
         "Fn(RD|WR)"},
        {"backslashes in a choice are escaped",
         {Param("c", "'\\n','\\t'")},
         "Fn(${1|'\\\\n','\\\\t'|})",
         "Fn('\\n')"},
        {"empty list items are left out", {Param("p", "0,,2,")}, "Fn(${1|0,2|})", "Fn(0)"},
        {"a list of nothing but empties is a placeholder",
         {Param("p", ",,")},
         "Fn(${1:p})",
         "Fn(p)"},
        {"$, } and \\ in a placeholder are escaped",
         {Param("a$}\\b", "")},
         "Fn(${1:a\\$\\}\\\\b})",
         "Fn(a$}\\b)"},
    };
    for (const CallCase& c : cases) {
        EXPECT_EQ(BuildCall("Fn", c.params, CallStyle::Snippet), c.snippet) << c.what;
        EXPECT_EQ(BuildCall("Fn", c.params, CallStyle::PlainText), c.plain) << c.what;
    }
}

TEST(CallSnippetTest, FunctionNameIsEscapedOnlyInTheSnippet) {
    EXPECT_EQ(BuildCall("F$x", {}, CallStyle::Snippet), "F\\$x()");
    EXPECT_EQ(BuildCall("F$x", {}, CallStyle::PlainText), "F$x()");
}

TEST(CallSnippetTest, DetailsGiveTheirCountedSlotsOnly) {
    FunctionDetails details;
    details.functionName = "PortRead";
    details.count = 2;
    details.slots[0] = Param("port", "0,1,2");
    details.slots[1] = Param("mode", "RD|WR");
    details.slots[2] = Param("ignored", "7,8");
    const char* entry = "int PortRead(int port, int mode)";
    EXPECT_EQ(BuildCall(details, entry, CallStyle::Snippet), "PortRead(${1|0,1,2|},${2|RD,WR|})");
    EXPECT_EQ(BuildCall(details, entry, CallStyle::PlainText), "PortRead(0,RD)");
}

// The documentation reading covers four parameters; a call still needs all.
TEST(CallSnippetTest, ParametersPastTheReadSlotsGetNamedPlaceholders) {
    struct Case {
        const char* entry;
        int count;
        const char* snippet;
    };
    const std::vector<Case> cases = {
        {"int Six(int a, int b, int c, int d, char *out, long n)", 4,
         "Six(${1|0,1|},${2:b},${3:c},${4:d},${5:out},${6:n})"},
        {"void Cb(int a, void (*done)(int code), int)", 1, "Cb(${1|0,1|},${2:done},${3:arg3})"},
        {"int Arr(int a, char buf[16], ...)", 1, "Arr(${1|0,1|},${2:buf},${3:arg3})"},
        {"int Fewer(int a, int b)", 1, "Fewer(${1|0,1|},${2:b})"},
        {"int None(void)", 0, "None()"},
    };
    for (const Case& c : cases) {
        FunctionDetails details;
        details.functionName = std::string(c.entry).substr(std::string(c.entry).find(' ') + 1);
        details.functionName.erase(details.functionName.find('('));
        details.count = c.count;
        details.slots[0] = Param("a", "0,1");
        for (std::size_t k = 1; k < 4; ++k)
            details.slots[k] = Param(k == 1 ? "b" : k == 2 ? "c" : "d", "");
        EXPECT_EQ(BuildCall(details, c.entry, CallStyle::Snippet), c.snippet) << c.entry;
    }
}

}  // namespace
}  // namespace wrennet::lsp
