#include "ui/wrennet_dlg.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFontDatabase>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>
#include <future>

#include "common/start_async.h"
#include "library/call_text.h"
#include "library/last_choice.h"
#include "library/scanner.h"
#include "library/source_lookup.h"
#include "platform/platform.h"
#include "settings/wrennet_settings.h"
#include "ui/about_dlg.h"
#include "ui/click_label.h"
#include "ui/function_list_model.h"
#include "ui/popup_combo_box.h"
#include "ui/resources.h"
#include "ui/shown_text.h"
#include "ui/source_pane.h"

namespace wrennet {
namespace {

// The &Helpers button is as wide as a helper's name needs, in plain pixels.
constexpr int kHelpersWidth = 88;
constexpr int kHelpersHeight = 23;
// What "#&Inc" copies of the start-up library path.
constexpr std::size_t kLibraryPathCopied = 98;

// The local files among dropped items, as the paths the core opens.
std::vector<std::string> DroppedFiles(const QMimeData& data) {
    std::vector<std::string> paths;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile()) paths.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    }
    return paths;
}

}  // namespace

WrennetDlg::WrennetDlg(Platform& platform, const FileReader& files, WrennetSettings& settings,
                       QWidget* parent)
    : QDialog(parent),
      platform_(platform),
      files_(files),
      settings_(settings),
      units_(DialogUnits::ForFont(font())),
      controls_(BuildMainWindowControls(*this, units_,
                                        QFontDatabase::systemFont(QFontDatabase::FixedFont))),
      libraries_(*controls_.libraryCombo, settings, platform, *this),
      navigator_(*controls_.sourcePane),
      panel_(controls_, *this, platform, *this, units_),
      help_(platform, settings, *this),
      finder_(*controls_.functionCombo, *controls_.functionModel) {
    LoadResources();
    setObjectName(QStringLiteral("WrennetDlg"));
    setWindowTitle(QStringLiteral("Wrennet"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/wrennet.png")));
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(units_.x(kMainWindowWidth), units_.y(kMainWindowHeight));
    setAcceptDrops(true);
    controls_.wrennetButton->setIcon(QIcon(QStringLiteral(":/icons/wrennet_button.png")));
    auto* about = new QShortcut(QKeySequence(QStringLiteral("Ctrl+?")), this);
    connect(about, &QShortcut::activated, this, &WrennetDlg::showAbout);
    connectHandlers();
}

void WrennetDlg::connectHandlers() {
    const MainWindowControls& c = controls_;
    connect(c.functionCombo, &PopupComboBox::popupAboutToShow, this,
            &WrennetDlg::onFunctionDropDown);
    connect(c.functionCombo, &PopupComboBox::popupClosed, this, &WrennetDlg::onFunctionCloseUp);
    connect(c.libraryCombo, &PopupComboBox::popupClosed, this, &WrennetDlg::onLibraryCloseUp);
    connect(c.showButton, &QPushButton::clicked, this, &WrennetDlg::showLibrary);
    connect(c.addButton, &QPushButton::clicked, this, &WrennetDlg::onAddLibrary);
    connect(c.unlistButton, &QPushButton::clicked, this, &WrennetDlg::onUnlistLibrary);
    for (int slot = 1; slot <= kMaxSlots; ++slot) {
        connect(c.nameLabels[static_cast<std::size_t>(slot - 1)], &ClickLabel::clicked, this,
                [this, slot] { goToParameter(slot); });
    }
    connect(c.functionLabel, &ClickLabel::clicked, this, &WrennetDlg::goToDeclaration);
    connect(c.sourcePane, &SourcePane::copyRequested, this,
            [this](const QString& text) { platform_.setClipboardText(FromTypedText(text)); });
    connect(c.copyButton, &QPushButton::clicked, this, &WrennetDlg::copyFunctionText);
    connect(c.incButton, &QPushButton::clicked, this, &WrennetDlg::copyLibraryPath);
    connect(c.helpButton, &QPushButton::clicked, this, [this] {
        closeChoiceLists(0);
        help_.onHelpButton();
    });
    connect(c.setupButton, &QPushButton::clicked, this, [this] {
        closeChoiceLists(0);
        help_.onSetup();
    });
    connect(c.helpersButton, &QPushButton::clicked, this, [this] {
        if (helperPath_) help_.onHelpers(*helperPath_);
    });
    connect(c.exitButton, &QPushButton::clicked, this, [this] {
        takeControlValues();
        done(1);
    });
}

void WrennetDlg::setUp(LibraryCheckAhead& checkAhead) {
    showFieldValues();
    helperPath_.reset();
    if (libraries_.load() != 0) {
        startUpLibraryPath_ = libraries_.selected().value_or(std::string());
        // The pane's copy of the library is read while its functions are
        // checked: both only read the same file, and the check's messages
        // still come first.
        std::future<PaneLibrary> library =
            StartAsync([this] { return ReadForPane(files_, startUpLibraryPath_); });
        if (showCheck(checkAhead.take(startUpLibraryPath_, settings_.choice()))) {
            setPaneText({});
            showPaneLibrary(library.get());
        }
    }
    showFieldValues();
    panel_.measure();
    controls_.unlistButton->setFocus(Qt::OtherFocusReason);
}

void WrennetDlg::takeControlValues() {
    functionIndex_ = controls_.functionCombo->currentIndex();
    libraryIndex_ = controls_.libraryCombo->currentIndex();
    panel_.takeEntries();
}

void WrennetDlg::showFieldValues() {
    const int functions = controls_.functionCombo->count();
    controls_.functionCombo->setCurrentIndex(functionIndex_ < functions ? functionIndex_ : -1);
    const int libraries = controls_.libraryCombo->count();
    controls_.libraryCombo->setCurrentIndex(libraryIndex_ < libraries ? libraryIndex_ : -1);
    if (paneTextWaiting_) {
        controls_.sourcePane->setText(std::move(paneText_));
        paneText_ = PaneText();
        paneTextWaiting_ = false;
    }
    panel_.showEntries();
    controls_.typeLabel->setText(ToShownText(returnType_));
    controls_.functionLabel->setText(ToShownText(functionName_));
}

int WrennetDlg::scanLibrary(const std::string& path) {
    FunctionListModel& model = *controls_.functionModel;
    model.clear();
    ScanResult scan = ScanLibraryFile(files_, path);
    showMessages(scan.messages);
    int position = 0;
    if (scan.opened && !scan.entries.empty()) {
        const LastChoiceSelection selection = RestoreLastChoice(scan.entries, settings_.choice());
        model.setEntries(std::move(scan.entries));
        controls_.functionCombo->setCurrentIndex(
            selection.index ? static_cast<int>(*selection.index) : -1);
        // A failed write was reported by the settings; the selection stands.
        if (selection.rewriteChoice) {
            settings_.writeChoice(model.entries()[*selection.index]);
        }
        position = selection.position();
    }
    takeControlValues();
    return position;
}

bool WrennetDlg::checkLibrary(const std::string& path) {
    return showCheck(CheckLibraryFile(files_, path, settings_.choice()));
}

bool WrennetDlg::showCheck(const LibraryCheck& check) {
    controls_.functionModel->clear();
    showMessages(check.messages);
    // A failed write was reported by the settings.
    if (check.choiceToRewrite) settings_.writeChoice(*check.choiceToRewrite);
    takeControlValues();
    return check.opened && check.listsFunctions;
}

void WrennetDlg::showLibrary() {
    setPaneText({});
    showPaneLibrary(ReadForPane(files_, libraries_.selected().value_or(std::string())));
}

void WrennetDlg::showPaneLibrary(PaneLibrary library) {
    showMessages(library.messages);
    setPaneText(std::move(library.text));
    showFieldValues();
}

void WrennetDlg::onFunctionDropDown() {
    const std::optional<std::string> library = libraries_.selected();
    if (library) {
        showFieldValues();
        if (scanLibrary(*library) != 0) {
            const std::string first(controls_.functionModel->entries().front());
            // The whole library would be replaced in the pane at once by the
            // first function's text; what is left of showing it is its message
            // when the file can no longer be read.
            if (files_.open(*library) == nullptr) {
                showMessages({{"Could not find source " + *library, MessageIcon::Warning}});
            }
            lookUpSource(ToSourceName(*library), first, nullptr);
        }
    }
    showFieldValues();
}

void WrennetDlg::onFunctionCloseUp() {
    takeControlValues();
    const std::optional<std::string> library = libraries_.selected();
    if (library) {
        std::string path = *library;
        setPaneText({});
        const auto& entries = controls_.functionModel->entries();
        if (functionIndex_ >= 0 && functionIndex_ < static_cast<int>(entries.size())) {
            const std::string prototype(entries[static_cast<std::size_t>(functionIndex_)]);
            // A failed write was reported by the settings; the choice stands.
            settings_.writeChoice(prototype);
            const bool found = lookUpSource(ToSourceName(path), prototype, &path);
            FunctionDetails details = ReadParamChoices(files_, path, prototype, found);
            showMessages(details.messages);
            storeDetails(std::move(details));
        }
        placeHelpersButton(LocateHelper(files_, path, helperName_));
    }
    showFieldValues();
}

bool WrennetDlg::lookUpSource(const std::string& sourcePath, const std::string& prototype,
                              std::string* triedPath) {
    SourceLookup lookup = FindFunctionSource(files_, sourcePath, prototype);
    showMessages(lookup.messages);
    setPaneText(PaneText(std::move(lookup.paneText)));
    showFieldValues();
    if (triedPath != nullptr) *triedPath = std::move(lookup.path);
    return lookup.found;
}

void WrennetDlg::storeDetails(FunctionDetails details) {
    returnType_ = std::move(details.returnType);
    functionName_ = std::move(details.functionName);
    helperName_ = std::move(details.helperName);
    panel_.layOut(std::move(details.slots));
}

void WrennetDlg::placeHelpersButton(const HelperLocation& location) {
    QPushButton& helpers = *controls_.helpersButton;
    switch (location.outcome) {
        case HelperLocation::Outcome::Found:
            helperPath_ = location.path;
            helpers.setGeometry(QRect(panel_.geometry().helpersHome,
                                      units_.scaledPixels(kHelpersWidth, kHelpersHeight)));
            helpers.setText(ToShownText(ShownHelperName(helperName_)));
            helpers.show();
            break;
        case HelperLocation::Outcome::None:
            helperPath_.reset();
            helpers.hide();
            break;
        case HelperLocation::Outcome::Unchanged:
            break;
    }
}

void WrennetDlg::onAddLibrary() {
    takeControlValues();
    closeChoiceLists(0);
    if (const std::optional<std::string> path = libraries_.browse()) {
        libraries_.addAndSelect(*path);
        afterLibraryChange(*path);
    }
    showFieldValues();
}

void WrennetDlg::addLibrary(const std::string& path) {
    takeControlValues();
    closeChoiceLists(0);
    // The file dialog of &Add offers only files that are there; a name from
    // outside may not be.
    if (!platform_.fileExists(path)) {
        showMessages({{"Library " + path + " not available.", MessageIcon::Stop}});
    } else {
        libraries_.addAndSelect(path);
        afterLibraryChange(path);
    }
    showFieldValues();
}

void WrennetDlg::onUnlistLibrary() {
    closeChoiceLists(0);
    if (const std::optional<std::string> next = libraries_.unlistSelected()) {
        afterLibraryChange(*next);
    }
    showFieldValues();
}

void WrennetDlg::onLibraryCloseUp() {
    if (const std::optional<std::string> path = libraries_.chooseSelected()) {
        afterLibraryChange(*path);
    }
    showFieldValues();
}

void WrennetDlg::afterLibraryChange(const std::string& path) {
    if (checkLibrary(path)) showLibrary();
}

void WrennetDlg::copyFunctionText() {
    takeControlValues();
    closeChoiceLists(0);
    const CallText call = ComposeCallText(functionName_, panel_.valuesForCopy());
    showMessages(call.messages);
    platform_.setClipboardText(call.text);
}

void WrennetDlg::copyLibraryPath() {
    takeControlValues();
    platform_.setClipboardText(startUpLibraryPath_.substr(0, kLibraryPathCopied));
}

void WrennetDlg::goToParameter(int slot) {
    if (slot < 1 || slot > kMaxSlots) return;
    navigator_.goToParameter(paneText(), paramChoices()[static_cast<std::size_t>(slot - 1)].name);
}

void WrennetDlg::goToDeclaration() {
    navigator_.goToDeclaration(paneText(), returnType_, functionName_);
}

void WrennetDlg::showAbout() {
    AboutDlg about(this);
    about.exec();
}

void WrennetDlg::showMessages(const Messages& messages) { panel_.showMessages(messages); }

void WrennetDlg::setPaneText(PaneText text) {
    paneText_ = std::move(text);
    paneTextWaiting_ = true;
}

const std::string& WrennetDlg::paneText() const {
    return paneTextWaiting_ ? paneText_.bytes() : controls_.sourcePane->text();
}

void WrennetDlg::closeEvent(QCloseEvent* event) {
    // Closing the window keeps the fields as they are: no transfer from the controls.
    done(1);
    event->accept();
}

void WrennetDlg::keyPressEvent(QKeyEvent* event) {
    // Escape closes an open list and otherwise does nothing: a stray Escape
    // must not end the window and the work in it. The drop-down lists close
    // themselves; a parameter's choice list is left as a click elsewhere
    // leaves it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        for (const QListWidget* list : controls_.choiceLists) {
            if (list->hasFocus()) closeChoiceLists(0);
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void WrennetDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFiles(*event->mimeData()).empty()) event->acceptProposedAction();
}

void WrennetDlg::dropEvent(QDropEvent* event) {
    const std::vector<std::string> paths = DroppedFiles(*event->mimeData());
    if (paths.empty()) return;
    event->acceptProposedAction();
    for (const std::string& path : paths) addLibrary(path);
}

void WrennetDlg::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addAction(QStringLiteral("&About Wrennet..."), this, &WrennetDlg::showAbout);
    menu.exec(event->globalPos());
}

}  // namespace wrennet
