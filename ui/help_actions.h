// HelpActions: the window's help, Setup and helper buttons.
#pragma once

#include <string>
#include <vector>

class QWidget;

namespace wrennet {

class Platform;
class WrennetSettings;

// What the user is told when the desktop has no program to open `path` with
// (no xdg-open), and when `program` cannot be started (missing, or not
// executable).
std::string CannotOpenText(const std::string& path);
std::string CannotStartText(const std::string& program);

// The window's help and helper buttons. Every request reads the settings
// afresh and ends in starting one outside program: the desktop's viewer for
// the introductory text, the browser with a help page, the help launcher or
// the current function's helper. Nothing waits for it; a program that cannot
// be started at all is told in one message, so that a click never just does
// nothing.
class HelpActions {
  public:
    // Binds the F1 key of `owner` (the main window) to onHelpKey().
    HelpActions(Platform& platform, WrennetSettings& settings, QWidget& owner);

    // Setu&p: the Setup dialog preset from the settings; OK writes its three
    // fields back, Cancel nothing (leaving its help path field writes that).
    void onSetup();
    // F1=&Help: the introductory text, else the guide in the browser, or the
    // help launcher when the guide is missing and the launcher is there.
    void onHelpButton();
    // The F1 key of the main window: as F1=&Help, but the guide's page is not
    // looked for, so the browser always gets it.
    void onHelpKey();
    // The F1 key of the Setup dialog, with the browser and help folder as its
    // fields hold them before OK.
    void onSetupHelpKey(const std::string& browserPath, const std::string& helpPath);
    // &Helpers: the current function's helper, started without a parameter.
    void onHelpers(const std::string& helperPath);

  private:
    void openIntro();
    void start(const std::string& program, const std::vector<std::string>& arguments);
    void tell(const std::string& text);

    Platform& platform_;
    WrennetSettings& settings_;
    QWidget& owner_;
};

}  // namespace wrennet
