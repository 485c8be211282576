// FeedSpan: the pieces of a span handed to the collector without a line reader.
#pragma once

#include <string_view>

#include "library/file_reader.h"
#include "library/scanner.h"

namespace wrennet {

// Hands the collector the pieces of `span`, cut as the line reader cuts them
// (at most 255 bytes, ending after a "\n", the text stopping at a NUL), that
// can change what it lists, in file order, and skips the rest.
//
// `span` must start where a piece starts (the file's start, just after a "\n",
// or a multiple of 255 bytes into a line) and end where one ends (just after a
// "\n", at a multiple of 255 bytes into a line, or at the end of the file).
// Returns false when a piece that begins with NUL ended the file, as the line
// reader's empty piece does.
//
// Most lines of a library hold nothing the collector wants, and this skips
// them without making pieces of them; there is no gain where every line is a
// declaration (see the C headers and core benchmarks in bench/README.md).
//
// The bytes are looked through 64 at a time, in 32-byte lanes where the
// processor has AVX2 and in 16-byte lanes where not.
bool FeedSpan(std::string_view span, PrototypeCollector& collector);

// FeedSpan as on a processor without AVX2 (for the tests).
bool FeedSpanInNarrowLanes(std::string_view span, PrototypeCollector& collector);

// The plain version of FeedSpan: every piece, one after the other.
bool FeedEveryPiece(std::string_view span, PrototypeCollector& collector);

// Feeds the collector the whole source, through FeedSpan, in spans of up to
// 256 KiB that end where a piece ends. Returns false when a piece that begins
// with NUL ended the file before the source did.
bool FeedSource(ByteSource& source, PrototypeCollector& collector);

}  // namespace wrennet
