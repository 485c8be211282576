// Message: what the core hands back for the window or the CLI to show.
#pragma once

#include <string>
#include <vector>

namespace wrennet {

// The kind of icon a message box shows. The core never shows anything; it
// hands these back so the window (or the command-line companion) can.
enum class MessageIcon {
    Information,
    Warning,  // the exclamation-mark icon
    Stop,
    Question,
};

struct Message {
    std::string text;
    MessageIcon icon = MessageIcon::Warning;

    friend bool operator==(const Message&, const Message&) = default;
};

using Messages = std::vector<Message>;

}  // namespace wrennet
