// Any bytes as a library file. The first byte picks the kind of file and how
// many bytes one read delivers, so the line reader's buffer edges are crossed.

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "memory_files.h"
#include "scanner.h"

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

void Check(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool header = (data[0] & 1) != 0;
    const std::size_t chunk = (data[0] >> 1) + 1u;
    const std::string path = header ? "lib/port.h" : "lib/port.s79";

    wrennet::testing::MemoryFiles files(chunk);
    files.add(path, std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
    const wrennet::ScanResult scan = wrennet::ScanLibraryFile(files, path);

    Check(scan.opened && scan.messages.empty());
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
