#include "ui/help_actions.h"

#include <QKeySequence>
#include <QShortcut>

#include "platform/platform.h"
#include "settings/wrennet_settings.h"
#include "ui/setup_dlg.h"

namespace wrennet {
namespace {

constexpr const char* kIntroFile = "Wrennet.txt";
// Both below the help folder, whose name ends with its "/".
constexpr const char* kGuidePage = "wrennet/QX_P.html";
constexpr const char* kSetupPage = "QXS_B.html";
constexpr const char* kHelpLauncher = "WrennetHelp.exe";

}  // namespace

std::string CannotOpenText(const std::string& path) {
    return "Wrennet cannot open " + path +
           ".\nNo program to show it could be started: is xdg-open installed?";
}

std::string CannotStartText(const std::string& program) {
    return "Wrennet cannot start " + program + ".\nIt is missing or not executable.";
}

HelpActions::HelpActions(Platform& platform, WrennetSettings& settings, QWidget& owner)
    : platform_(platform), settings_(settings), owner_(owner) {
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), &owner);
    QObject::connect(helpKey, &QShortcut::activated, helpKey, [this] { onHelpKey(); });
}

void HelpActions::onSetup() {
    SetupFields fields{
        .browserPath = settings_.browser(),
        // The dialog presets &Details when nothing was ever chosen, while help
        // itself starts out showing the introductory text.
        .helpMode = settings_.introForSetup() ? HelpMode::Intro : HelpMode::Details,
        .helpPath = settings_.url(),
    };
    SetupDlg dialog(platform_, settings_, *this, std::move(fields), &owner_);
    if (dialog.exec() != QDialog::Accepted) return;
    const SetupFields& chosen = dialog.fields();
    // Failed writes were reported by the settings (once); help then works
    // with what the file still says.
    settings_.writeBrowser(chosen.browserPath);
    settings_.writeUrl(chosen.helpPath);
    settings_.writeIntro(chosen.helpMode == HelpMode::Intro);
}

void HelpActions::onHelpButton() {
    if (settings_.introForHelp()) return openIntro();
    const std::string url = settings_.url();
    const std::string page = url + kGuidePage;
    const std::string launcher = url + kHelpLauncher;
    // A missing guide with a missing launcher still sends the browser to the
    // guide's address: the browser says what is wrong better than we could.
    if (!platform_.fileExists(page) && platform_.fileExists(launcher)) {
        start(launcher, {});
    } else {
        start(settings_.browser(), {page});
    }
}

void HelpActions::onHelpKey() {
    if (settings_.introForHelp()) return openIntro();
    start(settings_.browser(), {settings_.url() + kGuidePage});
}

void HelpActions::onSetupHelpKey(const std::string& browserPath, const std::string& helpPath) {
    // Intro comes from the settings file, not from the dialog's radio buttons.
    if (settings_.introForHelp()) return openIntro();
    start(browserPath, {helpPath + kSetupPage});
}

void HelpActions::onHelpers(const std::string& helperPath) { start(helperPath, {}); }

void HelpActions::openIntro() {
    const std::string intro = settings_.programFolder() + kIntroFile;
    if (!platform_.openDocument(intro)) tell(CannotOpenText(intro));
}

void HelpActions::start(const std::string& program, const std::vector<std::string>& arguments) {
    if (!platform_.startDetached(program, arguments)) tell(CannotStartText(program));
}

void HelpActions::tell(const std::string& text) {
    platform_.showMessage(&owner_, text, MessageIcon::Warning, MessageButtons::Ok);
}

}  // namespace wrennet
