#include "scanner.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "entry_sorter.h"
#include "line_reader.h"
#include "prototype.h"

namespace wrennet {
namespace {

constexpr std::string_view kSemicolonMarker = "; C Function prototype:";
constexpr std::string_view kAtMarker = "@ C Function prototype:";
constexpr std::size_t kNone = std::string_view::npos;

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// Every occurrence of `marker`, left to right, without looking again at what a
// removal joins together.
void RemoveAll(std::string& text, std::string_view marker) {
    std::size_t hit = text.find(marker);
    if (hit == std::string::npos) return;
    std::string kept;
    std::size_t from = 0;
    for (; hit != std::string::npos; hit = text.find(marker, from)) {
        kept.append(text, from, hit - from);
        from = hit + marker.size();
    }
    kept.append(text, from);
    text = std::move(kept);
}

}  // namespace

LibraryKind KindOfLibrary(std::string_view path) {
    const std::size_t lower = path.find(".h");
    const std::size_t upper = path.find(".H");
    const bool header = (lower != kNone && lower > 2) || (upper != kNone && upper > 2);
    return header ? LibraryKind::Header : LibraryKind::Assembler;
}

Message LibraryNotAvailable(std::string_view path) {
    std::string text = "Library ";
    text.append(path);
    text.append(" source file not available.\nFix using Library Combobox.");
    return {std::move(text), MessageIcon::Information};
}

void PrototypeCollector::feed(std::string_view piece) {
    if (kind_ == LibraryKind::Assembler) {
        // Only a marker at the very first byte makes a prototype line.
        if (piece.empty() || (piece[0] != ';' && piece[0] != '@')) return;
        if (!piece.starts_with(kSemicolonMarker) && !piece.starts_with(kAtMarker)) return;
        scratch_.assign(piece);
        RemoveAll(scratch_, kSemicolonMarker);
        RemoveAll(scratch_, kAtMarker);
        std::size_t start = 0;
        while (start < scratch_.size() && IsCSpace(scratch_[start])) ++start;
        const std::size_t close = scratch_.find(')', start);
        if (close == std::string::npos || close - start <= 2) return;
        entries_.add(std::string_view(scratch_).substr(start, close - start + 1));
        return;
    }

    // A header: the comment flag must follow every line, listed or not.
    std::size_t cut = piece.size();
    const bool wasInComment = in_comment_;
    if (wasInComment) {
        cut = 0;
        if (piece.find("*/") != kNone) in_comment_ = false;
    } else {
        const std::size_t opener = piece.find("/*");
        if (opener != kNone) {
            cut = opener;
            const std::size_t closer = piece.find("*/");
            in_comment_ = !(closer != kNone && closer > opener);
        }
    }
    if (cut == 0 || in_comment_ || !IsAsciiLetter(piece[0])) return;
    // A declaration needs a letter at the start, which the normalisation keeps
    // (it only ever changes a blank, a tab or "extern " at the start).
    const std::size_t semicolon = piece.find(';');
    if (semicolon != kNone && semicolon < cut) cut = semicolon;
    const std::size_t lineComment = piece.find("//");
    if (lineComment != kNone && lineComment < cut) cut = lineComment;
    if (cut == 0) return;
    std::string_view kept = piece.substr(0, cut);
    const std::size_t close = kept.find(')');
    if (close == kNone) return;
    if (close >= 5) kept = kept.substr(0, close + 1);
    if (kept.find('(') == kNone) return;
    // Normalised straight into the entry store, and kept only when it still
    // starts with a letter.
    char* const entry = entries_.reserve(2 * kept.size());
    const std::size_t length = NormalisePrototypeTo(kept, entry);
    if (length != 0 && IsAsciiLetter(entry[0])) entries_.commit(length);
}

EntryList PrototypeCollector::take() { return std::exchange(entries_, {}); }

EntryList PrototypeCollector::takeSorted() {
    EntryList entries = take();
    SortEntries(entries);
    return entries;
}

void SortEntries(EntryList& entries) { entries.reorder(EntrySorter(entries).order()); }

ScanResult ScanLibraryFile(const FileReader& files, const std::string& path) {
    ScanResult result;
    if (path.empty()) return result;
    const std::unique_ptr<ByteSource> source = files.open(path);
    if (!source) {
        result.messages.push_back(LibraryNotAvailable(path));
        return result;
    }
    result.opened = true;
    PrototypeCollector collector(KindOfLibrary(path));
    LineReader reader(*source);
    for (std::string_view piece = reader.next(); !piece.empty(); piece = reader.next()) {
        collector.feed(piece);
    }
    result.entries = collector.takeSorted();
    return result;
}

}  // namespace wrennet
