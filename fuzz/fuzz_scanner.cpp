// Any bytes as a library file. The first byte picks the kind of file and how
// many bytes one read delivers, so the readers' buffer edges are crossed. The
// scan, which looks only at the pieces that can matter, must list exactly what
// feeding every piece from the line reader lists, and so must the scan in two
// halves and the sort on two threads that large files take, and the check of
// the last choice that keeps no list.

#include <cctype>
#include <cstdint>
#include <string>

#include "common/byte_class.h"
#include "fuzz/fuzz_check.h"
#include "library/header_marks.h"
#include "library/last_choice.h"
#include "library/line_reader.h"
#include "library/scanner.h"
#include "library/split_scan.h"
#include "library/split_sort.h"
#include "tests/support/memory_files.h"

namespace {

// Letter case is ignored either by folding to lower or to upper case; the two
// differ only for the few signs between the alphabets, so accept either order.
template <int (*Fold)(int)>
bool NotAfter(const std::string& a, const std::string& b) {
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        const int x = Fold(static_cast<unsigned char>(a[i]));
        const int y = Fold(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y;
    }
    return a.size() <= b.size();
}

}  // namespace

using wrennet::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool header = (data[0] & 1) != 0;
    const std::size_t chunk = (data[0] >> 1) + 1u;
    const std::string path = header ? "lib/port.h" : "lib/port.s79";

    wrennet::testing::MemoryFiles files(chunk);
    files.add(path, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    const wrennet::ScanResult scan = wrennet::ScanLibraryFile(files, path);

    Check(scan.opened && scan.messages.empty());
    wrennet::PrototypeCollector reference(wrennet::KindOfLibrary(path));
    const auto source = files.open(path);
    wrennet::LineReader reader(*source);
    for (std::string_view piece = reader.next(); !piece.empty(); piece = reader.next()) {
        reference.feed(piece);
    }
    // Scanned in two halves as a large file is, and sorted on two threads.
    wrennet::EntryList fileOrder = reference.take();
    Check(wrennet::ScanInHalves(*files.open(path), size - 1, reference.kind()).toStrings() ==
          fileOrder.toStrings());
    // The check that keeps no list, whole and in halves, of a last choice
    // listed or not.
    const std::string lastChoice(fileOrder.empty() ? "" : fileOrder[size % fileOrder.size()]);
    for (const std::string& choice : {lastChoice, std::string("int f(int a)")}) {
        const auto expected = wrennet::ChoiceToRewrite(fileOrder, choice);
        const wrennet::LibraryCheck check = wrennet::CheckLibraryFile(files, path, choice);
        Check(check.opened && check.listsFunctions == !fileOrder.empty());
        Check(check.choiceToRewrite == expected);
        Check(wrennet::CheckInHalves(*files.open(path), size - 1, reference.kind(), choice)
                  .choiceToRewrite() == expected);
    }
    wrennet::EntryList sorted = std::move(fileOrder);
    sorted.reorder(wrennet::OrderInTwo(sorted));
    Check(sorted.toStrings() == scan.entries.toStrings());

    // The marks of the first piece, found both ways.
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (text.find('\0') == std::string_view::npos) {
        wrennet::HeaderMarks marks;
        const std::size_t end = wrennet::MarkHeaderPiece(text, 0, marks);
        wrennet::HeaderMarks expected = wrennet::FindHeaderMarks(text.substr(0, end));
        if (text.empty() || !wrennet::IsAsciiLetter(text[0])) {
            expected = {.commentOpen = expected.commentOpen, .commentClose = expected.commentClose};
        }
        Check(marks == expected);
    }
    for (std::size_t i = 0; i < scan.entries.size(); ++i) {
        const std::string entry(scan.entries[i]);
        Check(!entry.empty());
        Check(entry.find('\0') == std::string::npos);
        if (header) {
            Check(std::isalpha(static_cast<unsigned char>(entry[0])) != 0);
            Check(entry.find('(') != std::string::npos && entry.find(')') != std::string::npos);
        } else {
            // An assembler entry runs to its first ")" and not a byte further.
            Check(entry.back() == ')' && entry.find(')') == entry.size() - 1);
        }
        if (i > 0) {
            const std::string before(scan.entries[i - 1]);
            Check(NotAfter<std::tolower>(before, entry) || NotAfter<std::toupper>(before, entry));
        }
    }
    return 0;
}
