// LibrarySet: the libraries the language server knows, their functions and details.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "library/entry_list.h"
#include "library/file_reader.h"
#include "library/param_choices.h"
#include "library/source_lookup.h"

namespace wrennet::lsp {

// One function of one library.
struct FunctionRef {
    std::uint32_t library = 0;
    std::uint32_t entry = 0;
};

// What the window shows once a function is chosen: the source pane and the
// parameter descriptions.
struct FunctionInfo {
    SourceLookup lookup;
    FunctionDetails details;
};

// The libraries the server answers from, each scanned as the window scans it.
// A library is scanned again only when its size or modification time changed;
// one that cannot be read lists nothing until it can again.
class LibrarySet {
  public:
    explicit LibrarySet(const FileReader& files) : files_(files) {}

    // Paths already present are kept once.
    void add(const std::vector<std::string>& paths);
    // Looks at every library's size and time, rescans the changed ones; true
    // when any list changed.
    bool refresh();

    // Functions whose name starts with `prefix` without regard to ASCII case,
    // in name order, at most `limit`.
    std::vector<FunctionRef> withPrefix(std::string_view prefix, std::size_t limit) const;
    // Functions called exactly `name`.
    std::vector<FunctionRef> named(std::string_view name) const;

    // Whether `function` is still a function of the set, with this entry.
    bool holds(FunctionRef function, std::string_view entry) const;
    std::string_view entry(FunctionRef function) const;
    std::string_view name(FunctionRef function) const;
    const std::string& path(FunctionRef function) const;
    // Read from the library's documentation at the first question, then kept
    // until the library is rescanned.
    const FunctionInfo& info(FunctionRef function);
    // The same when it has been read already; nullptr otherwise.
    const FunctionInfo* infoIfRead(FunctionRef function) const;

  private:
    struct Stamp {
        bool exists = false;
        std::int64_t size = 0;
        std::int64_t seconds = 0;
        std::int64_t nanoseconds = 0;
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };
    struct Library {
        std::string path;
        Stamp stamp;
        bool scanned = false;
        EntryList entries;
        std::unordered_map<std::uint32_t, std::unique_ptr<FunctionInfo>> infos;
    };
    struct IndexedName {
        std::string_view name;
        FunctionRef function;
    };

    static Stamp StampOf(const std::string& path);
    void rebuildIndex();
    std::vector<IndexedName>::const_iterator firstNotBefore(std::string_view name) const;

    const FileReader& files_;
    std::vector<Library> libraries_;
    std::vector<IndexedName> index_;  // sorted by name without regard to case
};

}  // namespace wrennet::lsp
