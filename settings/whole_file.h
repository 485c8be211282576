// A whole file's bytes, or why there are none.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace wrennet {

// A file's bytes, or why there are none. A missing file reads as empty text,
// while an unreadable one (a folder, a FIFO, no permission) must never be
// overwritten with content computed from nothing.
struct WholeFile {
    enum class State { Missing, Read, Unreadable };
    State state = State::Missing;
    std::string bytes;
    mode_t mode = 0644;  // the permission bits to keep when the file is replaced
    // False for a file its owner made read-only, or one this user may not
    // write: its folder may take a replacement, but the user wants it kept.
    bool writable = true;
};

// One fstat-sized read; a settings file is small, and even a huge stray file
// costs one allocation rather than a byte-by-byte loop.
WholeFile ReadWholeFile(const std::string& path);

// The file a write of `path` lands on: the final target when `path` is a
// symbolic link (so that the link stays), `path` itself otherwise.
std::string WrittenPath(const std::string& path);

// Writes a temporary file beside the file `path` names, fsyncs it and renames
// it over that file, so that any crash leaves either the old or the new file.
// False, with the old file untouched, when any step fails (read-only folder,
// full disk).
bool ReplaceWholeFile(const std::string& path, std::string_view bytes, mode_t mode);

}  // namespace wrennet
