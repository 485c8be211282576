#include "library/function_name_finder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wrennet {
namespace {

TEST(FunctionNameOf, TheWordBeforeTheFirstParenthesis) {
    const std::pair<std::string, std::string> cases[] = {
        {"int PortRead(int port, int mode)", "PortRead"},
        {"unsigned long  Zet_Uart2 (void)", "Zet_Uart2"},
        {"char *caf\xC3\xA9(int a)", "caf\xC3\xA9"},
        {"NoParentheses", "NoParentheses"},
        {"", ""},
    };
    for (const auto& [entry, name] : cases) EXPECT_EQ(FunctionNameOf(entry), name) << entry;
}

std::vector<std::uint32_t> Kept(FunctionNameFinder& finder, const std::string& typed) {
    return finder.narrow(typed);
}

// Typing, Backspace and a fresh text in any order: the answer is always the
// one a search of the whole list gives.
TEST(FunctionNameFinder, NarrowsByNameLetterCaseAside) {
    const EntryList entries = {"int PortRead(int port, int mode)", "int PortClose(int port)",
                               "void UartInit(int readMode)", "int ZetReadAll(void)",
                               "long portable(void)"};
    FunctionNameFinder finder(entries);
    const std::pair<std::string, std::vector<std::uint32_t>> steps[] = {
        {"", {0, 1, 2, 3, 4}}, {"r", {0, 1, 2, 3, 4}},  // "PortRead", "PortClose", "UartInit", ...
        {"re", {0, 3}},         // not "readMode": parameters are no part of the name
        {"rea", {0, 3}},        //
        {"read", {0, 3}},       //
        {"reads", {}},          //
        {"rea", {0, 3}},        // Backspace
        {"", {0, 1, 2, 3, 4}},  // all gone
        {"PORT", {0, 1, 4}},    // letter case aside
        {"portc", {1}},         //
        {"void", {}},           // the return type is no part of the name either
        {"zetreadall", {3}},    // a fresh text, not a longer one
        {"zetreadall!", {}},
    };
    for (const auto& [typed, kept] : steps) EXPECT_EQ(Kept(finder, typed), kept) << typed;
}

}  // namespace
}  // namespace wrennet
