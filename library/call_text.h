// The call text that Copy puts on the clipboard, built from the slots.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "library/message.h"
#include "library/param_choices.h"

namespace wrennet {

inline constexpr std::size_t kMaxCallText = 255;

// What one slot of the panel holds when Copy is pressed.
struct SlotValue {
    std::string name;                         // empty: the slot (and every later one) is unused
    std::string entryText;                    // wins when not empty
    std::optional<std::string> selectedItem;  // the value combo's selected item, if any
    std::string comboText;                    // the text in the value combo's field
};

struct CallText {
    std::string text;   // name(v1,v2,...), cut to its first 255 bytes
    Messages messages;  // "Some parameters not selected." when a used slot has no value
};

CallText ComposeCallText(std::string_view functionName,
                         const std::array<SlotValue, kMaxSlots>& slots);

}  // namespace wrennet
