#include "lsp/library_set.h"

#include <sys/stat.h>

#include <algorithm>

#include "common/ascii_case.h"
#include "library/scanner.h"
#include "lsp/function_name.h"

namespace wrennet::lsp {
namespace {

// Case-blind order of names; a name sorts before every longer name it begins.
int CompareIgnoringCase(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char x = ToLowerAscii(a[i]);
        const char y = ToLowerAscii(b[i]);
        if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y) ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

LibrarySet::Stamp LibrarySet::StampOf(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return {};
    return {true, static_cast<std::int64_t>(status.st_size),
            static_cast<std::int64_t>(status.st_mtim.tv_sec),
            static_cast<std::int64_t>(status.st_mtim.tv_nsec)};
}

void LibrarySet::add(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        const bool known =
            std::any_of(libraries_.begin(), libraries_.end(),
                        [&](const Library& library) { return library.path == path; });
        if (!known && !path.empty()) libraries_.push_back(Library{path, {}, false, {}, {}});
    }
}

bool LibrarySet::refresh() {
    bool changed = false;
    for (Library& library : libraries_) {
        const Stamp stamp = StampOf(library.path);
        if (library.scanned && stamp == library.stamp) continue;
        library.stamp = stamp;
        library.scanned = true;
        library.infos.clear();
        library.entries =
            stamp.exists ? ScanLibraryFile(files_, library.path).entries : EntryList();
        changed = true;
    }
    if (changed) rebuildIndex();
    return changed;
}

void LibrarySet::rebuildIndex() {
    index_.clear();
    for (std::size_t l = 0; l < libraries_.size(); ++l) {
        const EntryList& entries = libraries_[l].entries;
        for (std::size_t e = 0; e < entries.size(); ++e) {
            const std::string_view name = FunctionNameOf(entries[e]);
            if (!name.empty()) {
                index_.push_back(
                    {name, {static_cast<std::uint32_t>(l), static_cast<std::uint32_t>(e)}});
            }
        }
    }
    // Stable: equal names keep library order, then list order.
    std::stable_sort(index_.begin(), index_.end(), [](const IndexedName& a, const IndexedName& b) {
        return CompareIgnoringCase(a.name, b.name) < 0;
    });
}

std::vector<FunctionRef> LibrarySet::withPrefix(std::string_view prefix, std::size_t limit) const {
    std::vector<FunctionRef> found;
    for (auto at = firstNotBefore(prefix); at != index_.end() && found.size() < limit; ++at) {
        if (!StartsWithIgnoringCase(at->name, prefix)) break;
        found.push_back(at->function);
    }
    return found;
}

std::vector<FunctionRef> LibrarySet::named(std::string_view name) const {
    std::vector<FunctionRef> found;
    for (auto at = firstNotBefore(name); at != index_.end(); ++at) {
        if (CompareIgnoringCase(at->name, name) != 0) break;
        if (at->name == name) found.push_back(at->function);
    }
    return found;
}

std::vector<LibrarySet::IndexedName>::const_iterator LibrarySet::firstNotBefore(
    std::string_view name) const {
    return std::lower_bound(index_.begin(), index_.end(), name,
                            [](const IndexedName& item, std::string_view wanted) {
                                return CompareIgnoringCase(item.name, wanted) < 0;
                            });
}

bool LibrarySet::holds(FunctionRef function, std::string_view entry) const {
    return function.library < libraries_.size() &&
           function.entry < libraries_[function.library].entries.size() &&
           this->entry(function) == entry;
}

std::string_view LibrarySet::entry(FunctionRef function) const {
    return libraries_[function.library].entries[function.entry];
}

std::string_view LibrarySet::name(FunctionRef function) const {
    return FunctionNameOf(entry(function));
}

const std::string& LibrarySet::path(FunctionRef function) const {
    return libraries_[function.library].path;
}

const FunctionInfo* LibrarySet::infoIfRead(FunctionRef function) const {
    const auto& infos = libraries_[function.library].infos;
    const auto cached = infos.find(function.entry);
    return cached == infos.end() ? nullptr : cached->second.get();
}

const FunctionInfo& LibrarySet::info(FunctionRef function) {
    Library& library = libraries_[function.library];
    std::unique_ptr<FunctionInfo>& cached = library.infos[function.entry];
    if (!cached) {
        cached = std::make_unique<FunctionInfo>();
        const std::string prototype(entry(function));
        cached->lookup = FindFunctionSource(files_, ToSourceName(library.path), prototype);
        cached->details =
            ReadParamChoices(files_, cached->lookup.path, prototype, cached->lookup.found);
        if (!cached->lookup.found) cached->details = DetailsFromEntry(prototype);
    }
    return *cached;
}

}  // namespace wrennet::lsp
