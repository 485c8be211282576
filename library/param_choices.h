// ReadParamChoices: a function's parameter slots from its documentation.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/file_reader.h"
#include "library/message.h"

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

struct FunctionDetails {
    std::string returnType;
    std::string functionName;  // the whole prototype when it was not split
    int count = 0;             // 0 to 4: the highest slot with a name
    std::string documentationText;
    std::optional<std::string> helperName;  // from "@note ... x.exe"
    std::array<ParamChoice, kMaxSlots> slots;
    Messages messages;  // "Could not find <path>" when the source would not open
};

// The prototype split into its parts: return type, name, up to four parameter
// names (the rest of the slots empty), as ReadParamChoices splits it.
struct SplitPrototypeResult {
    std::string returnType;
    std::string functionName;
    std::array<std::string, kMaxSlots> names;
};

SplitPrototypeResult SplitPrototype(std::string_view prototype);

// Reads the documentation comment of `prototype` in the file at `sourcePath`,
// and splits the prototype into return type, name and up to four parameter
// names ("char *get(char *buf, int len)" -> "char *", "get", {"buf", "len"}; a
// text without "(" is all function name). When the source lookup did not
// find the prototype (`sourceFound` false), nothing is read.
FunctionDetails ReadParamChoices(const FileReader& files, const std::string& sourcePath,
                                 const std::string& prototype, bool sourceFound);
// Only a found flag: a pane text's length, as callers once passed, would
// otherwise turn into one without a word.
template <typename NotBool>
FunctionDetails ReadParamChoices(const FileReader&, const std::string&, const std::string&,
                                 NotBool) = delete;

}  // namespace wrennet
