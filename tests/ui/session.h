#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include "../settings/temp_folder.h"
#include "click_label.h"
#include "fake_platform.h"
#include "file_reader.h"
#include "mnemonic_group_box.h"
#include "popup_combo_box.h"
#include "source_pane.h"
#include "wrennet_app.h"
#include "wrennet_dlg.h"
#include "wrennet_settings.h"

namespace wrennet::testing {

// What the window tests share: the widgets they look at, and the program run
// in a folder of its own.

// One run of the program in a fresh program folder: the real window and
// settings file, the recording platform, the real file system.
class Session {
  public:
    Session() : platform(folder.path() + "wrennet") {}

    std::string path(const std::string& name) const { return folder.path() + name; }
    // "%F" in `text` stands for the program folder.
    std::string inFolder(std::string text) const {
        for (auto at = text.find("%F"); at != std::string::npos; at = text.find("%F", at)) {
            text.replace(at, 2, folder.path());
        }
        return text;
    }
    QStringList inFolder(QStringList texts) const {
        for (QString& text : texts) text = QString::fromStdString(inFolder(text.toStdString()));
        return texts;
    }

    void write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(path(name)).parent_path());
        TempFolder::write(path(name), inFolder(bytes));
    }
    std::string ini() const { return TempFolder::read(path("Wrennet.ini")); }
    WrennetSettings settings() const { return WrennetSettings(folder.path()); }
    QStringList libraries() const {
        QStringList listed;
        for (const std::string& library : settings().libraries()) {
            listed << QString::fromStdString(library);
        }
        return listed;
    }

    // `ini` becomes the settings file first; "-" leaves the file as it is.
    WrennetDlg& start(const std::string& ini = "-") {
        if (ini != "-") write("Wrennet.ini", ini);
        app = std::make_unique<WrennetApp>(platform, files);
        return app->startUp();
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

// The user closes an open list on item `index` (-1: leaves the selection as
// it is, as Escape does); Pick opens the list first.
inline void CloseList(PopupComboBox& combo, int index = -1) {
    combo.hidePopup();
    if (index >= 0) combo.setCurrentIndex(index);
    QCoreApplication::processEvents();
}
inline void Pick(PopupComboBox& combo, int index) {
    combo.showPopup();
    CloseList(combo, index);
}

// The rows of a data-driven test, each under its name.
template <typename Row>
void AddRows(std::initializer_list<std::pair<const char*, Row>> rows) {
    QTest::addColumn<Row>("row");
    for (const auto& [name, row] : rows) QTest::newRow(name) << row;
}

inline bool Holds(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace wrennet::testing
