// Generated library files of a chosen size for the benchmarks.
#pragma once

#include <cstddef>
#include <string>

namespace wrennet::bench {

// Deterministic, realistic library files of a chosen size, written to disk so
// the benchmarks read them through the real file reader.

// A C header laid out like a real library header: each declaration mostly
// preceded by a documentation comment of several lines, with "//" remarks,
// macros, typedefs and structures between them; about one declaration every
// 400 bytes.
void WriteHeader(const std::string& path, std::size_t bytes);

// A header made almost only of declarations (one every ~140 bytes), in the usual
// spellings (extern, odd blanks, trailing comments): the worst case for sorting.
void WriteDenseHeader(const std::string& path, std::size_t bytes);

// An assembler source: one prototype marker line in every twenty.
void WriteAssembler(const std::string& path, std::size_t bytes);

// A C source of documented functions; the function `TargetPrototype()` is
// defined near the end, with a documentation block of "@param" lines.
void WriteSource(const std::string& path, std::size_t bytes);
const char* TargetPrototype();

}  // namespace wrennet::bench
