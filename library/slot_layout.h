// SlotLayout: what a parameter slot offers, from its value text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "library/param_choices.h"

namespace wrennet {

// True when `needle` first occurs in `text` at index 1 or later. The panel asks
// it of value texts as the layout does.
bool HasAfterFirst(std::string_view text, std::string_view needle);

// Appends the separator, then takes piece after piece; empty pieces count.
// "a||b" -> {"a", "", "b"}; "" -> {""} (the appended separator gives one empty piece).
std::vector<std::string> SplitAt(std::string_view text, char separator);

enum class SlotField { Combo, Edit };

// What the parameter panel offers for one used slot.
struct SlotLayout {
    SlotField field = SlotField::Edit;
    std::vector<std::string> items;  // value combo items, the first one selected
    std::string entryText;           // the value edit's starting text
    bool isChoiceList = false;       // edit with "|" after its first character
    bool isHelper = false;           // edit with ".exe" after its first character
    bool isRange = false;            // "-" after its first character
};

// The field, items and entry text the panel lays out for `choice`.
SlotLayout LayOutSlot(const ParamChoice& choice);

}  // namespace wrennet
