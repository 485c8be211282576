// The pure text rules behind the parameter panel and Copy: slot layout, call
// text, range check and the pane positions of the label clicks.
#include <gtest/gtest.h>

#include "call_text.h"
#include "pane_navigation.h"
#include "range_check.h"
#include "slot_layout.h"

namespace wrennet {
namespace {

TEST(SplitAt, EveryPieceCounts) {
    using Pieces = std::vector<std::string>;
    EXPECT_EQ(SplitAt("a||b", '|'), (Pieces{"a", "", "b"}));
    EXPECT_EQ(SplitAt("a,b,", ','), (Pieces{"a", "b", ""}));
    EXPECT_EQ(SplitAt("", '|'), (Pieces{""}));
}

TEST(LayOutSlot, Table) {
    struct Case {
        ParamChoice choice;
        SlotField field;
        std::vector<std::string> items;
        const char* entry;
        bool choiceList, helper, range;
    };
    const Case cases[] = {
        {{"m", "FAST,SLOW", ""}, SlotField::Combo, {"FAST", "SLOW"}, "", false, false, false},
        {{"m", "a,b.exe", "\"a,b.exe\""},
         SlotField::Combo,
         {"a", "b.exe"},
         "\"a,b.exe\"",
         false,
         false,
         false},
        {{"f", "RD|WR|EX", ""}, SlotField::Edit, {}, "RD", true, false, false},
        {{"f", "x|tool.exe", "\"x|tool.exe\""}, SlotField::Edit, {}, "x", true, false, false},
        {{"f", "|a|b", "keep"}, SlotField::Edit, {}, "keep", false, false, false},
        {{"l", "0-255", ""}, SlotField::Edit, {}, "", false, false, true},
        {{"h", "pick.exe", "\"pick.exe\""},
         SlotField::Edit,
         {},
         "\"pick.exe\"",
         false,
         true,
         false},
        {{"v", "", ""}, SlotField::Edit, {}, "", false, false, false},
    };
    for (const auto& c : cases) {
        const SlotLayout layout = LayOutSlot(c.choice);
        const std::string& value = c.choice.valueText;
        EXPECT_EQ(layout.field, c.field) << value;
        EXPECT_EQ(layout.items, c.items) << value;
        EXPECT_EQ(layout.entryText, c.entry) << value;
        EXPECT_EQ(layout.isChoiceList, c.choiceList) << value;
        EXPECT_EQ(layout.isHelper, c.helper) << value;
        EXPECT_EQ(layout.isRange, c.range) << value;
    }
}

TEST(ComposeCallText, Table) {
    const Message missing{"Some parameters not selected.", MessageIcon::Warning};
    struct Case {
        std::string function;
        std::array<SlotValue, kMaxSlots> slots;
        std::string text;
        Messages messages;
    };
    const Case cases[] = {
        {"set", {{{"mode", "", "FAST", "x"}, {"level", "7", std::nullopt, ""}}}, "set(FAST,7)", {}},
        {"reset", {}, "reset()", {}},
        {"open", {{{"m", "RD|WR", "A", ""}}}, "open(RD|WR)", {}},
        {"f",
         {{{"a", "A", {}, ""}, {"b", "", std::nullopt, ""}, {"c", "C", {}, ""}}},
         "f(A,,C)",
         {missing}},
        {"f", {{{"a", "", std::nullopt, "typed"}}}, "f(typed)", {}},
        {"f", {{{"a", "", std::string(""), "typed"}}}, "f()", {missing}},
        {"f", {{{"a", "A", {}, ""}, {"", "B", {}, ""}, {"c", "C", {}, ""}}}, "f(A)", {}},
        {"Function",
         {{{"Parmn1", "", {}, ""},
           {"Parmn2", "", {}, ""},
           {"Parmn3", "", {}, ""},
           {"Parmn4", "", {}, ""}}},
         "Function(,,,)",
         {missing}},
        {std::string(300, 'x'), {}, std::string(255, 'x'), {}},
    };
    for (const auto& c : cases) {
        const CallText call = ComposeCallText(c.function, c.slots);
        EXPECT_EQ(call.text, c.text);
        EXPECT_EQ(call.messages, c.messages) << c.text;
    }
}

TEST(ParseLong32, BaseZeroWithSaturation) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"255", 255},
        {" \t+300", 300},
        {"-1", -1},
        {"0x100", 256},
        {"0X1f", 31},
        {"017", 15},
        {"09", 0},
        {"0x", 0},
        {"0xg", 0},
        {"abc", 0},
        {"", 0},
        {"12ab", 12},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483648},
        {"- 5", 0},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ParseLong32(text), value) << text;
}

TEST(CheckRangeOnLeave, Table) {
    struct Case {
        const char* value;
        const char* entry;
        bool warns;
    };
    const Case cases[] = {
        {"0-255", "255", false},
        {"0-255", "0", false},
        {"0-255", "256", true},
        {"0-255", "0x100", true},
        {"0-255", "-1", true},
        {"0-255", "+300", true},
        {"0-255", "abc", false},
        {"0-255", " 300", false},
        {"0-255", "(7)", false},
        {"0x10-0x20", "16", false},
        {"0x10-0x20", "0x20", false},
        {"0x10-0x20", "15", true},
        {"1-3-5", "4", true},
        {"-5-5", "9", false},
        {"0-2147483647", "99999999999", false},
        {"0|1|-1", "-1", true},
        {"0-255", "", false},
        {"FAST", "7", false},
    };
    for (const auto& c : cases) {
        const std::optional<Message> message = CheckRangeOnLeave("level", c.value, c.entry);
        EXPECT_EQ(message.has_value(), c.warns) << c.value << " " << c.entry;
        if (message) {
            EXPECT_EQ(*message, (Message{"level Out of range.", MessageIcon::Warning}));
        }
    }
}

TEST(PanePositions, ParameterAndDeclaration) {
    const std::string pane =
        "/**\n@brief int f first\n@param mode :{A}\n@brief int f again\n*/\nint f(int mode)\n";
    EXPECT_EQ(ParameterPosition(pane, "mode"), pane.find("@param mode"));
    EXPECT_EQ(ParameterPosition(pane, "level"), kNoPosition);
    // Past the last "@brief int f", the next "int f" is the definition.
    EXPECT_EQ(DeclarationPosition(pane, "int", "f"), pane.find("int f(int"));
    EXPECT_EQ(DeclarationPosition("int f(void)", "int", "f"), kNoPosition);  // starts at 10
    EXPECT_EQ(DeclarationPosition("0123456789int f", "int", "f"), 10u);
}

}  // namespace
}  // namespace wrennet
