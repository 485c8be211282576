#pragma once

#include <QCoreApplication>
#include <filesystem>
#include <memory>
#include <string>

#include "../settings/temp_folder.h"
#include "fake_platform.h"
#include "file_reader.h"
#include "popup_combo_box.h"
#include "wrennet_app.h"
#include "wrennet_dlg.h"
#include "wrennet_settings.h"

namespace wrennet::testing {

// One run of the program in a fresh program folder: the real window and
// settings file, the recording platform, the real file system.
class Session {
  public:
    Session() : platform(folder.path() + "wrennet") {}

    std::string path(const std::string& name) const { return folder.path() + name; }

    // "%F" in `bytes` stands for the program folder.
    void write(const std::string& name, std::string bytes) const {
        for (std::size_t at = bytes.find("%F"); at != std::string::npos;
             at = bytes.find("%F", at)) {
            bytes.replace(at, 2, folder.path());
        }
        std::filesystem::create_directories(std::filesystem::path(path(name)).parent_path());
        TempFolder::write(path(name), bytes);
    }
    std::string ini() const { return TempFolder::read(path("Wrennet.ini")); }
    WrennetSettings settings() const { return WrennetSettings(folder.path()); }

    WrennetDlg& start() {
        app = std::make_unique<WrennetApp>(platform, files);
        return app->startUp();
    }

    TempFolder folder;
    FakePlatform platform;
    PosixFileReader files;
    std::unique_ptr<WrennetApp> app;
};

// The user opens a combo's list, and closes it on item `index` (-1: leaves
// the selection as it is, as Escape does).
inline void OpenList(PopupComboBox& combo) { combo.showPopup(); }
inline void CloseList(PopupComboBox& combo, int index = -1) {
    combo.hidePopup();
    if (index >= 0) combo.setCurrentIndex(index);
    QCoreApplication::processEvents();
}

}  // namespace wrennet::testing
