// LibraryCheckAhead: the last session's library checked while the window is built.
#pragma once

#include <future>
#include <string>

#include "library/file_reader.h"
#include "library/scanner.h"

namespace wrennet {

// The check of the last session's library (whether it lists any function,
// which choice to remember) made on other threads while the window is built:
// a start shows that library again, and building the window takes about as
// long as checking a large one. The pane's copy of the library is read later,
// beside what is left of the check, so that three threads never share the
// two cores with the building (see the window benchmark in bench/README.md).
//
// `files` must open files from several threads at once, and outlive this.
class LibraryCheckAhead {
  public:
    // Starts checking `path` against `lastChoice`; an empty path checks nothing.
    LibraryCheckAhead(const FileReader& files, const std::string& path,
                      const std::string& lastChoice);

    // The check of `path` against `lastChoice`: the one made ahead when it is
    // of those and not taken yet, else one made now (a check made ahead for
    // nothing is still waited for when this goes, as it reads `files`).
    LibraryCheck take(const std::string& path, const std::string& lastChoice);

  private:
    const FileReader& files_;
    std::string path_;
    std::string lastChoice_;
    std::future<LibraryCheck> check_;
};

}  // namespace wrennet
