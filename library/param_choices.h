#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "file_reader.h"
#include "message.h"

namespace wrennet {

inline constexpr int kMaxSlots = 4;

// One parameter slot: name from the prototype, value text from its "@param"
// description (blanks and tabs removed), entry text for its value edit.
struct ParamChoice {
    std::string name;
    std::string valueText;
    std::string entryText;

    friend bool operator==(const ParamChoice&, const ParamChoice&) = default;
};

// The prototype split into its parts: return type, name, up to four parameter
// names (the rest of the slots empty).
struct SplitPrototypeResult {
    std::string returnType;
    std::string functionName;
    std::array<std::string, kMaxSlots> names;
};

// Splits an entry as the parameter reader does ("char *get(char *buf,int len)"
// -> "char *", "get", {"buf", "len"}). A text without "(" keeps the whole text
// as the function name.
SplitPrototypeResult SplitPrototype(std::string_view prototype);

struct FunctionDetails {
    std::string returnType;
    std::string functionName;  // the whole prototype when it was not split
    int count = 0;             // 0 to 4: the highest slot with a name
    std::string documentationText;
    std::string helperName = "-";  // from "@note ... x.exe"; "-" when none
    std::array<ParamChoice, kMaxSlots> slots;
    Messages messages;  // "Could not find <path>" when the source would not open
};

// Reads the documentation comment of `prototype` in the file at `sourcePath`.
// `paneTextLength` is the length of the source pane text after the lookup: two
// or fewer characters mean the lookup failed, and nothing is read.
FunctionDetails ReadParamChoices(const FileReader& files, const std::string& sourcePath,
                                 const std::string& prototype, std::size_t paneTextLength);

// The value text of parameter `name` in `documentationText` (what "@param name :{...}"
// holds between its braces, blanks and tabs removed); empty when not described.
std::string DescribeParameter(std::string_view documentationText, std::string_view name);

}  // namespace wrennet
