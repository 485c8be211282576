#include "settings/wrennet_settings.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "common/replace_all.h"
#include "settings/settings_location.h"
#include "tests/support/temp_folder.h"

namespace wrennet {
namespace {

using testing::TempFolder;
using Paths = std::vector<std::string>;

// Without a file every read gives its default, and saving an empty list makes none.
TEST(WrennetSettingsTest, NoFile) {
    TempFolder folder;
    WrennetSettings settings(folder.path());
    EXPECT_EQ(
        std::tuple(settings.introAtStart(), settings.introForHelp(), settings.introForSetup()),
        std::tuple(true, true, false));
    EXPECT_EQ(std::tuple(settings.url(), settings.browser(), settings.library(), settings.choice()),
              std::tuple(folder.path(), "xdg-open", "", ""));
    EXPECT_TRUE(settings.libraries().empty());
    EXPECT_TRUE(settings.rewriteLibraries({}));
    EXPECT_FALSE(std::filesystem::exists(settings.file().path()));
}

TEST(WrennetSettingsTest, IntroIsYesWithoutRegardToCase) {
    TempFolder folder;
    WrennetSettings settings(folder.path());
    for (const auto& [stored, expected] : {std::pair{"YES", true}, {"No", false}, {"y", false}}) {
        settings.file().writeValue("Last", "Intro", stored);
        EXPECT_EQ(settings.introAtStart(), expected) << stored;
        EXPECT_EQ(settings.introForHelp(), expected) << stored;
        EXPECT_EQ(settings.introForSetup(), expected) << stored;
    }
    settings.writeIntro(true);
    EXPECT_EQ(settings.file().readValue("Last", "Intro", "", 10), "Yes");
}

TEST(WrennetSettingsTest, ReadsAreCutAtTheirCapacities) {
    TempFolder folder;
    WrennetSettings settings(folder.path());
    const std::string longText(20000, 'x');
    settings.writeUrl(longText);
    settings.writeBrowser(longText);
    settings.writeLibrary(longText);
    settings.writeChoice(longText);
    EXPECT_EQ(std::tuple(settings.url().size(), settings.browser().size(),
                         settings.library().size(), settings.choice().size()),
              std::tuple(999u, 999u, 999u, 9999u));
    // 99 names of 100 bytes with terminators take 9900 bytes; the 100th would
    // be cut, and a name not read whole is not listed at all.
    Paths paths;
    for (int i = 100; i < 201; ++i) paths.push_back("/" + std::string(95, 'a') + std::to_string(i));
    ASSERT_TRUE(settings.rewriteLibraries(paths));
    const Paths listed = settings.libraries();
    ASSERT_EQ(listed.size(), 99u);
    EXPECT_EQ(listed.back(), paths[98]);
}

TEST(WrennetSettingsTest, LibraryList) {
    TempFolder folder;
    WrennetSettings settings(folder.path());
    ASSERT_TRUE(settings.writeAppPath());
    settings.addLibrary("/a/b.h");
    settings.addLibrary("/a/B.h");  // the same key as far as the file is concerned
    settings.addLibrary("/c.s79");
    EXPECT_EQ(settings.libraries(), (Paths{"/a/b.h", "/c.s79"}));
    settings.removeLibrary("/A/B.H");
    EXPECT_EQ(settings.libraries(), (Paths{"/c.s79"}));

    EXPECT_FALSE(settings.rewriteLibraries({"/z", "bad=path", "/y"}));
    EXPECT_EQ(TempFolder::read(settings.file().path()),
              "[Last]\nAppPath=" + folder.path() + "\n[Libraries]\n/z=Yes\n/y=Yes\n");
}

// Where the settings go. Running as root, every existing folder can be
// written, so a folder that does not exist stands for one that cannot be.
TEST(WrennetSettingsTest, SettingsFolder) {
    TempFolder folder;
    const std::string f = folder.path();
    std::filesystem::create_directory(f + "program");
    TempFolder::write(f + "file", "");
    // Program folder, XDG_CONFIG_HOME, the folder chosen; %F is the test's folder.
    const std::array<std::string, 3> rows[] = {
        {"%Fprogram/", "%Fconfig", "%Fprogram/"},
        {"%Fgone/", "%Fconfig", "%Fconfig/wrennet/"},
        {"%Fgone/", "%Fconfig/", "%Fconfig/wrennet/"},
        // Unset, or relative and so to be ignored: the home folder's .config.
        {"%Fgone/", "", "%Fhome/.config/wrennet/"},
        {"%Fgone/", "config", "%Fhome/.config/wrennet/"},
        {"", "%Fconfig", "%Fconfig/wrennet/"},
    };
    const auto in = [&](const std::string& path) { return ReplaceAll(path, "%F", f); };
    for (const auto& [program, xdgConfigHome, expected] : rows) {
        EXPECT_EQ(SettingsFolder(in(program), in(xdgConfigHome), f + "home"), in(expected))
            << program << " | " << xdgConfigHome;
        EXPECT_TRUE(expected == program || std::filesystem::is_directory(in(expected))) << expected;
    }
    // A configuration folder below a plain file cannot be made; its name is
    // still given, for the failed writes to report.
    EXPECT_EQ(SettingsFolder(f + "gone/", f + "file/config", ""), f + "file/config/wrennet/");
}

TEST(WrennetSettingsTest, SettingsThatCannotBeSavedAreReportedOnce) {
    TempFolder folder;
    TempFolder::write(folder.path() + "file", "");
    const std::string unwritable = folder.path() + "file/wrennet/";
    std::vector<std::string> reports;
    WrennetSettings settings(folder.path(), unwritable,
                             [&](const std::string& path, auto) { reports.push_back(path); });
    EXPECT_FALSE(settings.writeAppPath());
    EXPECT_FALSE(settings.writeChoice("int f(int a)"));
    EXPECT_FALSE(settings.rewriteLibraries({"/a.h"}));
    EXPECT_EQ(reports, Paths{unwritable + "Wrennet.ini"});
    // Reading goes on with the defaults; help stays with the program.
    EXPECT_EQ(settings.url(), folder.path());
    EXPECT_TRUE(settings.introAtStart());
}

TEST(WrennetSettingsTest, SavedSettingsReportNothing) {
    TempFolder folder;
    int reports = 0;
    WrennetSettings settings(folder.path(), folder.path() + "config/",
                             [&](const std::string&, auto) { ++reports; });
    std::filesystem::create_directory(folder.path() + "config");
    EXPECT_TRUE(settings.writeAppPath());
    EXPECT_TRUE(settings.rewriteLibraries({"/a.h"}));
    // A key that cannot be stored is the caller's fault, not the disk's.
    EXPECT_FALSE(settings.addLibrary("bad=path"));
    EXPECT_EQ(reports, 0);
    EXPECT_EQ(settings.file().path(), folder.path() + "config/Wrennet.ini");
    EXPECT_EQ(settings.file().readValue("Last", "AppPath", "", 1000), folder.path());
}

}  // namespace
}  // namespace wrennet
