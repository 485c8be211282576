#include "source_lookup.h"

#include <gtest/gtest.h>

#include "memory_files.h"

namespace wrennet {
namespace {

TEST(ToSourceName, Table) {
    const std::pair<const char*, const char*> cases[] = {
        {"Port.h", "Port.c"}, {"PORT.H", "PORT.c"}, {"Port.hpp", "Port.hpp"}, {"h", "h"}};
    for (const auto& [path, source] : cases) EXPECT_EQ(ToSourceName(path), source) << path;
}

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
        testing::MemoryFiles files;
        for (const std::string& path : row.present) files.add(path, "int f(int a)\n");
        const SourceLookup lookup =
            FindFunctionSource(files, "/o/INCLUDE/a/include/P.h", "int f(int a)");
        EXPECT_EQ(std::tuple(lookup.found, lookup.path), std::tuple(true, row.read));
    }
}

const std::string kSource =
    "/** first */\n"
    "int first(int a)\n"
    "{}\n"
    "  \t/*! second\n"
    "@param b :{1,2}\n"
    " */\n"
    "int second(int b) {\tx;\n"
    "  int second(int b)\n"
    "body\n"
    "\t/** third */\n"
    "int third(void)\n";

TEST(FindFunctionSource, CollectsTheBlockAroundTheMatch) {
    testing::MemoryFiles files(5);
    files.add("/src/Port.c", kSource);
    const SourceLookup lookup = FindFunctionSource(files, "/src/Port.c", "int second(int b)");
    EXPECT_EQ(std::tuple(lookup.found, lookup.messages, lookup.path),
              std::tuple(true, Messages{}, "/src/Port.c"));
    EXPECT_EQ(lookup.paneText,
              "/*! second\n@param b :{1,2}\n */\nint second(int b) { x;\n"
              "  int second(int b)\nbody\n");
    // Without a block before it, the pane starts at the top of the file.
    files.add("/src/Plain.c", "x\nint f(int a)\n/** next */\n");
    EXPECT_EQ(FindFunctionSource(files, "/src/Plain.c", "int f(int a)").paneText,
              "x\nint f(int a)\n");
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

TEST(FindFunctionSource, FailuresInOrder) {
    testing::MemoryFiles files;
    files.add("/lib/src/Port.c", kSource);
    files.add("/lib/src/Ind.c", "  int g(int a)\n");  // indented: one blank stays in front
    // path, prototype, messages, path in its last tried form
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"/lib/Include/Port.c", "int no(int a)",
         "Could not find \nint no(int a)\nin /lib/Include/Port.c\nMust match exactly.",
         "/lib/src/Port.c"},
        {"/none/Port.c", "int f(int a)",
         "Could not find source /none/Port.c or .c | "
         "Could not find \nint f(int a)\nin /none/Port.c\nMust match exactly.",
         "/none/Port.c"},
        {"", "int f(int a)", "Could not find \nint f(int a)\nin \nMust match exactly.", ""},
        {"/lib/src/Ind.c", "int g(int a)",
         "Could not find \nint g(int a)\nin /lib/src/Ind.c\nMust match exactly.", "/lib/src/Ind.c"},
    };
    for (const auto& [path, prototype, messages, lastTried] : cases) {
        const SourceLookup lookup = FindFunctionSource(files, path, prototype);
        EXPECT_EQ(std::tuple(lookup.paneText, WarningTexts(lookup.messages), lookup.path),
                  std::tuple("-", messages, lastTried));
    }
}

TEST(ReadWholeLibrary, TextAndFailures) {
    testing::MemoryFiles files;
    files.add("/lib/a.s79", "a\tb\nc\td\n");
    EXPECT_EQ(ReadWholeLibrary(files, "/lib/a.s79").paneText, "a   b\nc   d\n");
    EXPECT_EQ(WarningTexts(ReadWholeLibrary(files, "").messages), "No library to show.");
    const LibraryText missing = ReadWholeLibrary(files, "/lib/b.s79");
    EXPECT_EQ(missing.paneText, "");
    EXPECT_EQ(WarningTexts(missing.messages), "Could not find source /lib/b.s79");
}

TEST(LocateHelper, Table) {
    testing::MemoryFiles files;
    files.add("/lib/src/calc.exe", "");
    using Outcome = HelperLocation::Outcome;
    const std::tuple<const char*, const char*, Outcome, const char*> cases[] = {
        {"/lib/src/Port.c", "calc.exe", Outcome::Found, "/lib/src/calc.exe"},
        {"/lib/src/Port.c", "-", Outcome::None, ""},
        {"/abc/Port.c", "calc.exe", Outcome::Unchanged, ""},  // last "/" at index 4
    };
    for (const auto& [source, helper, outcome, path] : cases) {
        const HelperLocation location = LocateHelper(files, source, helper);
        EXPECT_EQ(std::tuple(location.outcome, location.path), std::tuple(outcome, path))
            << source << " " << helper;
    }
}

}  // namespace
}  // namespace wrennet
