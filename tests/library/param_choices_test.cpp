#include "param_choices.h"

#include <gtest/gtest.h>

#include "memory_files.h"

namespace wrennet {
namespace {

FunctionDetails Read(const std::string& content, const std::string& prototype,
                     std::size_t paneLength = 100) {
    testing::MemoryFiles files(4);
    files.add("/src/a.c", content);
    return ReadParamChoices(files, "/src/a.c", prototype, paneLength);
}

// Value text of parameter m for a block written with `lines` before `int f(int m)`.
TEST(ReadParamChoices, DescriptionTable) {
    const std::pair<const char*, const char*> cases[] = {
        {"@param m:{ FAST , SLOW }\n", "FAST,SLOW"},
        {"@param m : {FAST,SLOW}\n", ""},  // a blank after the colon is not recognised
        {"@param m :{A,\n * B}\n@brief x\n", "A,*B"},
        {"@param m :{A,B} // default A\n", "A,B"},
        {"@param m :{A;B}\nnothing\n", ""},
        {"@param m :{(1),(2)}\nnothing\n", ""},
        {"@param m :{X,Y}\n/**\n", ""},               // the next block drops the description
        {"@param p :{X}\n@param m :{1-2}\n", "1-2"},  // the key is "@param m :{"
    };
    for (const auto& [lines, value] : cases) {
        const FunctionDetails details =
            Read(std::string("/*!\n") + lines + "*/\nint f(int m)\n", "int f(int m)");
        EXPECT_EQ(details.slots[0].valueText, value) << lines;
    }
}

TEST(ReadParamChoices, BlocksAndHelper) {
    // The second function's block drops the first one's descriptions and note.
    const std::string two =
        "/** @note use a.exe here\n@param m :{A,B}\n*/\nint f(int m)\n"
        "/*! second\n*/\nint g(int m)\n/*! after\n@param m :{C,D}\n";
    const FunctionDetails first = Read(two, "int f(int m)");
    EXPECT_EQ(std::tuple(first.slots[0].valueText, first.helperName),
              std::tuple("A,B", std::optional<std::string>("a.exe")));
    const FunctionDetails second = Read(two, "int g(int m)");
    EXPECT_EQ(std::tuple(second.slots[0].valueText, second.helperName),
              std::tuple("", std::nullopt));
    EXPECT_EQ(second.documentationText, "/*! second\n*/\nint g(int m)");  // cut after ")"
}

TEST(ReadParamChoices, NothingReadWhenLookupFailedOrFileMissing) {
    const std::string prototype = "int f(int m)";
    const FunctionDetails failed =
        Read("/**\n@param m :{A,B}\n*/\n" + prototype + "\n", prototype, 2);
    EXPECT_EQ(std::tuple(failed.functionName, failed.returnType, failed.count),
              std::tuple(prototype, "", 0));
    testing::MemoryFiles files;
    const FunctionDetails missing = ReadParamChoices(files, "/src/none.c", prototype, 100);
    EXPECT_EQ(
        std::tuple(missing.functionName, missing.count, missing.messages),
        std::tuple(prototype, 0, Messages{{"Could not find /src/none.c", MessageIcon::Warning}}));
}

// Splits the corpus does not show: lists that end early or hold no names.
TEST(ReadParamChoices, PrototypeSplitIntoNameAndParameters) {
    struct Row {
        std::string prototype;
        std::string_view functionName = "f";
        std::vector<std::string> names = {};
    };
    const Row rows[] = {
        {.prototype = "int f(void)"},
        {.prototype = "int f(int, int)"},
        {.prototype = "int f(int a, T b)", .names = {"a"}},  // "T b" is too short: the list ends
        {.prototype = "reset()", .functionName = "reset"},
        {.prototype = "no parenthesis", .functionName = "no parenthesis"},
    };
    for (const Row& row : rows) {
        const FunctionDetails details = Read("/**\n*/\n" + row.prototype + "\n", row.prototype);
        std::vector<std::string> names;
        for (const ParamChoice& slot : details.slots) {
            if (!slot.name.empty()) names.push_back(slot.name);
        }
        EXPECT_EQ(std::tuple(details.functionName, names), std::tuple(row.functionName, row.names))
            << row.prototype;
    }
}

}  // namespace
}  // namespace wrennet
