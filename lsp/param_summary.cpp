#include "lsp/param_summary.h"

#include "library/slot_layout.h"

namespace wrennet::lsp {

std::string SummariseParameter(const ParamChoice& param) {
    const SlotLayout layout = LayOutSlot(param);
    if (param.valueText.empty()) return {};
    if (layout.field == SlotField::Combo) return "one of " + param.valueText;
    if (layout.isChoiceList) return "flags " + param.valueText;
    if (layout.isHelper) return "helper " + param.valueText;
    if (layout.isRange) return "range " + param.valueText;
    return "value " + param.valueText;
}

}  // namespace wrennet::lsp
