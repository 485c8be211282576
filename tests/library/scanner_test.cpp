#include "scanner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

#include "last_choice.h"
#include "memory_files.h"

namespace wrennet {
namespace {

using Entries = std::vector<std::string>;

// The entries of a library, joined with " ; " so a table row fits on one line.
std::string Scan(const std::string& path, const std::string& content) {
    testing::MemoryFiles files(3);  // three bytes per read: lines cross refills
    files.add(path, content);
    std::string joined;
    for (const std::string_view entry : ScanLibraryFile(files, path).entries) {
        joined += (joined.empty() ? "" : " ; ") + std::string(entry);
    }
    return joined;
}

TEST(ScanLibraryFile, Table) {
    // library path, content, entries
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"/l/Port.s79", "; C Function prototype: int PortRead(int port, int mode)\n",
         "int PortRead(int port, int mode)"},
        {"/l/Port.s79", "@ C Function prototype:   void PortReset( void ) ; resets\r\n",
         "void PortReset( void )"},
        {"/l/Port.s79", "  ; C Function prototype: int PortOpen(int port)\n", ""},  // indented
        {"/l/Port.s79", "; C Function prototype: f()\n", ""},            // ")" at 2 or less
        {"/l/Port.s79", "; C Function prototype: int f(  int a\n", ""},  // no ")"
        {"/l/Port.s79", "; C Function prototype: int f(@ C Function prototype:int a)\n",
         "int f(int a)"},  // every marker goes
        {"/l/Port.s79",
         "; C Function prototype:@ C Function ; C Function prototype:prototype: g(x)\n",
         "g(x)"},  // the ";" markers go first, and what that joins goes too
        {"/l/Port.h", "extern int  PortRead (int port , int mode );  // reads\n",
         "int PortRead(int port, int mode)"},
        {"/l/Port.h", "int PortMode(int\tport,char\t mode);\n",
         "int PortMode(int port, char mode)"},
        {"/l/Port.h", "typedef int (*PortHook)(int);\n", "typedef int(*PortHook)"},
        {"/l/Port.h", " int PortClose(int port);\n#define PORTS 4\n", ""},
        {"/l/Port.h", "f(x)\r\n", "f(x)\r\n"},  // a ")" before 5 does not cut the line end
        {"/l/Port.h", "/* start\nint a(int x);\nend */ int b(int x);\nint c(int x);\n",
         "int c(int x)"},
        {"/l/Port.h", "/*\n*/\nint c(int x);\n", "int c(int x)"},
        {"/l/Port.h", "int a(int x); /* note */\n", "int a(int x)"},
        {"/l/Port.h", "int a(int x); /* note\n*/\n", ""},
        {"/l/Port.h", "int a(int x) // note\n", "int a(int x)"},
        {"/l/Port.h", "int b(int x);\nint B(int X);\nint a(int x);\nint b(int x);\n",
         "int a(int x) ; int b(int x) ; int B(int X) ; int b(int x)"},  // ties keep file order
    };
    for (const auto& [path, lines, entries] : cases) EXPECT_EQ(Scan(path, lines), entries) << lines;
}

TEST(ScanLibraryFile, FailuresAndEmptyPath) {
    testing::MemoryFiles files;
    const ScanResult empty = ScanLibraryFile(files, "");
    EXPECT_EQ(std::tuple(empty.opened, empty.messages, files.opens()),
              std::tuple(false, Messages{}, 0));  // an empty path is not even tried
    const ScanResult missing = ScanLibraryFile(files, "/no/Lib.s79");
    const Message notAvailable{
        "Library /no/Lib.s79 source file not available.\nFix using Library Combobox.",
        MessageIcon::Information};
    EXPECT_EQ(std::tuple(missing.opened, missing.messages),
              std::tuple(false, Messages{notAvailable}));
}

TEST(KindOfLibrary, Table) {
    const std::pair<const char*, LibraryKind> cases[] = {
        {"/l/PORT.H", LibraryKind::Header},
        {"/lib.hx/Port.s79", LibraryKind::Header},
        {"/l/Port.s79", LibraryKind::Assembler},
        {"a.h", LibraryKind::Assembler},
    };
    for (const auto& [path, kind] : cases) EXPECT_EQ(KindOfLibrary(path), kind) << path;
}

// Entries written as one text, a blank between them.
Entries Words(const std::string& text) {
    Entries words;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t blank = std::min(text.find(' ', at), text.size());
        words.push_back(text.substr(at, blank - at));
        at = blank + 1;
    }
    return words;
}

