// What a hostile file system or a second running copy must never cost the
// user: files beside the settings, libraries on the list, a read-only or
// linked settings file, a window that hangs on a FIFO or a held lock.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "common/file_descriptor.h"
#include "settings/ini_file.h"
#include "settings/ini_text.h"
#include "settings/temporary_file.h"
#include "settings/wrennet_settings.h"
#include "tests/support/temp_folder.h"

namespace wrennet {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;
using Paths = std::vector<std::string>;
using Clock = std::chrono::steady_clock;

// Ends the test program rather than letting a hang pass unnoticed.
class HangGuard {
  public:
    explicit HangGuard(unsigned seconds) { ::alarm(seconds); }
    ~HangGuard() { ::alarm(0); }
};

TEST(KeptSettingsTest, CleanUpRemovesOnlyWrennetsOwnTemporaries) {
    TempFolder folder;
    IniFile file(folder.path() + "Wrennet.ini");
    const struct {
        const char* name;
        bool removed;
    } rows[] = {
        {"Wrennet.ini.backup", false},
        {"Wrennet.ini.orig12", false},
        {"Wrennet.ini.a1B2c3", false},  // six letters or digits, but the user's
        {"Wrennet.ini.wrennet-unfinished-a1B2c", false},
        {"Wrennet.ini.wrennet-unfinished-a1B2c34", false},
        {"Wrennet.ini.wrennet-unfinished-a1_2c3", false},
        {"Other.ini.wrennet-unfinished-a1B2c3", false},
        {"Wrennet.ini.wrennet-unfinished-a1B2c3", true},
    };
    for (const auto& row : rows) TempFolder::write(folder.path() + row.name, "kept");
    // A link of the right name is never followed or removed.
    fs::create_symlink(folder.path() + "Wrennet.ini.backup",
                       folder.path() + "Wrennet.ini.wrennet-unfinished-Link00");
    ASSERT_TRUE(file.writeValue("Last", "AppPath", "/a"));
    for (const auto& row : rows) {
        EXPECT_EQ(fs::exists(folder.path() + row.name), !row.removed) << row.name;
    }
    EXPECT_TRUE(fs::is_symlink(folder.path() + "Wrennet.ini.wrennet-unfinished-Link00"));
    EXPECT_TRUE(
        IsTemporaryName(fs::path(MakeTemporaryBeside(file.path()).path).filename(), "Wrennet.ini"));
}

// Another running copy adds a library while the start-up load shows its
// "not available" messages; one beyond the key-list capacity was never read.
TEST(KeptSettingsTest, StartUpRewriteDropsOnlyTheMissingNames) {
    TempFolder folder;
    WrennetSettings settings(folder.path());
    ASSERT_TRUE(settings.rewriteLibraries({"/b.h", "/gone.h", "/a.h"}));
    const Paths read = settings.libraries();
    ASSERT_TRUE(IniFile(settings.file().path()).writeValue("Libraries", "/new.h", "Yes"));
    ASSERT_TRUE(settings.dropMissingLibraries({"/a.h", "/b.h"}, {"/gone.h"}));
    EXPECT_EQ(TempFolder::read(settings.file().path()),
              "[Libraries]\n/a.h=Yes\n/b.h=Yes\n/new.h=Yes\n");
    // A listed name that the other copy unlisted meanwhile stays unlisted.
    ASSERT_TRUE(IniFile(settings.file().path()).deleteKey("Libraries", "/b.h"));
    ASSERT_TRUE(settings.dropMissingLibraries({"/a.h", "/b.h"}, {}));
    EXPECT_EQ(settings.libraries(), (Paths{"/a.h", "/new.h"}));
}

// The one-pass rewrite gives the bytes of the writes made one by one.
TEST(KeptSettingsTest, SectionRewriteAgreesWithOneWriteAtATime) {
    const std::string contents[] = {
        "",
        "[Last]\nA=1\n[Libraries]\n; keep\n/x=Yes\n\n[More]\nk=v\n",
        "[Last]\r\nA=1\r\n[libraries]\r\n/x=Yes\r\n",
        "abc\r",
        "[Last]\nA=1",
        "[Libraries]\n/x=Yes\n[Libraries]\n/y=Yes\n",  // a second section takes the keys
    };
    const Paths keyLists[] = {
        {},
        {"/a", "/b"},
        {"/a", "bad=key", "/A", " /b ", "\t/c", "[no", ";no", "/a"},
    };
    for (const std::string& content : contents) {
        for (const Paths& keys : keyLists) {
            std::string expected = ini::DeleteSection(content, "Libraries");
            bool expectedAll = true;
            for (const std::string& key : keys) {
                if (auto next = ini::WriteValue(expected, "Libraries", key, "Yes")) {
                    expected = *next;
                } else {
                    expectedAll = false;
                }
            }
            bool allStored = true;
            EXPECT_EQ(ini::RewriteSection(content, "Libraries", keys, "Yes", allStored), expected)
                << content << " | " << keys.size();
            EXPECT_EQ(allStored, expectedAll);
        }
    }
}

TEST(KeptSettingsTest, TenThousandLibrariesStayInTheFile) {
    TempFolder folder;
    WrennetSettings settings(folder.path());
    Paths paths;
    for (int i = 0; i < 10000; ++i) paths.push_back("/libraries/lib" + std::to_string(i) + ".h");
    ASSERT_TRUE(settings.rewriteLibraries(paths));
    const Paths read = settings.libraries();
    ASSERT_LT(read.size(), paths.size());
    // Every name read is whole, and the first read is dropped as missing.
    EXPECT_EQ(read, Paths(paths.begin(), paths.begin() + static_cast<long>(read.size())));
    ASSERT_TRUE(settings.dropMissingLibraries(Paths(read.begin() + 1, read.end()), {read[0]}));
    const Paths after = IniFile(settings.file().path()).readKeyNames("Libraries", 1 << 30);
    EXPECT_EQ(after, Paths(paths.begin() + 1, paths.end()));
}

TEST(KeptSettingsTest, FifoIsNeitherWaitedForNorReplaced) {
    TempFolder folder;
    const std::string path = folder.path() + "Wrennet.ini";
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    const HangGuard guard(20);
    IniFile file(path);
    EXPECT_EQ(file.readValue("Last", "Intro", "yes", 100), "yes");
    EXPECT_FALSE(file.writeValue("Last", "AppPath", "/a"));
    EXPECT_TRUE(file.lastUpdateFailedOnDisk());
    EXPECT_TRUE(fs::is_fifo(path));
}

TEST(KeptSettingsTest, ReadOnlyFileIsKept) {
    TempFolder folder;
    const std::string path = folder.path() + "Wrennet.ini";
    TempFolder::write(path, "[Last]\nChoice=mine\n");
    ::chmod(path.c_str(), 0444);
    std::vector<WrennetSettings::UnsavedCause> reports;
    WrennetSettings settings(folder.path(), folder.path(),
                             [&](const std::string&, auto cause) { reports.push_back(cause); });
    EXPECT_FALSE(settings.writeAppPath());
    EXPECT_FALSE(settings.writeChoice("other"));
    EXPECT_EQ(TempFolder::read(path), "[Last]\nChoice=mine\n");
    EXPECT_EQ(settings.choice(), "mine");
    EXPECT_EQ(reports, std::vector{WrennetSettings::UnsavedCause::CannotWrite});
}

TEST(KeptSettingsTest, LinkedFileIsWrittenThroughTheLink) {
    TempFolder folder;
    fs::create_directory(folder.path() + "real");
    TempFolder::write(folder.path() + "real/settings.ini", "[Last]\nIntro=No\n");
    ::chmod((folder.path() + "real/settings.ini").c_str(), 0600);
    fs::create_symlink("real/settings.ini", folder.path() + "Wrennet.ini");
    IniFile file(folder.path() + "Wrennet.ini");
    ASSERT_TRUE(file.writeValue("Last", "AppPath", "/a"));
    EXPECT_TRUE(fs::is_symlink(folder.path() + "Wrennet.ini"));
    EXPECT_EQ(TempFolder::read(folder.path() + "real/settings.ini"),
              "[Last]\nIntro=No\nAppPath=/a\n");
    EXPECT_EQ(fs::status(folder.path() + "real/settings.ini").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path() + "real"), {}), 1);
}

