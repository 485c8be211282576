// The pure text rules behind the parameter panel and Copy: slot layout, call
// text, range check and the pane positions of the label clicks.
#include <gtest/gtest.h>

#include "call_text.h"
#include "choice_list.h"
#include "pane_navigation.h"
#include "parameter_helper.h"
#include "range_check.h"
#include "slot_layout.h"

namespace wrennet {
namespace {

// "combo a|b entry=x" or "edit list/helper/range entry=x": one line per layout.
std::string Summary(const SlotLayout& layout) {
    std::string out = layout.field == SlotField::Combo ? "combo" : "edit";
    for (std::size_t i = 0; i < layout.items.size(); ++i) out += (i ? "|" : " ") + layout.items[i];
    if (layout.isChoiceList) out += " list";
    if (layout.isHelper) out += " helper";
    if (layout.isRange) out += " range";
    return out + " entry=" + layout.entryText;
}

TEST(LayOutSlot, Table) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"FAST,SLOW", "", "combo FAST|SLOW entry="},
        {"a,,b.exe", "\"a,,b.exe\"", "combo a||b.exe entry=\"a,,b.exe\""},
        {"RD|WR|EX", "", "edit list entry=RD"},
        {"x|tool.exe", "\"x|tool.exe\"", "edit list entry=x"},  // the flag set wins
        {"|a|b", "keep", "edit entry=keep"},                    // "|" first: no list
        {"0-255", "", "edit range entry="},
        {"pick.exe", "\"pick.exe\"", "edit helper entry=\"pick.exe\""},
        {",a", "", "edit entry="},
    };
    for (const auto& [value, entry, summary] : cases) {
        EXPECT_EQ(Summary(LayOutSlot({"p", value, entry})), summary) << value;
    }
    EXPECT_EQ(SplitAt("", '|'), std::vector<std::string>{""});
}

TEST(ComposeCallText, Table) {
    const Messages none;
    const Messages missing = {{"Some parameters not selected.", MessageIcon::Warning}};
    const std::optional<std::string> unselected;
    struct Case {
        std::string function;
        std::array<SlotValue, kMaxSlots> slots;
        std::string text;
        const Messages& messages;
    };
    const Case cases[] = {
        {"set", {{{"mode", "", "FAST", "x"}, {"level", "7", unselected, ""}}}, "set(FAST,7)", none},
        {"reset", {}, "reset()", none},
        {"open", {{{"m", "RD|WR", "A", ""}}}, "open(RD|WR)", none},
        {"f",
         {{{"a", "", unselected, "A"}, {"b", "", {}, ""}, {"c", "C", {}, ""}}},
         "f(A,,C)",
         missing},
        {"f", {{{"a", "", "", "typed"}}}, "f()", missing},
        {"f", {{{"a", "A", {}, ""}, {"", "B", {}, ""}, {"c", "C", {}, ""}}}, "f(A)", none},
        {std::string(300, 'x'), {}, std::string(255, 'x'), none},
    };
    for (const auto& c : cases) {
        const CallText call = ComposeCallText(c.function, c.slots);
        EXPECT_EQ(call.text, c.text);
        EXPECT_EQ(call.messages, c.messages) << c.text;
    }
}

TEST(CheckRangeOnLeave, Table) {
    // value text, entry, whether " Out of range." is shown
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"0-255", "255", false},   {"0-255", "0", false},
        {"0-255", "256", true},    {"0-255", "0x100", true},
        {"0-255", "-1", true},     {"0-255", "+300", true},
        {"0-255", "abc", false},   {"0-255", " 300", false},
        {"0-255", "(7)", false},   {"0x10-0x20", "16", false},
        {"0x10-0x20", "15", true}, {"1-3-5", "4", true},
        {"-5-5", "9", false},      {"0|1|-1", "-1", true},
        {"0-255", "", false},      {"0-2147483647", "99999999999", false},
        {"0-16", "019", false},  // octal: stops at the 9
        {"0-20", "0X1f", true},    {"0-9", "0x", false},
        {"1-9", "- 5", true},  // a sign without digits is 0
        {"0-9", "12ab", true},

    };
    const Message outOfRange{"level Out of range.", MessageIcon::Warning};
    for (const auto& [value, entry, warns] : cases) {
        const std::optional<Message> message = CheckRangeOnLeave("level", value, entry);
        EXPECT_EQ(message, warns ? std::optional(outOfRange) : std::nullopt)
            << value << " " << entry;
    }
}