// Sorted as the combo lists them, through the scanner's own entry list.
Entries Sorted(const Entries& texts) {
    EntryList entries;
    for (const std::string& text : texts) entries.add(text);
    SortEntries(entries);
    return entries.toStrings();
}

TEST(SortEntries, FoldsOnlyAsciiAndKeepsTiesInFileOrder) {
    const Entries entries =
        Sorted(Words("b _x A a \xe9 Ab aB a a_long_shared_prefix_2 a_long_shared_prefix_10"));
    // Letters fold to lower case, so "_" (between the two cases) sorts before
    // them; bytes above 0x7F count as unsigned and sort last.
    EXPECT_EQ(entries,
              Words("_x A a a a_long_shared_prefix_10 a_long_shared_prefix_2 Ab aB b \xe9"));
}

// The order the combo promises, written the plain way: letters folded to lower
// case, bytes compared unsigned, a text before any longer text it begins.
bool ReferenceLess(const std::string& a, const std::string& b) {
    const auto fold = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte;
    };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [&](char x, char y) { return fold(x) < fold(y); });
}

// Random texts over a few bytes that fold alike or sit next to the letters,
// often sharing long prefixes so that ties reach past the sort keys, and
// repeating earlier ones: often (so that equal texts are sorted as classes),
// or rarely in the list of 20,000 (so that the sorter gives up on classes).
Entries RandomEntries(std::mt19937& random, std::size_t count) {
    const std::string alphabet = std::string("aAbBzZ_@[`{ 0\x7f\x80\xe9", 16) + '\0';
    const std::string prefixes[] = {"", "int PortRead", "unsigned char GpioStatusWord_",
                                    "UNSIGNED CHAR gpiostatusword_"};
    Entries entries;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && random() % (count == 20000 ? 20 : 2) == 0) {
            // An earlier entry again, sometimes in another letter case.
            std::string again = entries[random() % i];
            for (char& c : again) {
                if (random() % 4 == 0 && std::isalpha(static_cast<unsigned char>(c))) c ^= 0x20;
            }
            entries.push_back(again);
            continue;
        }
        std::string text = prefixes[random() % 4];
        const std::size_t length = random() % 40;
        for (std::size_t k = 0; k < length; ++k) text += alphabet[random() % alphabet.size()];
        entries.push_back(text);
    }
    return entries;
}

TEST(SortEntries, AgreesWithPlainStableSort) {
    std::mt19937 random(20261206);
    for (const std::size_t count : {0, 1, 2, 17, 1000, 20000, 40000}) {
        const Entries entries = RandomEntries(random, count);
        Entries expected = entries;
        std::stable_sort(expected.begin(), expected.end(), ReferenceLess);
        ASSERT_EQ(Sorted(entries), expected) << count << " entries";

        // The scanner's own path: entries packed while scanning an assembler file.
        PrototypeCollector collector(LibraryKind::Assembler);
        Entries listed;
        for (const std::string& entry : entries) {
            if (entry.size() < 3 || entry[0] == ' ' || entry.find('\0') != std::string::npos) {
                continue;  // not a text the marker line can carry whole
            }
            collector.feed("; C Function prototype:" + entry + ")\n");
            listed.push_back(entry + ")");
        }
        std::stable_sort(listed.begin(), listed.end(), ReferenceLess);
        ASSERT_EQ(collector.takeSorted().toStrings(), listed) << count << " entries";
    }
}

TEST(RestoreLastChoice, Table) {
    const Entries list = {"int a(int x)", "int B(int y)", "int c(int z)"};
    struct Row {
        Entries entries;
        std::string_view lastChoice;
        std::optional<std::size_t> selected;
        bool rewritten;
    };
    const Row rows[] = {
        {.entries = list, .lastChoice = "int b(INT Y)", .selected = 1, .rewritten = false},
        {.entries = list, .lastChoice = "int d(int q)", .selected = 0, .rewritten = true},
        {.entries = list, .lastChoice = "", .selected = 0, .rewritten = true},
        {.entries = {}, .lastChoice = "int a(int x)", .selected = std::nullopt, .rewritten = false},
    };
    for (const Row& row : rows) {
        EntryList packed;
        for (const std::string& entry : row.entries) packed.add(entry);
        const LastChoiceSelection selection = RestoreLastChoice(packed, row.lastChoice);
        EXPECT_EQ(std::pair(selection.index, selection.rewriteChoice),
                  std::pair(row.selected, row.rewritten))
            << row.lastChoice;
    }
}

}  // namespace
}  // namespace wrennet
