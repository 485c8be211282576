#include "ui/library_list.h"

#include <QCollator>
#include <QComboBox>
#include <QVariant>

#include "common/ascii_case.h"
#include "platform/path_text.h"
#include "platform/platform.h"
#include "settings/ini_text.h"
#include "settings/wrennet_settings.h"
#include "ui/shown_text.h"

namespace wrennet {
namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr std::size_t kDialogPathLimit = 260;
constexpr const char* kDefaultLibraryName = "LibZet4410.s79";

// Where the dialog opens: the folder of an absolute start path (up to its last
// "/"); a bare name is used whole.
std::string StartFolder(const std::string& startPath) {
    if (startPath.empty() || startPath.front() != '/') return startPath;
    return startPath.substr(0, startPath.rfind('/') + 1);
}

}  // namespace

LibraryList::LibraryList(QComboBox& combo, WrennetSettings& settings, Platform& platform,
                         QWidget& messageParent)
    : combo_(combo), settings_(settings), platform_(platform), messageParent_(messageParent) {}

int LibraryList::load() {
    combo_.clear();
    std::vector<std::string> missing;
    for (const std::string& name : settings_.libraries()) {
        if (platform_.fileExists(name)) {
            insertSorted(name);
        } else {
            missing.push_back(name);
            platform_.showMessage(&messageParent_,
                                  "Library " + name + " not available.\nWill be removed from list.",
                                  MessageIcon::Stop, MessageButtons::Ok);
        }
    }
    std::vector<std::string> kept;
    for (int i = 0; i < count(); ++i) kept.push_back(entry(i));
    // Another running copy may have changed the list while a message was up:
    // only the names found missing leave the file. A path the file cannot hold
    // stays listed for this session only; a failure on disk was reported by
    // the settings. The window goes on either way.
    settings_.dropMissingLibraries(kept, missing);

    const std::string remembered = settings_.library();
    int found = -1;
    for (int i = 0; i < count() && found < 0; ++i) {
        if (EqualIgnoringAsciiCase(entry(i), remembered)) found = i;
    }
    if (found < 0 && count() > 0) {
        found = 0;
        settings_.writeLibrary(entry(0));
    }
    combo_.setCurrentIndex(found);
    return found + 1;
}

std::optional<std::string> LibraryList::selected() const {
    const int index = combo_.currentIndex();
    if (index < 0) return std::nullopt;
    return entry(index);
}

int LibraryList::count() const { return combo_.count(); }

std::string LibraryList::entry(int index) const {
    return combo_.itemData(index, kPathRole).toByteArray().toStdString();
}

std::optional<std::string> LibraryList::browse() {
    std::string startPath = selected().value_or(std::string());
    if (startPath.empty()) startPath = settings_.library();
    // The dialog holds its start path as text; bytes that are no text would
    // come back as a path that does not exist, so it starts where it does when
    // nothing is remembered.
    if (startPath.empty() || !PathSurvivesText(startPath)) {
        startPath = settings_.programFolder() + kDefaultLibraryName;
    }

    FileDialogRequest request;
    request.title = "Select Library Source";
    request.filters = {{" Header(*.h)", "*.h"}, {" Library(*.s)", "*.s"}, {" All(*.*)", "*.*"}};
    if (startPath.size() >= kDialogPathLimit) {
        platform_.showMessage(&messageParent_, "Drive:\\Path\\File too long!", MessageIcon::Warning,
                              MessageButtons::Ok);
    } else {
        request.startFileName = startPath;
    }
    request.startFolder = StartFolder(startPath);
    return platform_.chooseFile(&messageParent_, request);
}

void LibraryList::addAndSelect(const std::string& path) {
    combo_.setCurrentIndex(insertSorted(path));
    // Failures on disk were reported by the settings; a path the file cannot
    // hold is told below.
    settings_.addLibrary(path);
    settings_.writeLibrary(path);
    // The settings file names each library by a key, and a key cannot hold
    // some paths (an "=" among them); such a library would be gone at the
    // next start without a word.
    if (!ini::WriteValue("", "Libraries", path, "Yes")) {
        platform_.showMessage(&messageParent_,
                              "Library " + path +
                                  " cannot be remembered: the settings file cannot hold its "
                                  "path.\nIt stays listed until Wrennet ends.",
                              MessageIcon::Warning, MessageButtons::Ok);
    }
}

std::optional<std::string> LibraryList::unlistSelected() {
    const int index = combo_.currentIndex();
    if (index < 0) return std::nullopt;
    const std::string path = entry(index);
    const MessageAnswer answer =
        platform_.showMessage(&messageParent_, "Do you wish to remove access to\n" + path + " ?",
                              MessageIcon::Question, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes) return std::nullopt;
    // The list shown is what counts for this session; a failure on disk was
    // reported by the settings.
    settings_.removeLibrary(path);
    combo_.removeItem(index);
    if (count() == 0) return std::nullopt;
    combo_.setCurrentIndex(0);
    settings_.writeLibrary(entry(0));
    return entry(0);
}

std::optional<std::string> LibraryList::chooseSelected() {
    std::optional<std::string> path = selected();
    if (!path) return std::nullopt;
    // As for &Add: the settings report a failure on disk themselves.
    settings_.addLibrary(*path);
    settings_.writeLibrary(*path);
    return path;
}

int LibraryList::insertSorted(const std::string& path) {
    // Sorted without regard to letter case, as the user's locale orders text;
    // a path equal to existing ones goes after them.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const QString shown = ToShownText(path);
    int position = count();
    for (int i = 0; i < count(); ++i) {
        if (collator.compare(shown, combo_.itemText(i)) < 0) {
            position = i;
            break;
        }
    }
    combo_.insertItem(position, shown, QByteArray::fromStdString(path));
    return position;
}

}  // namespace wrennet
