#include "library/call_text.h"

namespace wrennet {

CallText ComposeCallText(std::string_view functionName,
                         const std::array<SlotValue, kMaxSlots>& slots) {
    CallText call;
    call.text.assign(functionName);
    call.text.push_back('(');
    bool missing = false;
    bool first = true;
    for (const SlotValue& slot : slots) {
        if (slot.name.empty()) break;
        const std::string& value = !slot.entryText.empty() ? slot.entryText
                                   : slot.selectedItem     ? *slot.selectedItem
                                                           : slot.comboText;
        if (value.empty()) missing = true;
        if (!first) call.text.push_back(',');
        call.text.append(value);
        first = false;
    }
    call.text.push_back(')');
    if (missing) call.messages.push_back({"Some parameters not selected.", MessageIcon::Warning});
    if (call.text.size() > kMaxCallText) call.text.resize(kMaxCallText);
    return call;
}

}  // namespace wrennet
