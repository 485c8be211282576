#include "source_lookup.h"

#include <gtest/gtest.h>

#include "memory_files.h"

namespace wrennet {
namespace {

// The source is looked for as given, as ".c", then with every "/include/" (any
// letter case) as "/Src/", then as "/src/": the first that opens is read.
TEST(FindFunctionSource, TriesTheSourceFolderSpellingsInOrder) {
    struct Row {
        std::vector<std::string> present;
        std::string_view read;
    };
    const Row rows[] = {
        {.present = {"/o/INCLUDE/a/include/P.h", "/o/INCLUDE/a/include/P.c"},
         .read = "/o/INCLUDE/a/include/P.h"},
        {.present = {"/o/INCLUDE/a/include/P.c", "/o/Src/a/Src/P.c"},
         .read = "/o/INCLUDE/a/include/P.c"},
        {.present = {"/o/Src/a/Src/P.c", "/o/src/a/src/P.c"}, .read = "/o/Src/a/Src/P.c"},
        {.present = {"/o/src/a/src/P.c"}, .read = "/o/src/a/src/P.c"},
    };
    for (const Row& row : rows) {
        testing::MemoryFiles files(5);
        for (const std::string& path : row.present) files.add(path, "x\nint f(int a)\n/** g */\n");
        const SourceLookup lookup =
            FindFunctionSource(files, "/o/INCLUDE/a/include/P.h", "int f(int a)");
        EXPECT_EQ(std::tuple(lookup.found, lookup.path, lookup.paneText),
                  std::tuple(true, row.read, "x\nint f(int a)\n"));
    }
}

// The message texts in order, " | " between them; every one must carry the warning icon.
std::string WarningTexts(const Messages& messages) {
    std::string joined;
    for (const Message& message : messages) {
        EXPECT_EQ(message.icon, MessageIcon::Warning) << message.text;
        joined += (joined.empty() ? "" : " | ") + message.text;
    }
    return joined;
}

TEST(FindFunctionSource, Failures) {
    testing::MemoryFiles files;
    files.add("/lib/src/Port.c", "int f(int a)\n");
    struct Row {
        std::string_view path, messages, lastTried = "";
    };
    const Row rows[] = {
        {.path = "/lib/Include/Port.c",
         .messages = "Could not find \nint no(int a)\nin /lib/Include/Port.c\nMust match exactly.",
         .lastTried = "/lib/src/Port.c"},
        {.path = "", .messages = "Could not find \nint no(int a)\nin \nMust match exactly."},
    };
    for (const Row& row : rows) {
        const SourceLookup lookup =
            FindFunctionSource(files, std::string(row.path), "int no(int a)");
        EXPECT_EQ(std::tuple(lookup.paneText, WarningTexts(lookup.messages), lookup.path),
                  std::tuple("-", row.messages, row.lastTried));
    }
}

TEST(ReadWholeLibrary, Failures) {
    testing::MemoryFiles files;
    EXPECT_EQ(WarningTexts(ReadWholeLibrary(files, "").messages), "No library to show.");
    const LibraryText missing = ReadWholeLibrary(files, "/lib/b.s79");
    EXPECT_EQ(std::pair(missing.paneText, WarningTexts(missing.messages)),
              std::pair(std::string(), std::string("Could not find source /lib/b.s79")));
}

}  // namespace
}  // namespace wrennet
