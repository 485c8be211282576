#include "library/helper_name.h"

#include <string>

#include "library/slot_layout.h"

namespace wrennet {
namespace {

bool IsRefusedByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F || byte == ' ') return true;
    return std::string_view(";&|`$<>()\\\"'*?[]{}!#~").find(c) != std::string_view::npos;
}

enum class Steps { Inside, BackInside, OutOfFolder };

// "sub/../x.exe" stays inside the folder, "../x.exe" and "a/../../x.exe" leave it.
Steps FollowSteps(std::string_view name) {
    int depth = 0;
    bool steppedBack = false;
    for (const std::string& step : SplitAt(name, '/')) {
        if (step == "..") {
            steppedBack = true;
            if (--depth < 0) return Steps::OutOfFolder;
        } else if (!step.empty() && step != ".") {
            ++depth;
        }
    }
    return steppedBack ? Steps::BackInside : Steps::Inside;
}

}  // namespace

std::optional<Message> RefuseHelperName(std::string_view name) {
    const std::string shown(name);
    for (const char c : name) {
        if (IsRefusedByte(c)) {
            return Message{shown + ": helper name holds characters that are not allowed.",
                           MessageIcon::Warning};
        }
    }
    switch (FollowSteps(name)) {
        case Steps::OutOfFolder:
            return Message{shown + ": helper name leads out of the library's folder.",
                           MessageIcon::Warning};
        case Steps::BackInside:
            return Message{shown + ": helper name steps back with \"..\", which is not allowed.",
                           MessageIcon::Warning};
        case Steps::Inside:
            break;
    }
    return std::nullopt;
}

}  // namespace wrennet
