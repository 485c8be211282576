// PaneLibrary: a whole library as the source pane takes it.
#pragma once

#include <string>

#include "library/file_reader.h"
#include "library/message.h"
#include "ui/pane_text.h"

namespace wrennet {

// A whole library as the source pane takes it, with the messages of reading it.
struct PaneLibrary {
    Messages messages;
    PaneText text;
};
PaneLibrary ReadForPane(const FileReader& files, const std::string& path);

}  // namespace wrennet