TEST(ChoiceList, JoinAndSelect) {
    const std::vector<std::string> items = {"a", "", "b", "RD", "wr"};
    struct Case {
        std::vector<std::size_t> selected;
        std::string joined;
    };
    const Case joins[] = {
        {{2, 0}, "a|b"},  // list order, not click order
        {{}, ""},
        {{1, 2}, "b"},   // an empty item first adds nothing
        {{0, 1}, "a|"},  // ... and later a lone "|"
        {{0, 1, 2}, "a||b"},
        {{3, 3, 9}, "RD"},  // repeated and unknown indices
    };
    for (const Case& c : joins) EXPECT_EQ(JoinSelectedItems(items, c.selected), c.joined);

    std::vector<std::string> many;
    std::vector<std::size_t> all;
    for (std::size_t i = 0; i < 40; ++i) {
        many.push_back("f" + std::to_string(i));
        all.push_back(39 - i);
    }
    const std::string joined = JoinSelectedItems(many, all);
    EXPECT_EQ(std::count(joined.begin(), joined.end(), '|'), 31);
    EXPECT_TRUE(joined.ends_with("|f31"));

    struct Named {
        std::string entry;
        std::vector<std::size_t> indices;
    };
    const Named named[] = {
        {"rd|WR", {3, 4}},                 // letter case ignored, whole items only
        {"R|wr|b|zz", {2, 4}}, {"", {1}},  // the empty piece names the empty item
        {"a|A", {0}},                      // each item once
        {"\xC4|b", {2}},
    };
    for (const Named& n : named) EXPECT_EQ(ItemsNamedBy(items, n.entry), n.indices) << n.entry;
}

TEST(HelperCommand, BuiltOrRefused) {
    struct Case {
        std::string library, value;
        std::string shown, shell;  // shell empty: refused with `shown` as the message
    };
    const std::string chars = ": helper name holds characters that are not allowed.";
    const std::string leaves = ": helper name leads out of the library's folder.";
    const Case cases[] = {
        {"/lib/src/LibZet4410.s79", "tool.exe", "/lib/src/tool.exe", "'/lib/src/'tool.exe"},
        {"LibZet4410.s79", "tool.exe", "tool.exe", "'./'tool.exe"},
        {"/my libs/it's/a.s79", "sub/t.exe", "/my libs/it's/sub/t.exe",
         "'/my libs/it'\\''s/'sub/t.exe"},
        {"/l/a.s79", "x\xE9.exe", "/l/x\xE9.exe", "'/l/'x\xE9.exe"},
        {"/l/a.s79", "..x/t..exe", "/l/..x/t..exe", "'/l/'..x/t..exe"},
        {"/l/a.s79", "../t.exe", "../t.exe" + leaves, ""},
        {"/l/a.s79", "a/../../t.exe", "a/../../t.exe" + leaves, ""},
        {"/l/a.s79", "a/..", "a/.." + leaves, ""},
        {"/l/a.s79", "t.exe;rm", "t.exe;rm" + chars, ""},
        {"/l/a.s79", "$(id).exe", "$(id).exe" + chars, ""},
        {"/l/a.s79", "a~b.exe", "a~b.exe" + chars, ""},
        {"/l/a.s79", "t.exe\r", "t.exe\r" + chars, ""},
        {"/l/a.s79", "t\x7F.exe", "t\x7F.exe" + chars, ""},
        {"/l/a.s79", "a\\b.exe", "a\\b.exe" + chars, ""},
    };
    for (const Case& c : cases) {
        const HelperStart start = BuildHelperCommand(c.library, c.value);
        if (c.shell.empty()) {
            EXPECT_FALSE(start.command) << c.value;
            EXPECT_EQ(start.messages, (Messages{{c.shown, MessageIcon::Warning}}));
        } else {
            ASSERT_TRUE(start.command) << c.value;
            EXPECT_EQ(std::tie(start.command->shown, start.command->shell),
                      std::tie(c.shown, c.shell));
            EXPECT_TRUE(start.messages.empty());
        }
    }

    const HelperCommand command{"/l/t.exe", "'/l/'t.exe"};
    const Message notFound{"/l/t.exe or CMD.EXE not found.", MessageIcon::Warning};
    // What std::system returns: -1, or a wait status (exit status << 8, or a signal).
    const std::pair<int, bool> results[] = {{-1, true},      {127 << 8, true}, {0, false},
                                            {1 << 8, false}, {127, false},     {126 << 8, false}};
    for (const auto& [result, reported] : results) {
        EXPECT_EQ(ReportHelperRun(command, result),
                  reported ? std::optional(notFound) : std::nullopt)
            << result;
    }
}

TEST(PanePositions, ParameterAndDeclaration) {
    const std::string pane =
        "/**\n@brief int f first\n@param mode :{A}\n@brief int f again\n*/\nint f(int mode)\n";
    EXPECT_EQ(ParameterPosition(pane, "mode"), pane.find("@param mode"));
    EXPECT_EQ(ParameterPosition(pane, "level"), std::nullopt);
    // Past the last "@brief int f", the next "int f" is the definition.
    EXPECT_EQ(DeclarationPosition(pane, "int", "f"), pane.find("int f(int"));
    EXPECT_EQ(DeclarationPosition("int f(void)", "int", "f"), std::nullopt);  // looks from 10 on
}

}  // namespace
}  // namespace wrennet
