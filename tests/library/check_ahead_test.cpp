// The check made ahead at start runs on a thread of its own while the window
// is built (and scans in two halves itself): under ThreadSanitizer in
// continuous integration, this is where a race between them would show.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/memory_files.h"
#include "ui/library_check_ahead.h"

namespace wrennet {
namespace {

TEST(LibraryCheckAhead, AgreesWithACheckMadeNow) {
    testing::MemoryFiles files;
    std::string header;
    for (int i = 0; i < 20000; ++i) header += "int f" + std::to_string(i) + "(int a);\n";
    files.add("/l/a.h", header);
    files.add("/l/b.h", "int g(int b);\n");
    const struct {
        std::string path, lastChoice;
    } takes[] = {
        {"/l/a.h", "int f19999(int a)"},  // the check made ahead
        {"/l/a.h", "int f7(int a)"},      // another choice: checked now
        {"/l/b.h", "int f7(int a)"},      // another library: checked now
    };
    for (const auto& take : takes) {
        LibraryCheckAhead ahead(files, "/l/a.h", "int f19999(int a)");
        const LibraryCheck got = ahead.take(take.path, take.lastChoice);
        const LibraryCheck now = CheckLibraryFile(files, take.path, take.lastChoice);
        EXPECT_EQ(got.opened, now.opened) << take.path;
        EXPECT_EQ(got.listsFunctions, now.listsFunctions) << take.path;
        EXPECT_EQ(got.choiceToRewrite, now.choiceToRewrite) << take.path;
        EXPECT_EQ(got.messages, now.messages) << take.path;
    }
}

}  // namespace
}  // namespace wrennet
