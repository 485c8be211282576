// SetupDlg: the Setup dialog and the fields it edits.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace wrennet {

class HelpActions;
class MnemonicGroupBox;
class Platform;
class WrennetSettings;

// What F1 opens: the introductory text or the HTML help.
enum class HelpMode { Intro, Details };

// What the Setup dialog edits. The help mode is the chosen radio button of
// the "&Help" group; none while neither is checked.
struct SetupFields {
    std::string browserPath = {};
    std::optional<HelpMode> helpMode = {};
    std::string helpPath = {};  // the help folder, with its closing "/"
};

// The Setup dialog's controls in tab order, named by role.
struct SetupControls {
    QLabel* browserLabel;
    QLineEdit* browserEdit;
    QLabel* helpPathLabel;
    QLineEdit* helpPathEdit;
    MnemonicGroupBox* helpGroup;
    QRadioButton* introRadio;
    QRadioButton* detailsRadio;
    QPushButton* cancelButton;
    QPushButton* okButton;
    QPushButton* helpPathBrowseButton;
    QPushButton* browserBrowseButton;
};

// Names the browser and the help folder, and chooses between the introductory
// text and the HTML help. Its fields go back to the settings on OK; only the
// help folder is written earlier, each time its edit loses the focus.
class SetupDlg final : public QDialog {
    Q_OBJECT
  public:
    SetupDlg(Platform& platform, WrennetSettings& settings, HelpActions& help, SetupFields fields,
             QWidget* parent = nullptr);
    ~SetupDlg() override;

    const SetupFields& fields() const { return fields_; }
    const SetupControls& controls() const { return controls_; }

    void takeControlValues();
    void showFieldValues();

    // The help path edit lost the focus: its folder, closed with "/", is
    // written at once, whatever becomes of the dialog.
    void onHelpPathLeave();
    void onBrowseBrowser();
    void onBrowseHelpPath();
    void onSetupHelpKey();

    // OK takes the controls' values first; Cancel takes nothing.
    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Platform& platform_;
    WrennetSettings& settings_;
    HelpActions& help_;
    SetupFields fields_;
    SetupControls controls_;
};

}  // namespace wrennet
