#include "library/slot_layout.h"

#include "common/no_position.h"

namespace wrennet {

bool HasAfterFirst(std::string_view text, std::string_view needle) {
    const std::size_t at = text.find(needle);
    return at != kNoPosition && at >= 1;
}

std::vector<std::string> SplitAt(std::string_view text, char separator) {
    std::string remainder(text);
    remainder.push_back(separator);
    std::vector<std::string> pieces;
    std::string_view rest = remainder;
    while (!rest.empty()) {
        const std::size_t at = rest.find(separator);
        pieces.emplace_back(rest.substr(0, at));
        rest.remove_prefix(at + 1);
    }
    return pieces;
}

SlotLayout LayOutSlot(const ParamChoice& choice) {
    SlotLayout layout;
    const std::string& value = choice.valueText;
    layout.entryText = choice.entryText;
    if (HasAfterFirst(value, ",")) {
        layout.field = SlotField::Combo;
        layout.items = SplitAt(value, ',');
        return layout;
    }
    layout.field = SlotField::Edit;
    layout.isChoiceList = HasAfterFirst(value, "|");
    // A flag set starts from its first flag, whatever a helper name would give.
    if (layout.isChoiceList) layout.entryText = value.substr(0, value.find('|'));
    layout.isHelper = !layout.isChoiceList && HasAfterFirst(value, ".exe");
    layout.isRange = HasAfterFirst(value, "-");
    return layout;
}

}  // namespace wrennet
