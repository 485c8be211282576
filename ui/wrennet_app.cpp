#include "ui/wrennet_app.h"

#include "platform/platform.h"
#include "settings/settings_location.h"
#include "settings/wrennet_settings.h"
#include "ui/help_actions.h"
#include "ui/library_check_ahead.h"
#include "ui/wrennet_dlg.h"

namespace wrennet {

std::string ProgramFolder(std::string_view executablePath) {
    const std::size_t slash = executablePath.rfind('/');
    if (slash == std::string_view::npos) return std::string();
    return std::string(executablePath.substr(0, slash + 1));
}

namespace {

std::string UnsavedMessage(const std::string& path, WrennetSettings::UnsavedCause cause) {
    if (cause == WrennetSettings::UnsavedCause::InUse) {
        return "Wrennet's settings in " + path +
               " are in use by another program.\nIt works on, but what you change is not "
               "remembered.";
    }
    return "Wrennet cannot save its settings in " + path +
           ".\nIt works on, but what you change is not remembered.";
}

}  // namespace

WrennetApp::WrennetApp(Platform& platform, const FileReader& files)
    : platform_(platform), files_(files) {}

WrennetApp::~WrennetApp() = default;

WrennetDlg& WrennetApp::startUp(const std::vector<std::string>& libraries) {
    programFolder_ = ProgramFolder(platform_.executablePath());
    settings_ = std::make_unique<WrennetSettings>(
        programFolder_,
        SettingsFolder(programFolder_, platform_.environmentVariable("XDG_CONFIG_HOME"),
                       platform_.environmentVariable("HOME")),
        [this](const std::string& path, WrennetSettings::UnsavedCause cause) {
            platform_.showMessage(window_.get(), UnsavedMessage(path, cause), MessageIcon::Warning,
                                  MessageButtons::Ok);
        });
    // Only a note for other programs; a failure was reported by the settings.
    settings_->writeAppPath();
    const std::string intro = programFolder_ + "Wrennet.txt";
    if (settings_->introAtStart() && !platform_.openDocument(intro)) {
        platform_.showMessage(nullptr, CannotOpenText(intro), MessageIcon::Warning,
                              MessageButtons::Ok);
    }
    // The library of the last session is checked while the window is built.
    LibraryCheckAhead checkAhead(files_, settings_->library(), settings_->choice());
    window_ = std::make_unique<WrennetDlg>(platform_, files_, *settings_);
    window_->setUp(checkAhead);
    for (const std::string& library : libraries) window_->addLibrary(library);
    return *window_;
}

int WrennetApp::run(const std::vector<std::string>& libraries) { return startUp(libraries).exec(); }

}  // namespace wrennet
