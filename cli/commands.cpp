#include "cli/commands.h"

#include <array>
#include <optional>

#include "cli/json_writer.h"
#include "library/call_text.h"
#include "library/param_choices.h"
#include "library/range_check.h"
#include "library/scanner.h"
#include "library/slot_layout.h"
#include "library/source_lookup.h"

namespace wrennet::cli {

namespace {

// Everything the window knows after the user closes the function list on
// `prototype`: the source pane, the parameter records and the helper beside
// the source file.
struct FunctionChoice {
    SourceLookup lookup;
    FunctionDetails details;
    std::optional<std::string> helperPath;
};

FunctionChoice ChooseFunction(const FileReader& files, const std::string& library,
                              const std::string& prototype) {
    FunctionChoice choice;
    choice.lookup = FindFunctionSource(files, ToSourceName(library), prototype);
    choice.details = ReadParamChoices(files, choice.lookup.path, prototype, choice.lookup.found);
    // A fresh window has no helper yet, so "keep the previous one" also means
    // none.
    const HelperLocation helper =
        LocateHelper(files, choice.lookup.path, choice.details.helperName);
    if (helper.outcome == HelperLocation::Outcome::Found) choice.helperPath = helper.path;
    return choice;
}

void Append(Messages& to, const Messages& from) { to.insert(to.end(), from.begin(), from.end()); }

int LookupStatus(const FunctionChoice& choice) { return choice.lookup.found ? 0 : 1; }

const char* FieldName(SlotField field) { return field == SlotField::Combo ? "combo" : "edit"; }

// One line per entry, gathered in blocks of 64 KiB: a huge library must not
// need its list twice in memory. The texts lie in file order and are read in
// list order, so each is asked for a few entries ahead. A stream insertion
// per entry made the copying a large share of a listing: see the C headers
// benchmark in bench/README.md.
void WriteEntries(const EntryList& entries, std::ostream& out) {
    constexpr std::size_t kBlock = 64 * 1024;
    constexpr std::size_t kAhead = 16;
    std::string block;
    block.reserve(kBlock);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i + kAhead < entries.size()) __builtin_prefetch(entries[i + kAhead].data());
        const std::string_view entry = entries[i];
        if (block.size() + entry.size() + 1 > kBlock) {
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
            block.clear();
        }
        block.append(entry);
        block.push_back('\n');
    }
    out.write(block.data(), static_cast<std::streamsize>(block.size()));
}

}  // namespace

CommandOutcome ListFunctions(const FileReader& files, const std::string& library,
                             std::ostream& out) {
    ScanResult scan = ScanLibraryFile(files, library);
    CommandOutcome outcome;
    outcome.messages = std::move(scan.messages);
    if (!scan.opened) {
        outcome.status = 1;
        return outcome;
    }
    WriteEntries(scan.entries, out);
    return outcome;
}

CommandOutcome ShowSource(const FileReader& files, const std::string& library,
                          const std::string& prototype, std::ostream& out) {
    SourceLookup lookup = FindFunctionSource(files, ToSourceName(library), prototype);
    out << lookup.paneText;
    CommandOutcome outcome;
    outcome.messages = std::move(lookup.messages);
    outcome.status = lookup.found ? 0 : 1;
    return outcome;
}

CommandOutcome DescribeParams(const FileReader& files, const std::string& library,
                              const std::string& prototype, std::ostream& out) {
    const FunctionChoice choice = ChooseFunction(files, library, prototype);
    const FunctionDetails& details = choice.details;

    Json slots = Json::array();
    for (int k = 0; k < details.count; ++k) {
        const ParamChoice& slot = details.slots[static_cast<std::size_t>(k)];
        const SlotLayout layout = LayOutSlot(slot);
        Json record = {{"name", DisplayText(slot.name)},
                       {"valueText", DisplayText(slot.valueText)},
                       {"entryText", DisplayText(layout.entryText)},
                       {"field", FieldName(layout.field)}};
        if (layout.field == SlotField::Combo) {
            Json items = Json::array();
            for (const std::string& item : layout.items) items.push_back(DisplayText(item));
            record["items"] = std::move(items);
        }
        slots.push_back(std::move(record));
    }

    const Json json = {{"returnType", DisplayText(details.returnType)},
                       {"function", DisplayText(details.functionName)},
                       {"count", details.count},
                       {"helper", DisplayText(ShownHelperName(details.helperName))},
                       {"helperPath", DisplayText(choice.helperPath.value_or("-"))},
                       {"slots", std::move(slots)}};

    out << OneLine(json) << '\n';
    CommandOutcome outcome;
    outcome.messages = choice.lookup.messages;
    Append(outcome.messages, details.messages);
    outcome.status = LookupStatus(choice);
    return outcome;
}

CommandOutcome ComposeCall(const FileReader& files, const std::string& library,
                           const std::string& prototype, const std::vector<std::string>& values,
                           std::ostream& out) {
    const FunctionChoice choice = ChooseFunction(files, library, prototype);
    const FunctionDetails& details = choice.details;

    CommandOutcome outcome;
    outcome.messages = choice.lookup.messages;
    Append(outcome.messages, details.messages);

    std::array<SlotValue, kMaxSlots> panel{};
    for (int k = 0; k < details.count; ++k) {
        const auto index = static_cast<std::size_t>(k);
        const ParamChoice& slot = details.slots[index];
        const SlotLayout layout = LayOutSlot(slot);
        const std::optional<std::string> given =
            index < values.size() ? std::optional<std::string>(values[index]) : std::nullopt;

        SlotValue& value = panel[index];
        value.name = slot.name;
        value.entryText = layout.entryText;
        if (layout.field == SlotField::Edit) {
            if (given) {
                // The user typed into the edit and left it: the range check runs.
                value.entryText = *given;
                if (auto message = CheckRangeOnLeave(slot.name, slot.valueText, *given)) {
                    outcome.messages.push_back(std::move(*message));
                }
            }
        } else if (given) {
            value.selectedItem = *given;
        } else if (!layout.items.empty()) {
            value.selectedItem = layout.items.front();
        }
    }

    const CallText call = ComposeCallText(details.functionName, panel);
    out << call.text << '\n';
    Append(outcome.messages, call.messages);
    outcome.status = LookupStatus(choice);
    return outcome;
}

}  // namespace wrennet::cli
