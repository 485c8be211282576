// LibraryList: the known libraries, in the library combo and the settings.
#pragma once

#include <optional>
#include <string>

class QComboBox;
class QWidget;

namespace wrennet {

class Platform;
class WrennetSettings;

// The list of known libraries: the library combo's entries (sorted without
// regard to letter case, each keeping the path's own bytes), their persistent
// copy in [Libraries] and the current library in [Last] Library. Every change
// is written at the moment it is made.
class LibraryList {
  public:
    LibraryList(QComboBox& combo, WrennetSettings& settings, Platform& platform,
                QWidget& messageParent);

    // The start-up load: keeps the listed libraries that still exist (one stop
    // message per missing one, in file order), writes the kept list back, and
    // selects [Last] Library or else the first entry. The selected index + 1,
    // or 0 for an empty list.
    int load();

    // The current library's path, or nothing when no entry is selected.
    std::optional<std::string> selected() const;
    int count() const;
    std::string entry(int index) const;

    // Runs the file dialog of &Add from the current library, [Last] Library or
    // the default name; the chosen path, or nothing when the user cancels.
    std::optional<std::string> browse();
    // Lists `path` (a second time if it is listed already), selects it and
    // remembers it.
    void addAndSelect(const std::string& path);
    // Asks whether to remove the current library; on Yes removes it and, when
    // entries remain, selects and remembers the first. Returns the library
    // that became current, if any.
    std::optional<std::string> unlistSelected();
    // The list closed: the selected entry is listed and remembered again and
    // becomes current (even when the selection did not change).
    std::optional<std::string> chooseSelected();

  private:
    int insertSorted(const std::string& path);

    QComboBox& combo_;
    WrennetSettings& settings_;
    Platform& platform_;
    QWidget& messageParent_;
};

}  // namespace wrennet
