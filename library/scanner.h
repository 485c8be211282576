#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "entry_list.h"
#include "file_reader.h"
#include "header_marks.h"
#include "message.h"

namespace wrennet {

enum class LibraryKind { Assembler, Header };

// A path holding ".h" or ".H" at an index greater than 2 anywhere (not only at
// its end: a folder named lib.hx counts) is read as a C header.
LibraryKind KindOfLibrary(std::string_view path);

struct ScanResult {
    // Function entries, sorted ascending without regard to ASCII letter case;
    // entries that compare equal keep their file order; duplicates are kept.
    // (In file order from ScanLibraryFileInFileOrder.)
    EntryList entries;
    // False when the path was empty or the file could not be opened.
    bool opened = false;
    // The library-not-available message when the file could not be opened
    // (none for an empty path).
    Messages messages;
};

// Reads the library and lists the prototypes it declares. Streams the file:
// memory is the entries plus a fixed buffer, whatever the file size.
ScanResult ScanLibraryFile(const FileReader& files, const std::string& path);

// The same with the entries left in file order, for a caller that does not
// keep the list: sorting a large one costs more than listing it.
ScanResult ScanLibraryFileInFileOrder(const FileReader& files, const std::string& path);

// "Library <path> source file not available.\nFix using Library Combobox."
Message LibraryNotAvailable(std::string_view path);

// Entries of one kind of file, fed piece by piece (exposed for tests, fuzzers and
// benchmarks that work on memory). Not sorted.
class PrototypeCollector {
  public:
    // `inComment`: the pieces fed start inside a header's block comment.
    explicit PrototypeCollector(LibraryKind kind, bool inComment = false)
        : kind_(kind), in_comment_(inComment) {}
    void feed(std::string_view piece);
    // The same for a header piece whose marks are known already.
    void feedHeader(std::string_view piece, const HeaderMarks& marks);
    LibraryKind kind() const { return kind_; }
    // Whether a header's block comment is open after the pieces fed so far.
    bool inComment() const { return in_comment_; }
    // The entries in file order; the collector is empty afterwards.
    EntryList take();
    // The entries sorted as the function combo lists them; empty afterwards.
    EntryList takeSorted();

  private:
    LibraryKind kind_;
    bool in_comment_ = false;
    std::string scratch_;
    EntryList entries_;
};

// Sort as the function combo lists them.
void SortEntries(EntryList& entries);

}  // namespace wrennet
