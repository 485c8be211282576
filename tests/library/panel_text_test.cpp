// The pure text rules behind the parameter panel and Copy that the golden
// corpus does not reach: call text precedence, choice lists, helper commands
// and the pane positions of the label clicks.
#include <gtest/gtest.h>

#include <numeric>

#include "library/call_text.h"
#include "library/choice_list.h"
#include "library/pane_navigation.h"
#include "library/parameter_helper.h"

namespace wrennet {
namespace {

TEST(ComposeCallText, PrecedenceAndEnd) {
    // The entry wins over the combo's item, the item (even an empty one) over
    // typed text; a slot without a name ends the call.
    const std::optional<std::string> none;
    const CallText call = ComposeCallText("f", {{{"m", "", "FAST", "x"},
                                                 {"n", "7", "y", ""},
                                                 {"b", "", "", "typed"},
                                                 {"", "B", none, ""}}});
    EXPECT_EQ(call.text, "f(FAST,7,)");
    EXPECT_EQ(call.messages, (Messages{{"Some parameters not selected.", MessageIcon::Warning}}));
}

TEST(ChoiceList, JoinAndSelect) {
    const std::vector<std::string> items = {"a", "", "b", "RD", "wr"};
    const std::pair<std::vector<std::size_t>, std::string> joins[] = {
        {{2, 0}, "a|b"},    // list order, not click order
        {{1, 2}, "b"},      // an empty item first adds nothing
        {{0, 1}, "a|"},     // ... and later a lone "|"
        {{3, 3, 9}, "RD"},  // repeated and unknown indices
    };
    for (const auto& [selected, joined] : joins)
        EXPECT_EQ(JoinSelectedItems(items, selected), joined);

    std::vector<std::size_t> all(40);
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(JoinSelectedItems(std::vector<std::string>(40, "f"), all).size(), 32 * 2 - 1);

    const std::pair<std::string, std::vector<std::size_t>> named[] = {
        {"rd|WR", {3, 4}},  // letter case ignored, whole items only
        {"R|wr|b|zz", {2, 4}},
        {"", {1}},     // the empty piece names the empty item
        {"a|A", {0}},  // each item once
    };
    for (const auto& [entry, indices] : named) EXPECT_EQ(ItemsNamedBy(items, entry), indices);
}

TEST(HelperCommand, BuiltOrRefused) {
    const std::string chars = ": helper name holds characters that are not allowed.";
    const std::string leaves = ": helper name leads out of the library's folder.";
    const std::string stepsBack = ": helper name steps back with \"..\", which is not allowed.";
    struct Case {
        std::string library = "/l/a.s79", value{}, shell{}, refusal{};  // shell "": refused
    };
    const Case cases[] = {
        {.library = "Lib.s79", .value = "tool.exe", .shell = "'./'tool.exe"},
        {.library = "/my libs/it's/a.s79",
         .value = "sub/t\xE9.exe",
         .shell = "'/my libs/it'\\''s/'sub/t\xE9.exe"},
        {.value = "..x/t..exe", .shell = "'/l/'..x/t..exe"},
        {.value = "../t.exe", .refusal = leaves},
        {.value = "a/../../t.exe", .refusal = leaves},
        {.value = "./../t.exe", .refusal = leaves},
        // Back into the folder: refused, but it does not lead out.
        {.value = "a/..", .refusal = stepsBack},
        {.value = "sub/../t.exe", .refusal = stepsBack},
        {.value = "t.exe;rm", .refusal = chars},
        {.value = "$(id).exe", .refusal = chars},
        {.value = "a b.exe", .refusal = chars},
        {.value = "t.exe\r", .refusal = chars},
        {.value = "t\x7F.exe", .refusal = chars},
    };
    for (const Case& c : cases) {
        const HelperStart start = BuildHelperCommand(c.library, c.value);
        EXPECT_EQ(start.command ? start.command->shell : "", c.shell) << c.value;
        const Messages refused = {{c.value + c.refusal, MessageIcon::Warning}};
        EXPECT_EQ(start.messages, c.refusal.empty() ? Messages() : refused);
    }

    // What std::system returns: -1, or a wait status (exit status << 8, or a signal).
    const std::pair<int, bool> results[] = {{-1, true},      {127 << 8, true}, {0, false},
                                            {1 << 8, false}, {127, false},     {126 << 8, true}};
    for (const auto& [result, reported] : results) {
        EXPECT_EQ(ReportHelperRun({"/l/t.exe", "'/l/'t.exe"}, result).has_value(), reported)
            << result;
    }
    EXPECT_EQ(ReportHelperRun({"/l/t.exe", "'/l/'t.exe"}, 126 << 8)->text,
              "/l/t.exe is not executable.");
}

TEST(PanePositions, ParameterAndDeclaration) {
    const std::string pane =
        "/**\n@brief int f first\n@param mode :{A}\n@brief int f again\n*/\nint f(int mode)\n";
    EXPECT_EQ(ParameterPosition(pane, "mode"), 23u);  // the "@" of "@param mode"
    EXPECT_EQ(ParameterPosition(pane, "level"), std::nullopt);
    // Past the last "@brief int f", the next "int f" is the definition.
    EXPECT_EQ(DeclarationPosition(pane, "int", "f"), 62u);                    // the definition line
    EXPECT_EQ(DeclarationPosition("int f(void)", "int", "f"), std::nullopt);  // looks from 10 on
}

}  // namespace
}  // namespace wrennet
