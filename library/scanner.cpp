#include "library/scanner.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "common/byte_class.h"
#include "common/no_position.h"
#include "common/replace_all.h"
#include "library/entry_sorter.h"
#include "library/prototype.h"
#include "library/span_scanner.h"
#include "library/split_scan.h"
#include "library/split_sort.h"

namespace wrennet {
namespace {

constexpr std::string_view kSemicolonMarker = "; C Function prototype:";
constexpr std::string_view kAtMarker = "@ C Function prototype:";
}  // namespace

LibraryKind KindOfLibrary(std::string_view path) {
    const std::size_t lower = path.find(".h");
    const std::size_t upper = path.find(".H");
    const bool header = (lower != kNoPosition && lower > 2) || (upper != kNoPosition && upper > 2);
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
        // With no second marker in the line (the usual case), removing every
        // marker is dropping the first: nothing stands before it to be joined.
        static_assert(kSemicolonMarker.size() == kAtMarker.size());
        std::string_view text = piece.substr(kAtMarker.size());
        if (text.find(kAtMarker.substr(2)) != kNoPosition) {
            scratch_ = ReplaceAll(ReplaceAll(piece, kSemicolonMarker, ""), kAtMarker, "");
            text = scratch_;
        }
        std::size_t start = 0;
        while (start < text.size() && IsCSpace(text[start])) ++start;
        const std::size_t close = text.find(')', start);
        if (close == kNoPosition || close - start <= 2) return;
        const std::string_view entry = text.substr(start, close - start + 1);
        std::copy(entry.begin(), entry.end(), reserve(entry.size()));
        commit(entry.size());
        return;
    }

    feedHeader(piece, FindHeaderMarks(piece));
}

void PrototypeCollector::feedHeader(std::string_view piece, const HeaderMarks& marks) {
    // The comment flag must follow every line, listed or not.
    std::size_t cut = piece.size();
    const bool wasInComment = in_comment_;
    if (wasInComment) {
        cut = 0;
        if (marks.commentClose != kNoPosition) in_comment_ = false;
    } else {
        const std::size_t opener = marks.commentOpen;
        if (opener != kNoPosition) {
            cut = opener;
            const std::size_t closer = marks.commentClose;
            in_comment_ = !(closer != kNoPosition && closer > opener);
        }
    }
    if (cut == 0 || in_comment_ || !IsAsciiLetter(piece[0])) return;
    // A declaration needs a letter at the start, which the normalisation keeps
    // (it only ever changes a blank, a tab or "extern " at the start).
    if (marks.semicolon < cut) cut = marks.semicolon;
    if (marks.lineComment < cut) cut = marks.lineComment;
    if (cut == 0) return;
    std::string_view kept = piece.substr(0, cut);
    const std::size_t close = marks.closeParen;
    if (close >= cut) return;
    if (close >= 5) kept = kept.substr(0, close + 1);
    if (marks.openParen >= kept.size()) return;
    // Normalised straight into the entry store, and kept only when it still
    // starts with a letter.
    char* const entry = reserve(2 * kept.size());
    const std::size_t length = NormalisePrototypeTo(kept, entry);
    if (length != 0 && IsAsciiLetter(entry[0])) commit(length);
}

EntryList PrototypeCollector::take() {
    entries_.stopFindingRepeats();
    return std::exchange(entries_, {});
}

void PrototypeCollector::join(PrototypeCollector&& later) {
    if (check_) {
        check_->join(*later.check_);
    } else {
        entries_.append(later.take());
    }
}

EntryList PrototypeCollector::takeSorted() {
    EntryList entries = take();
    SortEntries(entries);
    return entries;
}

void SortEntries(EntryList& entries) { entries.reorder(SortedOrder(entries)); }

namespace {

// Below a megabyte a second thread costs about what it saves.
constexpr std::uint64_t kWorthTwoThreads = 1 << 20;

// The library's bytes, or the library-not-available message (none for an
// empty path).
std::unique_ptr<ByteSource> OpenLibrary(const FileReader& files, const std::string& path,
                                        Messages& messages) {
    if (path.empty()) return nullptr;
    std::unique_ptr<ByteSource> source = files.open(path);
    if (!source) messages.push_back(LibraryNotAvailable(path));
    return source;
}

bool WorthTwoThreads(const ByteSource& source) {
    const std::optional<std::uint64_t> size = source.size();
    return size && *size >= kWorthTwoThreads;
}

}  // namespace

ScanResult ScanLibraryFile(const FileReader& files, const std::string& path) {
    ScanResult result;
    const std::unique_ptr<ByteSource> source = OpenLibrary(files, path, result.messages);
    if (!source) return result;
    result.opened = true;
    const LibraryKind kind = KindOfLibrary(path);
    if (WorthTwoThreads(*source)) {
        result.entries = ScanInHalves(*source, *source->size(), kind);
    } else {
        PrototypeCollector collector(kind);
        FeedSource(*source, collector);
        result.entries = collector.take();
    }
    SortEntries(result.entries);
    return result;
}

LibraryCheck CheckLibraryFile(const FileReader& files, const std::string& path,
                              std::string_view lastChoice) {
    LibraryCheck result;
    const std::unique_ptr<ByteSource> source = OpenLibrary(files, path, result.messages);
    if (!source) return result;
    result.opened = true;
    const LibraryKind kind = KindOfLibrary(path);
    std::optional<ChoiceCheck> check;
    if (WorthTwoThreads(*source)) {
        check = CheckInHalves(*source, *source->size(), kind, lastChoice);
    } else {
        PrototypeCollector collector(kind, false, ChoiceCheck(lastChoice));
        FeedSource(*source, collector);
        check = collector.check();
    }
    result.listsFunctions = check->anyEntry();
    if (const std::optional<std::string_view> choice = check->choiceToRewrite()) {
        result.choiceToRewrite = std::string(*choice);
    }
    return result;
}

}  // namespace wrennet
