#include "function_name.h"

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

}  // namespace
}  // namespace wrennet::lsp
