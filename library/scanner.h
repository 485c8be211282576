// The library scan: a file's function entries, its kind and its messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/entry_list.h"
#include "library/file_reader.h"
#include "library/header_marks.h"
#include "library/last_choice.h"
#include "library/message.h"

namespace wrennet {

enum class LibraryKind { Assembler, Header };

// A path holding ".h" or ".H" at an index greater than 2 anywhere (not only at
// its end: a folder named lib.hx counts) is read as a C header.
LibraryKind KindOfLibrary(std::string_view path);

struct ScanResult {
    // Function entries, sorted ascending without regard to ASCII letter case;
    // entries that compare equal keep their file order; duplicates are kept.
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

// "Library <path> source file not available.\nFix using Library Combobox."
Message LibraryNotAvailable(std::string_view path);

// Entries of one kind of file, fed piece by piece (exposed for tests, fuzzers and
// benchmarks that work on memory). Not sorted.
class PrototypeCollector {
  public:
    // `inComment`: the pieces fed start inside a header's block comment.
    explicit PrototypeCollector(LibraryKind kind, bool inComment = false)
        : kind_(kind), in_comment_(inComment) {}
    // One that keeps no entries, only what `check` needs of them.
    PrototypeCollector(LibraryKind kind, bool inComment, ChoiceCheck check)
        : kind_(kind), in_comment_(inComment), check_(std::move(check)) {}
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
    // The check of a collector made with one.
    const ChoiceCheck& check() const { return *check_; }
    // Takes in what a collector of the pieces that follow gathered.
    void join(PrototypeCollector&& later);

  private:
    LibraryKind kind_;
    bool in_comment_ = false;
    // Where an entry goes: the list, or the check.
    char* reserve(std::size_t capacity) {
        return check_ ? check_->reserve(capacity) : entries_.reserve(capacity);
    }
    void commit(std::size_t length) { check_ ? check_->commit(length) : entries_.commit(length); }

    std::string scratch_;
    EntryList entries_;
    std::optional<ChoiceCheck> check_;
};

// Sort as the function combo lists them.
void SortEntries(EntryList& entries);

// What start-up and a change of library need of a library: whether it opens
// and lists any function, and the function to remember as the last choice when
// the one remembered is not among them (ChoiceToRewrite). No list is kept.
struct LibraryCheck {
    bool opened = false;
    Messages messages;  // as ScanResult's
    bool listsFunctions = false;
    std::optional<std::string> choiceToRewrite;
};
LibraryCheck CheckLibraryFile(const FileReader& files, const std::string& path,
                              std::string_view lastChoice);

}  // namespace wrennet