// A link whose target does not exist yet gets its target; a FIFO in the lock
// file's place is not waited for either.
TEST(KeptSettingsTest, DanglingLinkAndFifoLock) {
    TempFolder folder;
    fs::create_symlink("later.ini", folder.path() + "Wrennet.ini");
    IniFile linked(folder.path() + "Wrennet.ini");
    ASSERT_TRUE(linked.writeValue("Last", "AppPath", "/a"));
    EXPECT_TRUE(fs::is_symlink(folder.path() + "Wrennet.ini"));
    EXPECT_EQ(TempFolder::read(folder.path() + "later.ini"), "[Last]\nAppPath=/a\n");

    const std::string other = folder.path() + "Other.ini";
    ASSERT_EQ(::mkfifo((other + ".lock").c_str(), 0644), 0);
    const HangGuard guard(20);
    IniFile fifoLocked(other);
    EXPECT_TRUE(fifoLocked.writeValue("Last", "AppPath", "/a"));
    EXPECT_EQ(fifoLocked.readValue("Last", "AppPath", "", 100), "/a");
}

TEST(KeptSettingsTest, LockHeldElsewhereIsWaitedForOnlyOnce) {
    TempFolder folder;
    const std::string path = folder.path() + "Wrennet.ini";
    TempFolder::write(path, "[Last]\nChoice=mine\n");
    // Another open of the lock file holds it, as a hung program would.
    FileDescriptor holder(::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
    ASSERT_EQ(::flock(holder.get(), LOCK_EX), 0);
    const HangGuard guard(20);
    std::vector<std::string> reports;
    WrennetSettings settings(folder.path(), folder.path(), [&](const std::string& at, auto cause) {
        reports.push_back(cause == WrennetSettings::UnsavedCause::InUse ? at : "not in use");
    });

    const auto start = Clock::now();
    EXPECT_FALSE(settings.writeAppPath());
    EXPECT_GE(Clock::now() - start, std::chrono::seconds(2));
    const auto second = Clock::now();
    EXPECT_FALSE(settings.writeChoice("other"));
    EXPECT_EQ(settings.choice(), "mine");
    EXPECT_LT(Clock::now() - second, std::chrono::milliseconds(500));
    EXPECT_EQ(reports, Paths{path});

    // Once the other program lets go, writes land again.
    holder.close();
    EXPECT_TRUE(settings.writeChoice("other"));
    EXPECT_EQ(settings.choice(), "other");
}

}  // namespace
}  // namespace wrennet
