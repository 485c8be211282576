// The pure text rules behind the parameter panel and Copy: slot layout, call
// text, range check and the pane positions of the label clicks.
#include <gtest/gtest.h>

#include "call_text.h"
#include "pane_navigation.h"
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

TEST(PanePositions, ParameterAndDeclaration) {
    const std::string pane =
        "/**\n@brief int f first\n@param mode :{A}\n@brief int f again\n*/\nint f(int mode)\n";
    EXPECT_EQ(ParameterPosition(pane, "mode"), pane.find("@param mode"));
    EXPECT_EQ(ParameterPosition(pane, "level"), kNoPosition);
    // Past the last "@brief int f", the next "int f" is the definition.
    EXPECT_EQ(DeclarationPosition(pane, "int", "f"), pane.find("int f(int"));
    EXPECT_EQ(DeclarationPosition("int f(void)", "int", "f"), kNoPosition);  // looks from 10 on
}

}  // namespace
}  // namespace wrennet
