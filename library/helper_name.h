// RefuseHelperName: the helper names a library may not give.
#pragma once

#include <optional>
#include <string_view>

#include "library/message.h"

namespace wrennet {

// A helper application is named by text inside a library the user did not
// write. Whether it is a parameter's helper run through the shell or the
// function's helper behind the &Helpers button, it may only be a plain file
// name in (or below) the folder it is looked for in: no shell
// metacharacters, blanks or control characters, and no ".." step at all.
// The refusal, or nothing for a name that may be run.
std::optional<Message> RefuseHelperName(std::string_view name);

}  // namespace wrennet
