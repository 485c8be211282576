// LineReader: a file read in the pieces every reader of the core sees.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "library/file_reader.h"

namespace wrennet {

// Every library and source file is read through this, so all readers see the
// same pieces: at most 255 bytes each, ending right after a "\n" when one comes
// first ("\r" is an ordinary byte), and cut at the first NUL byte. An empty
// piece means the end of the file; readers stop at the first one (so a piece
// whose first byte is NUL ends the file as well).
//
// Buffered (256 KiB): the source is read in large blocks, never byte by byte.
class LineReader {
  public:
    static constexpr std::size_t kMaxPiece = 255;

    explicit LineReader(ByteSource& source);

    // The next piece; valid until the following call. Empty at the end.
    std::string_view next();

  private:
    void FindNul();

    ByteSource& source_;
    // Left uninitialised: every file opened for a lookup would otherwise pay
    // for zero-filling 256 KiB it then overwrites.
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool exhausted_ = false;
    // First NUL at or after begin_ (end_ when none): found once per fill instead
    // of once per piece, since almost every file has none.
    std::size_t nul_ = 0;
};

}  // namespace wrennet
