// WrennetDlg: the main window.
#pragma once

#include <QDialog>
#include <QPoint>
#include <array>
#include <optional>
#include <string>

#include "library/file_reader.h"
#include "library/message.h"
#include "library/param_choices.h"
#include "ui/dialog_units.h"
#include "ui/function_finder.h"
#include "ui/help_actions.h"
#include "ui/library_check_ahead.h"
#include "ui/library_list.h"
#include "ui/main_window_controls.h"
#include "ui/pane_library.h"
#include "ui/pane_navigator.h"
#include "ui/pane_text.h"
#include "ui/parameter_panel.h"

namespace wrennet {

class Platform;
class WrennetSettings;
struct HelperLocation;

// The main window. It owns the run-time state as plain fields and keeps them
// in step with the controls through the data exchange: takeControlValues()
// copies the controls into the fields, showFieldValues() the fields into the
// controls. Its handlers answer the controls' signals; tests and benchmarks
// reach them the way the user does, through the controls.
class WrennetDlg final : public QDialog, private ParameterPanel::Host {
    Q_OBJECT
  public:
    WrennetDlg(Platform& platform, const FileReader& files, WrennetSettings& settings,
               QWidget* parent = nullptr);

    // Loads and checks the library list, checks and shows the current library
    // (taking the check made ahead when it is of that library). Runs once,
    // before the window is shown: its messages come first. The library is read
    // for the pane on a second thread meanwhile, so `files` must open files
    // from two threads at once.
    void setUp(LibraryCheckAhead& checkAhead);
    // A library named from outside (the command line, a drop): added as &Add
    // adds the chosen file, with the same checks and messages.
    void addLibrary(const std::string& path);

    const MainWindowControls& controls() const { return controls_; }
    const LibraryList& libraries() const { return libraries_; }
    // The pane's text as the core gave it: the one not yet shown, else the pane's own.
    const std::string& paneText() const;
    const std::array<ParamChoice, kMaxSlots>& paramChoices() const { return panel_.slots(); }
    int parameterCount() const { return panel_.count(); }
    ParameterPanel& panel() { return panel_; }
    int firstVisiblePaneLine() const { return navigator_.firstVisibleLine(); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void takeControlValues() override;
    void showFieldValues() override;
    const std::optional<std::string>& helperPath() const override { return helperPath_; }
    const std::string& startUpLibraryPath() const override { return startUpLibraryPath_; }

    // The function entries of `path` into the function combo, the last choice
    // selected again; its 1-based position, 0 when there are no functions.
    int scanLibrary(const std::string& path);
    // Whether the library lists any function, its messages shown and the last
    // choice made one of them, where the list is not kept (start-up, another
    // library): the user's opening of the list fills it, so none is made here.
    bool checkLibrary(const std::string& path);
    // The same with the check made already.
    bool showCheck(const LibraryCheck& check);
    void showLibrary();
    void onFunctionDropDown();
    void onFunctionCloseUp();
    void onAddLibrary();
    void onUnlistLibrary();
    void onLibraryCloseUp();
    void goToParameter(int slot);  // 1 to 4
    void goToDeclaration();
    void showAbout();
    // &Copy: the call of the chosen function with the panel's values, to the clipboard.
    void copyFunctionText();
    // The hidden "#&Inc": the start of the start-up library path, to the clipboard.
    void copyLibraryPath();
    // The list-closing step, for the handlers outside the panel.
    void closeChoiceLists(int keptSlot) { panel_.closeChoiceLists(keptSlot); }

    void showPaneLibrary(PaneLibrary library);
    void connectHandlers();
    void afterLibraryChange(const std::string& path);
    void showMessages(const Messages& messages);
    void setPaneText(PaneText text);
    // Whether the prototype was found, the pane showing what was.
    bool lookUpSource(const std::string& sourcePath, const std::string& prototype,
                      std::string* triedPath);
    void storeDetails(FunctionDetails details);
    void placeHelpersButton(const HelperLocation& location);

    Platform& platform_;
    const FileReader& files_;
    WrennetSettings& settings_;
    DialogUnits units_;
    MainWindowControls controls_;
    LibraryList libraries_;
    PaneNavigator navigator_;
    ParameterPanel panel_;
    HelpActions help_;
    FunctionFinder finder_;

    int functionIndex_ = -1;
    int libraryIndex_ = -1;
    // A new pane text waits here until the fields are next shown, and then
    // moves into the pane: a whole library can be many megabytes, and it is
    // neither copied nor shown twice.
    PaneText paneText_;
    bool paneTextWaiting_ = false;
    std::string returnType_;
    std::string functionName_;
    std::optional<std::string> helperName_;
    std::optional<std::string> helperPath_;
    std::string startUpLibraryPath_;
};

}  // namespace wrennet
