// A source file and a prototype through everything a function choice runs:
// the lookup, the parameter reader, the panel layout, the range check and the
// call text. Byte 0 is the prototype's length, byte 1 the read size; the
// prototype follows, and the rest is the source file.

#include <array>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_check.h"
#include "library/call_text.h"
#include "library/param_choices.h"
#include "library/range_check.h"
#include "library/slot_layout.h"
#include "library/source_lookup.h"
#include "tests/support/memory_files.h"

using wrennet::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const char* bytes = reinterpret_cast<const char*>(data);
    const std::size_t prototypeLength = std::min<std::size_t>(data[0], size - 2);
    const std::size_t chunk = data[1] + 1u;
    const std::string prototype(bytes + 2, prototypeLength);
    const std::string source(bytes + 2 + prototypeLength, size - 2 - prototypeLength);

    wrennet::testing::MemoryFiles files(chunk);
    files.add("/lib/src/port.c", source);
    files.add("/lib/src/calc.exe", "");

    const wrennet::SourceLookup lookup =
        wrennet::FindFunctionSource(files, "/lib/src/port.c", prototype);
    Check(lookup.path == "/lib/src/port.c");
    Check(lookup.found || lookup.paneText == "-");
    Check(lookup.found == lookup.messages.empty());

    const wrennet::FunctionDetails details =
        wrennet::ReadParamChoices(files, lookup.path, prototype, lookup.found);
    Check(details.count >= 0 && details.count <= wrennet::kMaxSlots);
    Check(details.messages.empty());
    if (!lookup.found) Check(details.count == 0 && details.functionName == prototype);
    wrennet::LocateHelper(files, lookup.path, details.helperName);

    std::array<wrennet::SlotValue, wrennet::kMaxSlots> panel{};
    for (int k = 0; k < wrennet::kMaxSlots; ++k) {
        const auto index = static_cast<std::size_t>(k);
        const wrennet::ParamChoice& slot = details.slots[index];
        Check(slot.name.empty() == (k >= details.count));
        if (k >= details.count) continue;
        const wrennet::SlotLayout layout = wrennet::LayOutSlot(slot);
        Check(layout.field == wrennet::SlotField::Edit || !layout.items.empty());
        panel[index] = {
            slot.name, layout.entryText,
            layout.items.empty() ? std::nullopt : std::optional<std::string>(layout.items.front()),
            ""};
        wrennet::CheckRangeOnLeave(slot.name, slot.valueText, layout.entryText);
        wrennet::CheckRangeOnLeave(slot.name, slot.valueText, slot.valueText);
    }
    const wrennet::CallText call = wrennet::ComposeCallText(details.functionName, panel);
    Check(call.text.size() <= wrennet::kMaxCallText);
    Check(call.messages.size() <= 1);
    return 0;
}
