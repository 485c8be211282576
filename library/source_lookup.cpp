#include "library/source_lookup.h"

#include <cstdint>
#include <cstring>
#include <optional>

#include "common/no_position.h"
#include "common/replace_all.h"
#include "library/documentation_block.h"
#include "library/helper_name.h"
#include "library/line_reader.h"
#include "library/pending_lines.h"
#include "library/prototype.h"

namespace wrennet {
namespace {

constexpr std::size_t kTabWidth = 4;

// Every "/include/", in any letter case, replaced by `folder`.
std::string ReplaceIncludeFolder(std::string_view path, std::string_view folder) {
    return ReplaceAll(path, "/include/", folder, LetterCase::IgnoringAscii);
}

// The paths tried, in order, for a source path; none for an empty path.
std::vector<std::string> SourceCandidates(std::string_view path) {
    if (path.empty()) return {};
    std::string asC(path);
    asC.back() = 'c';
    std::vector<std::string> tries;
    tries.emplace_back(path);
    tries.push_back(asC);
    tries.push_back(ReplaceIncludeFolder(asC, "/Src/"));
    tries.push_back(ReplaceIncludeFolder(asC, "/src/"));
    return tries;
}

// Tab stops every 4 columns, counted from the start of the piece.
void AppendExpandingTabs(std::string_view line, std::string& out) {
    const std::size_t lineStart = out.size();
    for (;;) {
        const std::size_t tab = line.find('\t');
        if (tab == kNoPosition) break;
        out.append(line.substr(0, tab));
        const std::size_t column = out.size() - lineStart;
        out.append(kTabWidth - column % kTabWidth, ' ');
        line.remove_prefix(tab + 1);
    }
    out.append(line);
}

// The whole of a file that can be read at offsets, when it holds neither a
// tab nor a NUL: then its pieces, joined, are its bytes. Otherwise nothing,
// and the source's own stream is still at its start. Most libraries are such
// files, and the piece walk is slow for what it gives them (see the window
// benchmark in bench/README.md).
std::optional<std::string> ReadPlainWhole(const ByteSource& source) {
    const std::optional<std::uint64_t> size = source.size();
    if (!size || *size >= std::string().max_size()) return std::nullopt;
    // A byte more than the size, to see a file that has grown meanwhile.
    std::string bytes(static_cast<std::size_t>(*size) + 1, '\0');
    const std::size_t filled =
        ByteRange(source, 0, bytes.size()).readFully(bytes.data(), bytes.size());
    // Shrunk, grown or broken: the stream says what there is.
    if (filled != *size) return std::nullopt;
    bytes.resize(filled);
    if (std::memchr(bytes.data(), '\t', filled) || std::memchr(bytes.data(), '\0', filled)) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace

std::string ToSourceName(std::string_view path) {
    std::string out(path);
    const std::size_t n = out.size();
    if (n >= 2 && out[n - 2] == '.' && (out[n - 1] == 'h' || out[n - 1] == 'H')) out[n - 1] = 'c';
    return out;
}

SourceLookup FindFunctionSource(const FileReader& files, const std::string& path,
                                const std::string& prototype) {
    SourceLookup lookup;
    lookup.path = path;
    if (!path.empty() && !prototype.empty()) {
        std::unique_ptr<ByteSource> source;
        for (const std::string& candidate : SourceCandidates(path)) {
            lookup.path = candidate;
            source = files.open(candidate);
            if (source) break;
        }
        if (!source) {
            lookup.messages.push_back(
                {"Could not find source " + path + " or .c", MessageIcon::Warning});
        } else {
            LineReader reader(*source);
            PendingLines block;
            for (std::string_view piece = reader.next(); !piece.empty(); piece = reader.next()) {
                const std::string_view line = DocumentationLine(piece);
                const bool opener = IsBlockOpener(line);
                if (lookup.found && opener) break;
                if (opener) block.clear();
                block.add(line);
                if (!lookup.found && NormalisedBeginsWith(line, prototype)) {
                    lookup.found = true;
                }
            }
            if (lookup.found) {
                lookup.paneText.reserve(block.size());
                block.forEach(
                    [&](std::string_view line) { AppendExpandingTabs(line, lookup.paneText); });
            }
        }
    }
    if (!lookup.found) {
        lookup.messages.push_back(
            {"Could not find \n" + prototype + "\nin " + path + "\nMust match exactly.",
             MessageIcon::Warning});
        lookup.paneText = "-";
    }
    return lookup;
}

LibraryText ReadWholeLibrary(const FileReader& files, const std::string& path) {
    LibraryText library;
    if (path.empty()) {
        library.messages.push_back({"No library to show.", MessageIcon::Warning});
        return library;
    }
    const std::unique_ptr<ByteSource> source = files.open(path);
    if (!source) {
        library.messages.push_back({"Could not find source " + path, MessageIcon::Warning});
        return library;
    }
    if (std::optional<std::string> plain = ReadPlainWhole(*source)) {
        library.paneText = std::move(*plain);
        return library;
    }
    LineReader reader(*source);
    for (std::string_view piece = reader.next(); !piece.empty(); piece = reader.next()) {
        AppendExpandingTabs(piece, library.paneText);
    }
    return library;
}

std::string_view ShownHelperName(const std::optional<std::string>& helperName) {
    return helperName ? std::string_view(*helperName) : std::string_view("-");
}

HelperLocation LocateHelper(const FileReader& files, std::string_view sourcePath,
                            const std::optional<std::string>& helperName) {
    HelperLocation location;
    const std::size_t slash = sourcePath.rfind('/');
    if (slash == kNoPosition || slash <= 4) return location;
    // The button starts what it names, so it is offered only for a name that
    // a parameter's helper could have too.
    if (RefuseHelperName(ShownHelperName(helperName))) {
        location.outcome = HelperLocation::Outcome::None;
        return location;
    }
    std::string candidate(sourcePath.substr(0, slash + 1));
    // A function without a helper looks for a file named by the shown "-":
    // one that exists is offered like any other helper.
    candidate.append(ShownHelperName(helperName));
    if (files.open(candidate)) {
        location.outcome = HelperLocation::Outcome::Found;
        location.path = std::move(candidate);
    } else {
        location.outcome = HelperLocation::Outcome::None;
    }
    return location;
}

}  // namespace wrennet
