#include "settings/wrennet_settings.h"

#include <cstddef>
#include <unordered_set>
#include <utility>

#include "settings/ini_lines.h"
#include "settings/ini_text.h"

namespace wrennet {
namespace {

constexpr std::string_view kLast = "Last";
constexpr std::string_view kLibraries = "Libraries";

// Read capacities, each including the terminator of the caller's buffer.
constexpr std::size_t kIntroAtStartCapacity = 1023;
constexpr std::size_t kPathCapacity = 1000;
constexpr std::size_t kChoiceCapacity = 10000;
constexpr std::size_t kLibraryNamesCapacity = 10000;

constexpr std::size_t kWholeSection = static_cast<std::size_t>(-1);

bool MeansYes(std::string_view value) { return ini::NamesEqual(value, "yes"); }

std::unordered_set<std::string> LookupKeys(const std::vector<std::string>& names) {
    std::unordered_set<std::string> keys;
    for (const std::string& name : names) keys.insert(ini::NameLookupKey(name));
    return keys;
}

// The section's new order: the listed names that are still there, then the
// rest of what is there now, less the missing ones.
std::vector<std::string> LibrariesToKeep(const std::vector<std::string>& now,
                                         const std::vector<std::string>& listed,
                                         const std::vector<std::string>& missing) {
    const std::unordered_set<std::string> there = LookupKeys(now);
    const std::unordered_set<std::string> shown = LookupKeys(listed);
    const std::unordered_set<std::string> gone = LookupKeys(missing);
    std::vector<std::string> kept;
    for (const std::string& path : listed) {
        if (there.contains(ini::NameLookupKey(path))) kept.push_back(path);
    }
    for (const std::string& name : now) {
        const std::string key = ini::NameLookupKey(name);
        if (!shown.contains(key) && !gone.contains(key)) kept.push_back(name);
    }
    return kept;
}

}  // namespace

WrennetSettings::WrennetSettings(std::string programFolder, const std::string& settingsFolder,
                                 UnsavedReport unsaved)
    : programFolder_(std::move(programFolder)),
      file_(settingsFolder + kFileName),
      unsaved_(std::move(unsaved)) {}

WrennetSettings::WrennetSettings(std::string programFolder)
    : WrennetSettings(programFolder, programFolder) {}

bool WrennetSettings::noted(bool written) {
    if (!written && file_.lastUpdateFailedOnDisk() && !unsavedReported_) {
        unsavedReported_ = true;
        const UnsavedCause cause =
            file_.lastUpdateFoundFileInUse() ? UnsavedCause::InUse : UnsavedCause::CannotWrite;
        if (unsaved_) unsaved_(file_.path(), cause);
    }
    return written;
}

bool WrennetSettings::writeAppPath() {
    return noted(file_.writeValue(kLast, "AppPath", programFolder_));
}

// Start-up and help treat a missing Intro as yes; the Setup dialog presets no.
bool WrennetSettings::introAtStart() const {
    return MeansYes(file_.readValue(kLast, "Intro", "yes", kIntroAtStartCapacity));
}

bool WrennetSettings::introForHelp() const {
    return MeansYes(file_.readValue(kLast, "Intro", "Yes", kPathCapacity));
}

bool WrennetSettings::introForSetup() const {
    return MeansYes(file_.readValue(kLast, "Intro", "No", kPathCapacity));
}

bool WrennetSettings::writeIntro(bool intro) {
    return noted(file_.writeValue(kLast, "Intro", intro ? "Yes" : "No"));
}

std::string WrennetSettings::url() const {
    return file_.readValue(kLast, "Url", programFolder_, kPathCapacity);
}

bool WrennetSettings::writeUrl(std::string_view url) {
    return noted(file_.writeValue(kLast, "Url", url));
}

std::string WrennetSettings::browser() const {
    return file_.readValue(kLast, "Browser", "xdg-open", kPathCapacity);
}

bool WrennetSettings::writeBrowser(std::string_view browser) {
    return noted(file_.writeValue(kLast, "Browser", browser));
}

std::string WrennetSettings::library() const {
    return file_.readValue(kLast, "Library", "", kPathCapacity);
}

bool WrennetSettings::writeLibrary(std::string_view path) {
    return noted(file_.writeValue(kLast, "Library", path));
}

std::string WrennetSettings::choice() const {
    return file_.readValue(kLast, "Choice", "", kChoiceCapacity);
}

bool WrennetSettings::writeChoice(std::string_view prototype) {
    return noted(file_.writeValue(kLast, "Choice", prototype));
}

std::vector<std::string> WrennetSettings::libraries() const {
    const std::string content = file_.content();
    std::vector<std::string> names = ini::ReadKeyNames(content, kLibraries, kLibraryNamesCapacity);
    const std::vector<std::string> whole = ini::ReadKeyNames(content, kLibraries, kWholeSection);
    // Only the last name read can have been cut.
    if (!names.empty() && names.back() != whole[names.size() - 1]) names.pop_back();
    return names;
}

bool WrennetSettings::addLibrary(std::string_view path) {
    return noted(file_.writeValue(kLibraries, path, "Yes"));
}

bool WrennetSettings::removeLibrary(std::string_view path) {
    return noted(file_.deleteKey(kLibraries, path));
}

// One lock for the whole rewrite, so that another running copy never sees
// the list half written. A path that cannot be stored is skipped, as its own
// write would have been, and makes the result false.
bool WrennetSettings::rewriteSection(const PathsFromContent& paths) {
    bool allStored = true;
    const bool written = file_.update([&](std::string_view content) {
        return std::optional<std::string>(
            ini::RewriteSection(content, kLibraries, paths(content), "Yes", allStored));
    });
    return noted(written) && allStored;
}

bool WrennetSettings::rewriteLibraries(const std::vector<std::string>& paths) {
    return rewriteSection([&](std::string_view) { return paths; });
}

bool WrennetSettings::dropMissingLibraries(const std::vector<std::string>& listed,
                                           const std::vector<std::string>& missing) {
    return rewriteSection([&](std::string_view content) {
        return LibrariesToKeep(ini::ReadKeyNames(content, kLibraries, kWholeSection), listed,
                               missing);
    });
}

}  // namespace wrennet
