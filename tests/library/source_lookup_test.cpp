// What the command line does not show of the source reader: the icon of its
// messages, and the whole-library view's failures. The order of the source
// paths tried and the lookup's messages are corpus cases.
#include "library/source_lookup.h"

#include <gtest/gtest.h>

#include "library/param_choices.h"
#include "tests/support/memory_files.h"

namespace wrennet {
namespace {

TEST(SourceMessages, AreWarnings) {
    testing::MemoryFiles files;
    files.add("/lib/src/Port.c", "int f(int a)\n");
    const std::pair<Messages, Messages> rows[] = {
        {ReadWholeLibrary(files, "").messages, {{"No library to show.", MessageIcon::Warning}}},
        {ReadWholeLibrary(files, "/lib/b.s79").messages,
         {{"Could not find source /lib/b.s79", MessageIcon::Warning}}},
        {FindFunctionSource(files, "/lib/Include/Port.c", "int no()").messages,
         {{"Could not find \nint no()\nin /lib/Include/Port.c\nMust match exactly.",
           MessageIcon::Warning}}},
        {FindFunctionSource(files, "/lib/none.c", "f").messages,
         {{"Could not find source /lib/none.c or .c", MessageIcon::Warning},
          {"Could not find \nf\nin /lib/none.c\nMust match exactly.", MessageIcon::Warning}}},
    };
    for (const auto& [messages, expected] : rows) EXPECT_EQ(messages, expected);
    EXPECT_EQ(ReadWholeLibrary(files, "/lib/b.s79").paneText, "");
}

// A library without tabs or NULs is taken as its bytes; otherwise piece by
// piece: tabs to every 4th column of a piece, a NUL cutting its piece short,
// a piece led by a NUL ending the text.
TEST(ReadWholeLibrary, PaneText) {
    const std::string longLine(254, 'x');
    const std::pair<std::string, std::string> rows[] = {
        {"int a;\r\n\xe9\n" + longLine + "yz\n", "int a;\r\n\xe9\n" + longLine + "yz\n"},
        {"a\tb\n\tc", "a   b\n    c"},
        {longLine + "y\tz\n", longLine + "y    z\n"},  // the tab opens the second piece
        {std::string("ab\0cd\nef\n", 9), "abef\n"},
        {std::string("ab\n\0cd\nef\n", 10), "ab\n"},
    };
    for (const auto& [bytes, shown] : rows) {
        testing::MemoryFiles files;
        files.add("/l/a.h", bytes);
        EXPECT_EQ(ReadWholeLibrary(files, "/l/a.h").paneText, shown);
    }
}

// The &Helpers button starts what it names: a name a parameter's helper may
// not have is never offered, even when the file it names exists.
TEST(LocateHelper, OnlyNamesInsideTheFolder) {
    testing::MemoryFiles files;
    for (const char* path : {"/lib/src/calc.exe", "/lib/src/../outside/evil.exe",
                             "/lib/src/sub/../calc.exe", "/lib/src/a;b.exe"}) {
        files.add(path, "");
    }
    using Outcome = HelperLocation::Outcome;
    const std::pair<std::string, Outcome> rows[] = {
        {"calc.exe", Outcome::Found},       {"../outside/evil.exe", Outcome::None},
        {"sub/../calc.exe", Outcome::None}, {"a;b.exe", Outcome::None},
        {"missing.exe", Outcome::None},
    };
    for (const auto& [name, outcome] : rows) {
        EXPECT_EQ(LocateHelper(files, "/lib/src/Port.c", name).outcome, outcome) << name;
    }
}

// A function without a helper shows "-" and looks for a file of that name,
// as one with a helper looks for its own; a path without a folder part past
// index 4 leaves the helper as it was.
TEST(LocateHelper, NoHelperIsLookedForAsItsShownName) {
    testing::MemoryFiles files;
    files.add("/lib/src/-", "");
    files.add("/lib/src/calc.exe", "");
    const std::optional<std::string> none;
    const std::optional<std::string> calc = "calc.exe";
    const std::optional<std::string> other = "other.exe";
    struct Row {
        std::string sourcePath;
        const std::optional<std::string>& helper;
        HelperLocation::Outcome outcome;
        std::string path;
    };
    const Row rows[] = {
        {"/lib/src/Port.c", calc, HelperLocation::Outcome::Found, "/lib/src/calc.exe"},
        {"/lib/src/Port.c", none, HelperLocation::Outcome::Found, "/lib/src/-"},
        {"/lib/src/Port.c", other, HelperLocation::Outcome::None, ""},
        {"/lib/x/Port.c", none, HelperLocation::Outcome::None, ""},
        {"/lib/Port.c", calc, HelperLocation::Outcome::Unchanged, ""},
    };
    for (const Row& row : rows) {
        const HelperLocation location = LocateHelper(files, row.sourcePath, row.helper);
        EXPECT_EQ(location.outcome, row.outcome) << row.sourcePath;
        EXPECT_EQ(location.path, row.path) << row.sourcePath;
    }
    EXPECT_EQ(ShownHelperName(none), "-");
    EXPECT_EQ(ShownHelperName(calc), "calc.exe");
}

// After a lookup that did not find the prototype, the documentation is not
// read: the slots stay empty and the function name is the prototype.
TEST(ReadParamChoices, ReadsOnlyAfterAFoundSource) {
    testing::MemoryFiles files;
    files.add("/lib/src/Port.c",
              "/**\nint f(int a)\n * @param a :{0,1}\n * @note values: calc.exe\n */\n");
    const FunctionDetails found = ReadParamChoices(files, "/lib/src/Port.c", "int f(int a)", true);
    EXPECT_EQ(found.functionName, "f");
    EXPECT_EQ(found.count, 1);
    EXPECT_EQ(found.slots[0].valueText, "0,1");
    EXPECT_EQ(found.helperName, "calc.exe");
    const FunctionDetails missed =
        ReadParamChoices(files, "/lib/src/Port.c", "int f(int a)", false);
    EXPECT_EQ(missed.functionName, "int f(int a)");
    EXPECT_EQ(missed.count, 0);
    EXPECT_EQ(missed.slots[0].name, "");
    EXPECT_EQ(missed.helperName, std::nullopt);
}

}  // namespace
}  // namespace wrennet
