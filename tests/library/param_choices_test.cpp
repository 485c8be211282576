#include "param_choices.h"

#include <gtest/gtest.h>

#include "memory_files.h"

namespace wrennet {
namespace {

const std::string kProto = "int SetMode(int mode, unsigned flags, int level, char * name)";

std::string SetModeSource(const std::string& linePrefix) {
    return "/**\n" + linePrefix + "@brief Sets the mode\n" + linePrefix +
           "@param mode :{FAST,SLOW}\n" + linePrefix + "@param flags :{RD|WR|EX}\n" + linePrefix +
           "@param level:{0-255}\n" + linePrefix + "@param name :{pick.exe}\n" + linePrefix +
           "@note Use calc.exe for the level\n*/\n" + kProto + "\n{\n";
}

FunctionDetails Read(const std::string& content, const std::string& prototype,
                     std::size_t paneLength = 100) {
    testing::MemoryFiles files(4);
    files.add("/src/a.c", content);
    return ReadParamChoices(files, "/src/a.c", prototype, paneLength);
}

TEST(ReadParamChoices, SetModeSource) {
    // Lines are looked at eight bytes at a time: indenting by 0 to 9 blanks moves
    // every "@", ")", ";" and "/" across the word boundaries.
    std::vector<std::string> prefixes = {"", " * "};
    for (std::size_t blanks = 1; blanks <= 9; ++blanks) {
        prefixes.push_back(std::string(blanks, ' ') + " * ");
    }
    const std::array<ParamChoice, kMaxSlots> slots = {{{"mode", "FAST,SLOW", ""},
                                                       {"flags", "RD|WR|EX", ""},
                                                       {"level", "0-255", ""},
                                                       {"name", "pick.exe", "\"pick.exe\""}}};
    for (const std::string& prefix : prefixes) {
        const FunctionDetails details =
            Read(prefix.substr(0, prefix.size() - 3) + SetModeSource(prefix), kProto);
        EXPECT_EQ(
            std::tuple(details.returnType, details.functionName, details.count, details.helperName,
                       details.messages),
            std::tuple("int", "SetMode", 4, std::optional<std::string>("calc.exe"), Messages{}));
        EXPECT_EQ(details.slots, slots) << "prefix [" << prefix << "]";
    }
}

// Value text of parameter m for a block written with `lines` before `int f(int m)`.
TEST(ReadParamChoices, DescriptionTable) {
    const std::pair<const char*, const char*> cases[] = {
        {"@param m:{ FAST , SLOW }\n", "FAST,SLOW"},
        {"@param m : {FAST,SLOW}\n", ""},  // a blank after the colon is not recognised
        {"@param m :{A,\nB}\n@param n :{0-9}\n", "A,B"},
        {"@param m :{A,\n * B}\n@brief x\n", "A,*B"},
        {"@param m :{A,\nB}\n", ""},  // no closing line with "@" before the end
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
    const FunctionDetails failed = Read(SetModeSource(""), kProto, 2);
    EXPECT_EQ(std::tuple(failed.functionName, failed.returnType, failed.count),
              std::tuple(kProto, "", 0));
    testing::MemoryFiles files;
    const FunctionDetails missing = ReadParamChoices(files, "/src/none.c", kProto, 100);
    EXPECT_EQ(std::tuple(missing.functionName, missing.count), std::tuple(kProto, 0));
    EXPECT_EQ(missing.messages, (Messages{{"Could not find /src/none.c", MessageIcon::Warning}}));
}

TEST(ReadParamChoices, PrototypeSplitIntoNameAndParameters) {
    struct Row {
        std::string_view prototype;
        std::string_view returnType = "";
        std::string_view functionName = "";
        std::vector<std::string> names = {};
    };
    const Row rows[] = {
        {.prototype = "char *get(char *buf, int len)",
         .returnType = "char *",
         .functionName = "get",
         .names = {"buf", "len"}},
        {.prototype = "int f(void)", .returnType = "int", .functionName = "f"},
        {.prototype = "int f(void * p)", .returnType = "int", .functionName = "f"},
        {.prototype = "int f(T a, int b)", .returnType = "int", .functionName = "f"},
        {.prototype = "int f(int, int)", .returnType = "int", .functionName = "f"},
        {.prototype = "int f(int a, int b, int c, int d, int e)",
         .returnType = "int",
         .functionName = "f",
         .names = {"a", "b", "c", "d"}},
        // "T b" is too short: the list ends there.
        {.prototype = "int f(int a, T b)",
         .returnType = "int",
         .functionName = "f",
         .names = {"a"}},
        {.prototype = "reset()", .functionName = "reset"},
        {.prototype = "no parenthesis", .functionName = "no parenthesis"},
    };
    for (const Row& row : rows) {
        const std::string prototype(row.prototype);
        const FunctionDetails details = Read("/**\n*/\n" + prototype + "\n", prototype);
        std::vector<std::string> names;
        for (const ParamChoice& slot : details.slots) {
            if (!slot.name.empty()) names.push_back(slot.name);
        }
        EXPECT_EQ(std::tuple(details.returnType, details.functionName, names),
                  std::tuple(row.returnType, row.functionName, row.names))
            << row.prototype;
    }
}

}  // namespace
}  // namespace wrennet
