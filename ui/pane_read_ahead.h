#pragma once

#include <future>
#include <string>

#include "file_reader.h"
#include "message.h"
#include "pane_text.h"

namespace wrennet {

// A whole library as the source pane takes it, with the messages of reading it.
struct PaneLibrary {
    Messages messages;
    PaneText text;
};
PaneLibrary ReadForPane(const FileReader& files, const std::string& path);

// A library read for the pane on another thread before it is asked for. A
// start shows the library the last session ended on; read while the window
// is built (one thread each), it leaves both cores to the scan that follows,
// which it slowed when read beside it. Set-up with the window benchmark's
// header of 100,000 functions: 19.4-21.2 ms against 20.9-25.1 ms.
//
// `files` must open files from two threads at once, and outlive this.
class PaneReadAhead {
  public:
    // Starts reading `path`; an empty path reads nothing.
    PaneReadAhead(const FileReader& files, const std::string& path);

    // The library for the pane: the one read ahead when it is `path` and not
    // taken yet, else one read now on another thread. Waits for it.
    std::future<PaneLibrary> take(const std::string& path);

  private:
    const FileReader& files_;
    std::string path_;
    std::future<PaneLibrary> library_;
};

}  // namespace wrennet
