#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace wrennet {

// A file's bytes, or why there are none. A missing file reads as empty text,
// while an unreadable one (a folder, no permission) must never be overwritten
// with content computed from nothing.
struct WholeFile {
    enum class State { Missing, Read, Unreadable };
    State state = State::Missing;
    std::string bytes;
    mode_t mode = 0644;  // the permission bits to keep when the file is replaced
};

// One fstat-sized read; a settings file is small, and even a huge stray file
// costs one allocation rather than a byte-by-byte loop.
WholeFile ReadWholeFile(const std::string& path);

// Writes a temporary file in the same folder, fsyncs it and renames it over
// `path`, so that any crash leaves either the old or the new file. False, with
// the old file untouched, when any step fails (read-only folder, full disk).
bool ReplaceWholeFile(const std::string& path, std::string_view bytes, mode_t mode);

// Removes the temporary files that ReplaceWholeFile leaves when its process
// dies mid-write. Call only while holding the writers' lock: then no live
// writer can own one of them.
void RemoveLeftoverTemporaries(const std::string& path);

}  // namespace wrennet
