#pragma once

#include <QApplication>
#include <string>
#include <vector>

#include "function_list_model.h"
#include "session.h"

namespace wrennet::testing {

// The user's hands on the parameter panel: the window shown and active (the
// panel works from focus changes, which only an active window gets), a
// function chosen from the list, the focus moved from control to control.

// An assembler library of functions that are their own source: each
// prototype with its "@param" lines ("a :{X,Y}"); a line given with its tag
// ("@note ...") is written as it is.
inline std::string AssemblerLibrary(
    const std::vector<std::pair<std::string, std::vector<std::string>>>& functions) {
    std::string text;
    for (const auto& [prototype, params] : functions) {
        text += "/**\n" + prototype + "\n * @brief " + prototype + " works.\n";
        for (const std::string& param : params)
            text += (param.starts_with('@') ? " * " : " * @param ") + param + "\n";
        text += " */\n; C Function prototype: " + prototype + "\n";
    }
    return text;
}

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

}  // namespace wrennet::testing
