// Session: the program run in a folder of its own, for the window tests.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/replace_all.h"
#include "library/file_reader.h"
#include "settings/wrennet_settings.h"
#include "tests/support/fake_platform.h"
#include "tests/support/temp_folder.h"
#include "ui/click_label.h"
#include "ui/function_list_model.h"
#include "ui/mnemonic_group_box.h"
#include "ui/popup_combo_box.h"
#include "ui/source_pane.h"
#include "ui/wrennet_app.h"
#include "ui/wrennet_dlg.h"

namespace wrennet::testing {

// What the window tests and the scenario runner share: the program run in a
// folder of its own, and the user's hands on the window.

// One run of the program in a fresh program folder: the real window and
// settings file, the recording platform, the real file system.
class Session {
  public:
    // `program`: the executable's path in the folder.
    explicit Session(const std::string& program = "wrennet") : platform(folder.path() + program) {}

    std::string path(const std::string& name) const { return folder.path() + name; }
    // "%F" in `bytes` stands for the program folder.
    void write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(path(name)).parent_path());
        TempFolder::write(path(name), ReplaceAll(bytes, "%F", folder.path()));
    }
    std::string ini() const { return TempFolder::read(path("Wrennet.ini")); }

    // `ini` becomes the settings file first; "-" leaves the file as it is.
    // `libraries` are named as on the command line.
    WrennetDlg& start(const std::string& ini = "-",
                      const std::vector<std::string>& libraries = {}) {
        if (ini != "-") write("Wrennet.ini", ini);
        app = std::make_unique<WrennetApp>(platform, files);
        return app->startUp(libraries);
    }

    TempFolder folder;
    FakePlatform platform;
    PosixFileReader files;
    std::unique_ptr<WrennetApp> app;
};

// The window on the screen, as the user sees it.
inline WrennetDlg& Shown(WrennetDlg& window) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) qFatal("the window never showed");
    return window;
}

// Active as well: the panel works from focus changes, which only an active window gets.
inline void Activate(WrennetDlg& window) {
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window, 20000)) qFatal("the window never became active");
}

// A start on `library` (a path in the session's folder, or absolute), shown and active.
inline WrennetDlg& StartActive(Session& session, const std::string& library) {
    const std::string path = library.starts_with('/') ? library : "%F" + library;
    WrennetDlg& window = Shown(
        session.start("[Last]\nIntro=No\nLibrary=" + path + "\n[Libraries]\n" + path + "=Yes\n"));
    Activate(window);
    return window;
}

// The user closes an open list on item `index` (-1: leaves the selection as
// it is, as Escape does).
inline void CloseList(PopupComboBox& combo, int index = -1) {
    combo.hidePopup();
    if (index >= 0) combo.setCurrentIndex(index);
    QCoreApplication::processEvents();
}

// Opens the function list and closes it on `prototype`; false when it is not listed.
inline bool Choose(WrennetDlg& window, const std::string& prototype) {
    PopupComboBox& functions = *window.controls().functionCombo;
    functions.setFocus(Qt::MouseFocusReason);
    functions.showPopup();
    const auto& entries = window.controls().functionModel->entries();
    int index = -1;
    for (std::size_t i = 0; i < entries.size() && index < 0; ++i) {
        if (entries[i] == prototype) index = static_cast<int>(i);
    }
    CloseList(functions, index);
    // The list was a window of its own: the main window takes the focus back.
    Activate(window);
    return index >= 0;
}

inline void Focus(QWidget* control) {
    control->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
}

// An assembler library of functions that are their own source: each
// prototype with its "@param" lines ("a :{X,Y}").
inline std::string AssemblerLibrary(
    const std::vector<std::pair<std::string, std::vector<std::string>>>& functions) {
    std::string text;
    for (const auto& [prototype, params] : functions) {
        text += "/**\n" + prototype + "\n * @brief " + prototype + " works.\n";
        for (const std::string& param : params) text += " * @param " + param + "\n";
        text += " */\n; C Function prototype: " + prototype + "\n";
    }
    return text;
}

}  // namespace wrennet::testing
