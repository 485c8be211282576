#include "settings/ini_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>

#include "tests/support/temp_folder.h"

namespace wrennet {
namespace {

using testing::TempFolder;

TEST(IniFileTest, FirstWriteCreatesTheFileReadableByAll) {
    TempFolder folder;
    IniFile file(folder.path() + "Wrennet.ini");
    // Deletes and refused writes create no file.
    EXPECT_TRUE(file.deleteSection("L") && file.deleteKey("L", "k"));
    EXPECT_FALSE(file.writeValue("L", "a=b", "v"));
    EXPECT_FALSE(std::filesystem::exists(file.path()));
    ASSERT_TRUE(file.writeValue("Last", "AppPath", "/a"));
    EXPECT_EQ(TempFolder::read(file.path()), "[Last]\nAppPath=/a\n");
    struct stat info {};
    EXPECT_EQ(::stat(file.path().c_str(), &info) == 0 ? info.st_mode & 0777 : 0, 0644u);
}

// Nothing replaces what cannot be written: a read-only folder keeps the old
// file, a folder in the file's place counts as unreadable.
TEST(IniFileTest, UnwritablePlacesKeepWhatIsThere) {
    TempFolder folder;
    IniFile file(folder.path() + "Wrennet.ini"), blocked(folder.path() + "sub");
    std::filesystem::create_directory(blocked.path());
    EXPECT_EQ(blocked.readValue("L", "k", "d", 100), "d");
    EXPECT_TRUE(blocked.readKeyNames("L", 100).empty());
    EXPECT_FALSE(blocked.writeValue("L", "k", "v"));
    EXPECT_TRUE(std::filesystem::is_directory(blocked.path()));

    TempFolder::write(file.path(), "[L]\nk=old\n");
    ::chmod(folder.path().c_str(), 0555);
    if (::access(folder.path().c_str(), W_OK) == 0) GTEST_SKIP() << "root writes anyway";
    EXPECT_FALSE(file.writeValue("L", "k", "new") || file.deleteSection("L"));
    EXPECT_EQ(TempFolder::read(file.path()), "[L]\nk=old\n");
    EXPECT_EQ(file.readValue("L", "k", "", 100), "old");
}

TEST(IniFileTest, LargeBinaryFileIsReadQuickly) {
    TempFolder folder;
    IniFile file(folder.path() + "Wrennet.ini");
    std::string garbage(50 << 20, '\0');
    std::mt19937 random(7);
    for (char& c : garbage) c = static_cast<char>(random());
    TempFolder::write(file.path(), garbage + "\n[Last]\nChoice=found\n");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(file.readValue("Last", "Choice", "", 100), "found");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}

// Two running copies each add 300 keys at once; a lost update would drop some.
TEST(IniFileTest, ConcurrentWritersLoseNothing) {
    TempFolder folder;
    const std::string path = folder.path() + "Wrennet.ini";
    pid_t children[2];
    for (int copy = 0; copy < 2; ++copy) {
        children[copy] = ::fork();
        ASSERT_GE(children[copy], 0);
        if (children[copy] == 0) {
            IniFile file(path);
            int failed = 0;
            for (int i = 0; i < 300; ++i) {
                failed += !file.writeValue("Libraries", std::to_string(copy * 1000 + i), "Yes");
            }
            ::_exit(failed);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(IniFile(path).readKeyNames("Libraries", 100000).size(), 600u);
}

// A writer killed at any moment leaves the file exactly as one of its writes
// left it, never half of one.
TEST(IniFileTest, KilledWriterLeavesOldOrNewFile) {
    TempFolder folder;
    const std::string path = folder.path() + "Wrennet.ini";
    IniFile file(path);
    const std::string padding(2000, 'p');
    for (int i = 0; i < 20; ++i) file.writeValue("Pad", "k" + std::to_string(i), padding);
    file.writeValue("Last", "Choice", "old");
    const std::string oldFile = TempFolder::read(path);
    file.writeValue("Last", "Choice", "new");
    const std::string newFile = TempFolder::read(path);

    std::mt19937 random(1);
    int newSeen = 0;
    for (int trial = 0; trial < 60; ++trial) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            IniFile writer(path);
            for (unsigned i = 0;; ++i) writer.writeValue("Last", "Choice", i % 2 ? "old" : "new");
        }
        ::usleep(1000 + random() % 15000);
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string after = TempFolder::read(path);
        ASSERT_TRUE(after == oldFile || after == newFile) << "trial " << trial;
        newSeen += after == newFile;
    }
    // Both outcomes occur, so the kills did land while the writer was busy.
    EXPECT_GT(newSeen, 0);
    EXPECT_LT(newSeen, 60);
    // The temporary files of killed writers are gone after the next write.
    file.writeValue("Last", "Choice", "done");
    const std::filesystem::directory_iterator entries(folder.path());
    EXPECT_EQ(std::distance(entries, {}), 2);  // the file and its lock
}

}  // namespace
}  // namespace wrennet
