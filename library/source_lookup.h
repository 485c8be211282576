// The source lookup: a function's documentation and definition, and its helper.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/file_reader.h"
#include "library/message.h"

namespace wrennet {

// "x.h" / "x.H" -> "x.c"; every other path (and one shorter than two
// characters) is returned unchanged.
std::string ToSourceName(std::string_view path);

struct SourceLookup {
    // The documentation block and definition; "-" when the prototype was not found.
    std::string paneText;
    bool found = false;
    // The path in its last tried form (the one that opened, when one did).
    std::string path;
    // In the order the window shows them: "Could not find source ..." and/or
    // "Could not find \n... Must match exactly.", warning icon.
    Messages messages;
};

// Looks for the function whose entry is `prototype` in the file at `path`, or
// failing that at `path` with its last character replaced by "c", then that with
// every "/include/" (any letter case) replaced by "/Src/", then by "/src/"; and
// collects from the last "/**" or "/*!" block before it down
// to the next block opener after it.
SourceLookup FindFunctionSource(const FileReader& files, const std::string& path,
                                const std::string& prototype);

struct LibraryText {
    std::string paneText;  // the whole file, tabs expanded to every 4th column; empty on failure
    Messages messages;     // "No library to show." or "Could not find source <path>"
};

// The whole library for the source pane. An empty path means no library is
// selected.
LibraryText ReadWholeLibrary(const FileReader& files, const std::string& path);

// Where the &Helpers button looks for the function's helper application.
struct HelperLocation {
    enum class Outcome {
        Unchanged,  // the path has no folder part to look in: keep the previous helper path
        None,       // no helper: the previous helper path is forgotten
        Found,      // `path` exists beside the source
    };
    Outcome outcome = Outcome::Unchanged;
    std::string path;  // the full path when Found, empty otherwise
};

// What the window shows and the CLI prints for a function's helper: its name,
// "-" when the documentation names none.
std::string_view ShownHelperName(const std::optional<std::string>& helperName);

// The folder of `sourcePath` (up to its last "/", when that stands after index 4)
// followed by the helper's shown name, when that file opens for reading.
HelperLocation LocateHelper(const FileReader& files, std::string_view sourcePath,
                            const std::optional<std::string>& helperName);

}  // namespace wrennet
