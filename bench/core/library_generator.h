#pragma once

#include <cstddef>
#include <string>

namespace wrennet::bench {

// Deterministic, realistic library files of a chosen size, written to disk so
// the benchmarks read them through the real file reader.

// A C header: documentation blocks, block and line comments, macros, typedefs
// and declarations in the usual spellings (extern, odd blanks, trailing comments).
void WriteHeader(const std::string& path, std::size_t bytes);

// An assembler source: one prototype marker line in every twenty.
void WriteAssembler(const std::string& path, std::size_t bytes);

// A C source of documented functions; the function `TargetPrototype()` is
// defined near the end, with a documentation block of "@param" lines.
void WriteSource(const std::string& path, std::size_t bytes);
const char* TargetPrototype();

}  // namespace wrennet::bench
