#include "lsp/function_name.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wrennet::lsp {
namespace {

TEST(FunctionNameTest, TheNameAndParametersAnEntryAloneGives) {
    struct Case {
        const char* entry;
        const char* name;
        std::vector<std::string> params;
    };
    const std::vector<Case> cases = {
        {"int PortRead(int port, int mode)", "PortRead", {"port", "mode"}},
        {"char *PortName (int port, char *buffer, int size)",
         "PortName",
         {"port", "buffer", "size"}},
        {"void PortReset(void)", "PortReset", {}},
        {"int F(int a, int b, int c, int d, int e)", "F", {"a", "b", "c", "d"}},
        {"int $x1(int a)", "$x1", {"a"}},
        {"int 9a(int a)", "", {"a"}},
        {"no parenthesis", "", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FunctionNameOf(c.entry), c.name) << c.entry;
        const FunctionDetails details = DetailsFromEntry(c.entry);
        std::vector<std::string> params;
        for (int k = 0; k < details.count; ++k) params.push_back(details.slots[k].name);
        EXPECT_EQ(params, c.params) << c.entry;
    }
}

TEST(FunctionNameTest, EveryParameterAndTheNameItIsCalledBy) {
    struct Case {
        const char* entry;
        std::vector<std::string> texts;
        std::vector<std::string> names;
    };
    const std::vector<Case> cases = {
        {"int F(int a, int b, int c, int d, char *e)",
         {"int a", "int b", "int c", "int d", "char *e"},
         {"a", "b", "c", "d", "e"}},
        {"void F(void)", {}, {}},
        {"void F()", {}, {}},
        {"void F(int, char *, ...)", {"int", "char *", "..."}, {"", "", ""}},
        {"void F(void (*done)(int code, int why), int n)",
         {"void (*done)(int code, int why)", "int n"},
         {"done", "n"}},
        {"void F( char buf[16] ,unsigned long\tcount )",
         {"char buf[16]", "unsigned long\tcount"},
         {"buf", "count"}},
        {"no parenthesis", {}, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> texts;
        std::vector<std::string> names;
        for (const std::string_view text : ParameterTexts(c.entry)) {
            texts.emplace_back(text);
            names.emplace_back(ParameterNameOf(text));
        }
        EXPECT_EQ(texts, c.texts) << c.entry;
        EXPECT_EQ(names, c.names) << c.entry;
    }
}

}  // namespace
}  // namespace wrennet::lsp
