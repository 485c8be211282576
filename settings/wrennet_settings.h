// WrennetSettings: typed access to the keys of Wrennet.ini.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_file.h"

namespace wrennet {

// Typed access to Wrennet.ini: the [Last] keys with their defaults and read
// capacities, and the [Libraries] list. Every read goes to the file.
class WrennetSettings {
  public:
    static constexpr const char* kFileName = "Wrennet.ini";

    // Why a write did not reach the disk.
    enum class UnsavedCause {
        CannotWrite,  // the folder, the file or the disk takes nothing
        InUse,        // another program held the settings' lock too long
    };
    // Told once, at the first write that does not reach the disk, with the
    // settings file's path: the user learns once that changes are not kept.
    using UnsavedReport = std::function<void(const std::string& settingsPath, UnsavedCause cause)>;

    // Both folders end with "/"; the file is settingsFolder + "Wrennet.ini".
    // The program folder is where the help is, whatever holds the settings.
    WrennetSettings(std::string programFolder, const std::string& settingsFolder,
                    UnsavedReport unsaved = {});
    // The settings beside the program.
    explicit WrennetSettings(std::string programFolder);

    const std::string& programFolder() const { return programFolder_; }
    IniFile& file() { return file_; }

    // Every write returns whether it reached the file. A write the disk refuses
    // has already been told to the user (once, through UnsavedReport), so a
    // caller with nothing else to do may go on without looking at the result;
    // a key the file cannot hold (a path with "=") is for the caller to tell.
    bool writeAppPath();  // [Last] AppPath = the program folder

    // [Last] Intro compared with "yes" without regard to case. The default
    // differs by reader: "yes" at start (capacity 1023), "Yes" for help (1000).
    bool introAtStart() const;
    bool introForHelp() const;
    // The Setup dialog presets from it with default "No" (capacity 1000).
    bool introForSetup() const;
    bool writeIntro(bool intro);  // "Yes" / "No"

    std::string url() const;  // default: the program folder
    bool writeUrl(std::string_view url);
    std::string browser() const;  // default: "xdg-open"
    bool writeBrowser(std::string_view browser);

    std::string library() const;  // capacity 1000, default ""
    bool writeLibrary(std::string_view path);
    std::string choice() const;  // capacity 10000, default ""
    bool writeChoice(std::string_view prototype);

    // The key names of [Libraries] that fit whole into the capacity of 10000;
    // a name cut short there is left out, so that it is never taken for a
    // missing library.
    std::vector<std::string> libraries() const;
    bool addLibrary(std::string_view path);  // [Libraries] path = Yes
    bool removeLibrary(std::string_view path);
    // Deletes [Libraries] and writes one key per path, in order.
    bool rewriteLibraries(const std::vector<std::string>& paths);
    // The start-up load's rewrite, made from the file as it is now, under one
    // lock: the `listed` paths that are still there first, in their order,
    // then every other name the section holds now, in file order, less
    // exactly the `missing` ones. A name another running copy added
    // meanwhile, or one beyond the capacity, is kept; one it removed
    // meanwhile stays removed.
    bool dropMissingLibraries(const std::vector<std::string>& listed,
                              const std::vector<std::string>& missing);

  private:
    using PathsFromContent = std::function<std::vector<std::string>(std::string_view content)>;

    bool noted(bool written);
    bool rewriteSection(const PathsFromContent& paths);

    std::string programFolder_;
    IniFile file_;
    UnsavedReport unsaved_;
    bool unsavedReported_ = false;
};

}  // namespace wrennet
