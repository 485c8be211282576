#include "ui/pane_library.h"

#include <utility>

#include "library/source_lookup.h"

namespace wrennet {

PaneLibrary ReadForPane(const FileReader& files, const std::string& path) {
    LibraryText library = ReadWholeLibrary(files, path);
    return {std::move(library.messages), PaneText(std::move(library.paneText))};
}

}  // namespace wrennet
