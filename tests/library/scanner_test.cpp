#include "scanner.h"

#include <gtest/gtest.h>

#include "last_choice.h"
#include "memory_files.h"

namespace wrennet {
namespace {

using Entries = std::vector<std::string>;

Entries Scan(const std::string& path, const std::string& content) {
    testing::MemoryFiles files(3);  // three bytes per read: lines cross refills
    files.add(path, content);
    return ScanLibraryFile(files, path).entries;
}

struct ScanCase {
    const char* name;
    std::string content;
    Entries entries;
};

TEST(ScanLibraryFile, AssemblerTable) {
    const ScanCase cases[] = {
        {"both markers, cut at the first )",
         "; C Function prototype: int PortRead(int port, int mode)\n"
         "@ C Function prototype:   void PortReset( void ) ; resets the port\r\n",
         {"int PortRead(int port, int mode)", "void PortReset( void )"}},
        {"indented marker", "  ; C Function prototype: int PortOpen(int port)\n", {}},
        {") at 2 or less after trimming", "; C Function prototype: f()\n", {}},
        {"inner spacing kept", "; C Function prototype: int f(  int a)\n", {"int f(  int a)"}},
        {"no )", "; C Function prototype: int f(int a\n", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Scan("/lib/Port.s79", c.content), c.entries) << c.name;
}

TEST(ScanLibraryFile, HeaderTable) {
    const ScanCase cases[] = {
        {"normalised, comment dropped",
         "extern int  PortRead (int port , int mode );  // reads a port\n",
         {"int PortRead(int port, int mode)"}},
        {"tabs", "int PortMode(int\tport,char\t mode);\n", {"int PortMode(int port, char mode)"}},
        {"cut after the first )", "typedef int (*PortHook)(int);\n", {"typedef int(*PortHook)"}},
        {"not at a letter", " int PortClose(int port);\n#define PORTS 4\n", {}},
        {"short ) keeps the line end", "f(x)\r\n", {"f(x)\r\n"}},
        {"block comment over lines",
         "/* start\nint a(int x);\nend */ int b(int x);\nint c(int x);\n",
         {"int c(int x)"}},
        {"comment closing at line start", "/*\n*/\nint c(int x);\n", {"int c(int x)"}},
        {"comment closed on its line", "int a(int x); /* note */\n", {"int a(int x)"}},
        {"comment running on", "int a(int x); /* note\n*/\n", {}},
        {"// comment", "int a(int x) // note\n", {"int a(int x)"}},
        {"sorted without regard to case, duplicates kept",
         "int b(int x);\nint B(int X);\nint a(int x);\nint b(int x);\n",
         {"int a(int x)", "int b(int x)", "int B(int X)", "int b(int x)"}},
    };
    for (const auto& c : cases) EXPECT_EQ(Scan("/lib/Port.h", c.content), c.entries) << c.name;
}

TEST(ScanLibraryFile, CrLfAndLfGiveTheSameEntries) {
    const std::string lines = "int a(int x);\n; C Function prototype: int b(int y)\n";
    std::string crlf;
    for (const char c : lines) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const char* path : {"/l/x.h", "/l/x.s79"}) EXPECT_EQ(Scan(path, lines), Scan(path, crlf));
}

TEST(ScanLibraryFile, FailuresAndEmptyPath) {
    testing::MemoryFiles files;
    const ScanResult empty = ScanLibraryFile(files, "");
    EXPECT_FALSE(empty.opened);
    EXPECT_TRUE(empty.messages.empty());
    EXPECT_EQ(files.opens(), 0);
    const ScanResult missing = ScanLibraryFile(files, "/no/Lib.s79");
    EXPECT_FALSE(missing.opened);
    EXPECT_EQ(missing.messages,
              (Messages{{"Library /no/Lib.s79 source file not available.\nFix using Library "
                         "Combobox.",
                         MessageIcon::Information}}));
}

TEST(KindOfLibrary, Table) {
    const std::pair<const char*, LibraryKind> cases[] = {
        {"/lib/Port.h", LibraryKind::Header},      {"/lib/PORT.H", LibraryKind::Header},
        {"/lib.hx/Port.s79", LibraryKind::Header}, {"/lib/Port.s79", LibraryKind::Assembler},
        {"a.h", LibraryKind::Assembler},           {"abc.h", LibraryKind::Header},
    };
    for (const auto& [path, kind] : cases) EXPECT_EQ(KindOfLibrary(path), kind) << path;
}

TEST(SortEntries, FoldsOnlyAsciiAndKeepsTiesInFileOrder) {
    Entries entries = {"b",
                       "_x",
                       "A",
                       "a",
                       std::string("\xe9"),
                       "Ab",
                       "aB",
                       "a",
                       "int PortRead_with_a_long_name2",
                       "int PortRead_with_a_long_name10"};
    SortEntries(entries);
    // Letters fold to lower case, so "_" (between the two cases) sorts before
    // them; bytes above 0x7F count as unsigned and sort last.
    const Entries expected = {"_x",
                              "A",
                              "a",
                              "a",
                              "Ab",
                              "aB",
                              "b",
                              "int PortRead_with_a_long_name10",
                              "int PortRead_with_a_long_name2",
                              std::string("\xe9")};
    EXPECT_EQ(entries, expected);
}

TEST(RestoreLastChoice, Table) {
    const Entries list = {"int a(int x)", "int B(int y)", "int c(int z)"};
    struct Case {
        Entries entries;
        const char* last;
        int index;
        bool rewrite;
    };
    const Case cases[] = {
        {list, "int b(INT Y)", 1, false},  // letter case ignored, not rewritten
        {list, "int d(int q)", 0, true},   // unknown: first entry becomes the choice
        {list, "", 0, true},
        {{}, "int a(int x)", -1, false},
    };
    for (const auto& c : cases) {
        const LastChoiceSelection selection = RestoreLastChoice(c.entries, c.last);
        EXPECT_EQ(selection.index, c.index) << c.last;
        EXPECT_EQ(selection.rewriteChoice, c.rewrite) << c.last;
        EXPECT_EQ(selection.position(), c.index + 1);
    }
}

}  // namespace
}  // namespace wrennet
