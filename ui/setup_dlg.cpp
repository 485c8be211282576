#include "ui/setup_dlg.h"

#include <QFocusEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>

#include "platform/platform.h"
#include "settings/wrennet_settings.h"
#include "ui/control_table.h"
#include "ui/dialog_units.h"
#include "ui/help_actions.h"
#include "ui/mnemonic_group_box.h"
#include "ui/shown_text.h"

namespace wrennet {
namespace {

constexpr int kWidth = 207;
constexpr int kHeight = 130;

using enum ControlKind;

// The dialog's layout, in tab order.
constexpr ControlRow kRows[] = {
    {Label, "browserLabel", "&Browser - full path, name and extension", {5, 15, 124, 8}},
    {TextEdit, "browserEdit", "", {5, 25, 195, 15}},
    {Label, "helpPathLabel", "Help &Path", {5, 50, 32, 8}},
    {TextEdit, "helpPathEdit", "", {5, 60, 195, 15}},
    {Group, "helpGroup", "&Help", {5, 85, 65, 40}},
    {RadioButton, "introRadio", "&Intro", {20, 95, 30, 10}},
    {RadioButton, "detailsRadio", "&Details", {20, 110, 37, 10}},
    {Button, "cancelButton", "&Cancel", {165, 85, 35, 15}},
    {Button, "okButton", "OK", {165, 110, 35, 15}},
    {Button, "helpPathBrowseButton", "Browse", {165, 45, 35, 15}},
    {Button, "browserBrowseButton", "Browse", {165, 10, 35, 15}},
};

SetupControls BuildSetupControls(QDialog& dialog, const DialogUnits& units) {
    CreateControls(dialog, units, dialog.font(), kRows);
    SetupControls c{
        .browserLabel = ControlNamed<QLabel>(dialog, "browserLabel"),
        .browserEdit = ControlNamed<QLineEdit>(dialog, "browserEdit"),
        .helpPathLabel = ControlNamed<QLabel>(dialog, "helpPathLabel"),
        .helpPathEdit = ControlNamed<QLineEdit>(dialog, "helpPathEdit"),
        .helpGroup = ControlNamed<MnemonicGroupBox>(dialog, "helpGroup"),
        .introRadio = ControlNamed<QRadioButton>(dialog, "introRadio"),
        .detailsRadio = ControlNamed<QRadioButton>(dialog, "detailsRadio"),
        .cancelButton = ControlNamed<QPushButton>(dialog, "cancelButton"),
        .okButton = ControlNamed<QPushButton>(dialog, "okButton"),
        .helpPathBrowseButton = ControlNamed<QPushButton>(dialog, "helpPathBrowseButton"),
        .browserBrowseButton = ControlNamed<QPushButton>(dialog, "browserBrowseButton"),
    };
    c.browserLabel->setBuddy(c.browserEdit);
    c.helpPathLabel->setBuddy(c.helpPathEdit);
    c.okButton->setDefault(true);
    return c;
}

bool IsAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

}  // namespace

SetupDlg::SetupDlg(Platform& platform, WrennetSettings& settings, HelpActions& help,
                   SetupFields fields, QWidget* parent)
    : QDialog(parent),
      platform_(platform),
      settings_(settings),
      help_(help),
      fields_(std::move(fields)),
      controls_(BuildSetupControls(*this, DialogUnits::ForFont(font()))) {
    setObjectName(QStringLiteral("SetupDlg"));
    setWindowTitle(QStringLiteral("Setup"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const DialogUnits units = DialogUnits::ForFont(font());
    setFixedSize(units.x(kWidth), units.y(kHeight));

    const SetupControls& c = controls_;
    c.helpPathEdit->installEventFilter(this);
    connect(c.okButton, &QPushButton::clicked, this, &SetupDlg::accept);
    connect(c.cancelButton, &QPushButton::clicked, this, &SetupDlg::reject);
    connect(c.browserBrowseButton, &QPushButton::clicked, this, &SetupDlg::onBrowseBrowser);
    connect(c.helpPathBrowseButton, &QPushButton::clicked, this, &SetupDlg::onBrowseHelpPath);
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(helpKey, &QShortcut::activated, this, &SetupDlg::onSetupHelpKey);
    showFieldValues();
}

// Qt may hand the edit a last focus-out while the dialog is taken apart,
// when the dialog itself is already gone.
SetupDlg::~SetupDlg() { controls_.helpPathEdit->removeEventFilter(this); }

void SetupDlg::takeControlValues() {
    // Only text the user changed is taken back, so bytes that are not UTF-8
    // survive a round trip through the edits.
    const auto take = [](const QLineEdit& edit, std::string& field) {
        if (edit.text() != ToShownText(field)) field = FromTypedText(edit.text());
    };
    take(*controls_.browserEdit, fields_.browserPath);
    take(*controls_.helpPathEdit, fields_.helpPath);
    fields_.helpMode = controls_.introRadio->isChecked()     ? std::optional(HelpMode::Intro)
                       : controls_.detailsRadio->isChecked() ? std::optional(HelpMode::Details)
                                                             : std::nullopt;
}

void SetupDlg::showFieldValues() {
    controls_.browserEdit->setText(ToShownText(fields_.browserPath));
    controls_.helpPathEdit->setText(ToShownText(fields_.helpPath));
    // Radio buttons that exclude each other cannot be cleared one by one.
    for (QRadioButton* radio : {controls_.introRadio, controls_.detailsRadio}) {
        radio->setAutoExclusive(false);
    }
    controls_.introRadio->setChecked(fields_.helpMode == HelpMode::Intro);
    controls_.detailsRadio->setChecked(fields_.helpMode == HelpMode::Details);
    for (QRadioButton* radio : {controls_.introRadio, controls_.detailsRadio}) {
        radio->setAutoExclusive(true);
    }
}

void SetupDlg::onHelpPathLeave() {
    takeControlValues();
    if (fields_.helpPath.empty() || fields_.helpPath.back() != '/') fields_.helpPath += '/';
    // A failed write was reported by the settings; the field keeps the path.
    settings_.writeUrl(fields_.helpPath);
    showFieldValues();
}

void SetupDlg::onBrowseBrowser() {
    takeControlValues();
    const std::string& path = fields_.browserPath;
    FileDialogRequest request{
        .title = "Select Browser",
        .filters = {{"Browser(*.exe)", "*.exe"}, {" All(*.*)", "*.*"}},
        // An absolute path opens in its folder; a bare name such as
        // "xdg-open" is handed over whole.
        .startFolder = IsAbsolute(path) ? path.substr(0, path.rfind('/')) : path,
        .startFileName = (!path.empty() && path.back() != '/') ? path : std::string(),
    };
    if (std::optional<std::string> chosen = platform_.chooseFile(this, request)) {
        fields_.browserPath = *chosen;
    }
    showFieldValues();
}

void SetupDlg::onBrowseHelpPath() {
    takeControlValues();
    const std::string start = IsAbsolute(fields_.helpPath) ? fields_.helpPath : "/";
    FileDialogRequest request{
        .title = "Help Parent",
        .filters = {{"Help(*.html)", "*.html"}, {" All(*.*)", "*.*"}},
        .startFolder = start,
        .startFileName = start.back() == '/' ? start + "QX_P.html" : std::string(),
    };
    if (std::optional<std::string> chosen = platform_.chooseFile(this, request)) {
        // Any file chosen names its folder: the help folder is what we keep.
        std::string path = std::move(*chosen);
        if (IsAbsolute(path)) path.erase(path.rfind('/') + 1);
        fields_.helpPath = std::move(path);
    }
    showFieldValues();
}

void SetupDlg::onSetupHelpKey() {
    takeControlValues();
    help_.onSetupHelpKey(fields_.browserPath, fields_.helpPath);
}

void SetupDlg::accept() {
    takeControlValues();
    QDialog::accept();
}

bool SetupDlg::eventFilter(QObject* watched, QEvent* event) {
    // A context menu over the edit borrows the focus without the user leaving it.
    if (watched == controls_.helpPathEdit && event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        onHelpPathLeave();
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace wrennet
