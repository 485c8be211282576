#include "ui/main_window_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "ui/click_label.h"
#include "ui/control_table.h"
#include "ui/function_list_model.h"
#include "ui/mnemonic_group_box.h"
#include "ui/popup_combo_box.h"
#include "ui/source_pane.h"

namespace wrennet {
namespace {

using enum ControlKind;

constexpr const char* kGoToDetails = "Click to go to details in Source Code.";
constexpr const char* kSelectValue = "Select value from list.";
constexpr const char* kParameterDetails = "Details of Parameter selection.";
constexpr const char* kMultipleSelection = "Hold Ctl for multiple selection.";
constexpr const char* kUnlistTip = "Click to remove library from library list.";
constexpr const char* kShowTip = "Click to show header file in Source Code window.";
constexpr const char* kHelpersTip = "Click to launch helper application.";

// Row modifiers, so each row reads as one line of the layout.
constexpr ControlRow Hidden(ControlRow row) {
    row.shown = false;
    return row;
}
constexpr ControlRow Inactive(ControlRow row) {
    row.shown = false;
    row.enabled = false;
    return row;
}
constexpr ControlRow Centred(ControlRow row) {
    row.alignment = Qt::AlignCenter;
    return row;
}
constexpr ControlRow RightAligned(ControlRow row) {
    row.alignment = Qt::AlignRight | Qt::AlignVCenter;
    return row;
}

// The window's layout, in tab order.
constexpr ControlRow kRows[] = {
    Inactive({FittedButton, "incButton", "#&Inc", {335, 50, 10, 10}}),
    {FittedButton, "unlistButton", "&Unlist", {375, 15, 29, 15}, kUnlistTip},
    {FittedButton, "addButton", "&Add", {425, 15, 30, 15}, "Browse to add another library."},
    {PathDropDown, "libraryCombo", "", {7, 31, 458, 139}},
    {Label, "functionComboLabel", "Choose &Function", {10, 55, 65, 8}},
    {DropDown, "functionCombo", "", {7, 65, 458, 105}},
    {Label, "sourcePaneLabel", "&Source Code", {10, 80, 42, 8}},
    {ReadOnlyPane, "sourcePane", "", {7, 90, 458, 115}},
    {FittedButton, "copyButton", "&Copy", {430, 215, 30, 15}, "Places function text in clipboard."},
    {FittedButton, "exitButton", "E&xit", {425, 260, 30, 20}},
    {Group, "helpGroup", "Help", {7, 255, 84, 30}},
    {FittedButton, "helpButton", "F1=&Help", {10, 265, 30, 15}, "Click to open help."},
    {FittedButton, "setupButton", "Setu&p", {50, 265, 30, 15}, "Click to open Setup window."},
    {Group, "libraryGroup", "Select &Library", {5, 5, 460, 45}},
    Centred(Hidden({Label, "separator1", ",", {15, 15, 8, 10}})),
    Centred(Hidden({Label, "separator2", ",", {31, 15, 8, 10}})),
    Centred(Hidden({Label, "separator3", ",", {51, 15, 8, 10}})),
    Centred(Hidden({Label, "closeParenthesis", ")", {65, 15, 8, 10}})),
    Centred({Label, "openParenthesis", "(", {75, 234, 8, 8}}),
    Inactive({FittedButton, "wrennetButton", "&Wrennet", {305, 50, 25, 10}}),
    Inactive({FittedButton, "cancelButton", "&Cancel", {350, 50, 10, 10}}),
    {ClickableLabel, "nameLabel1", "Parmn1", {115, 220, 15, 8}, kGoToDetails},
    {ClickableLabel, "nameLabel2", "Parmn2", {205, 220, 15, 8}, kGoToDetails},
    {ClickableLabel, "nameLabel3", "Parmn3", {305, 220, 15, 8}, kGoToDetails},
    {ClickableLabel, "nameLabel4", "Parmn4", {400, 220, 15, 8}, kGoToDetails},
    {FittedButton, "showButton", "Sho&w", {325, 15, 30, 15}, kShowTip},
    {Group, "parameterGroup", "Choose &Parameters", {7, 208, 458, 45}},
    Centred({Label, "typeLabel", "Type", {10, 226, 65, 8}}),
    RightAligned({ClickableLabel, "functionLabel", "Function", {15, 233, 60, 10}}),
    Hidden({ValueCombo, "valueCombo1", "", {75, 15, 16, 130}, kSelectValue}),
    Hidden({ValueEdit, "valueEdit1", "", {82, 233, 10, 12}, kParameterDetails}),
    Hidden({ChoiceList, "choiceList1", "", {0, 0, 10, 15}, kMultipleSelection}),
    Hidden({ValueCombo, "valueCombo2", "", {95, 15, 16, 130}, kSelectValue}),
    Hidden({ValueEdit, "valueEdit2", "", {184, 232, 10, 12}, kParameterDetails}),
    Hidden({ChoiceList, "choiceList2", "", {255, 15, 10, 15}, kMultipleSelection}),
    Hidden({ValueCombo, "valueCombo3", "", {115, 15, 16, 130}, kSelectValue}),
    Hidden({ValueEdit, "valueEdit3", "", {283, 229, 10, 12}, kParameterDetails}),
    Hidden({ChoiceList, "choiceList3", "", {275, 15, 10, 15}, kMultipleSelection}),
    Hidden({ValueCombo, "valueCombo4", "", {135, 15, 16, 130}, kSelectValue}),
    Hidden({ValueEdit, "valueEdit4", "", {453, 233, 10, 12}, kParameterDetails}),
    Hidden({ChoiceList, "choiceList4", "", {462, 275, 10, 15}, kMultipleSelection}),
    Hidden({FittedButton, "helpersButton", "&Helpers", {220, 265, 30, 15}, kHelpersTip}),
};

MainWindowControls FindMainWindowControls(const QDialog& window) {
    return {
        .incButton = ControlNamed<QPushButton>(window, "incButton"),
        .unlistButton = ControlNamed<QPushButton>(window, "unlistButton"),
        .addButton = ControlNamed<QPushButton>(window, "addButton"),
        .libraryCombo = ControlNamed<PopupComboBox>(window, "libraryCombo"),
        .functionComboLabel = ControlNamed<QLabel>(window, "functionComboLabel"),
        .functionCombo = ControlNamed<PopupComboBox>(window, "functionCombo"),
        .functionModel = nullptr,
        .sourcePaneLabel = ControlNamed<QLabel>(window, "sourcePaneLabel"),
        .sourcePane = ControlNamed<SourcePane>(window, "sourcePane"),
        .copyButton = ControlNamed<QPushButton>(window, "copyButton"),
        .exitButton = ControlNamed<QPushButton>(window, "exitButton"),
        .helpGroup = ControlNamed<MnemonicGroupBox>(window, "helpGroup"),
        .helpButton = ControlNamed<QPushButton>(window, "helpButton"),
        .setupButton = ControlNamed<QPushButton>(window, "setupButton"),
        .libraryGroup = ControlNamed<MnemonicGroupBox>(window, "libraryGroup"),
        .separators = NumberedControls<QLabel, 3>(window, "separator"),
        .closeParenthesis = ControlNamed<QLabel>(window, "closeParenthesis"),
        .openParenthesis = ControlNamed<QLabel>(window, "openParenthesis"),
        .wrennetButton = ControlNamed<QPushButton>(window, "wrennetButton"),
        .cancelButton = ControlNamed<QPushButton>(window, "cancelButton"),
        .nameLabels = NumberedControls<ClickLabel, 4>(window, "nameLabel"),
        .showButton = ControlNamed<QPushButton>(window, "showButton"),
        .parameterGroup = ControlNamed<MnemonicGroupBox>(window, "parameterGroup"),
        .typeLabel = ControlNamed<QLabel>(window, "typeLabel"),
        .functionLabel = ControlNamed<ClickLabel>(window, "functionLabel"),
        .valueCombos = NumberedControls<QComboBox, 4>(window, "valueCombo"),
        .valueEdits = NumberedControls<QLineEdit, 4>(window, "valueEdit"),
        .choiceLists = NumberedControls<QListWidget, 4>(window, "choiceList"),
        .helpersButton = ControlNamed<QPushButton>(window, "helpersButton"),
    };
}

}  // namespace

MainWindowControls BuildMainWindowControls(QDialog& window, const DialogUnits& units,
                                           const QFont& fixedFont) {
    CreateControls(window, units, fixedFont, kRows);
    MainWindowControls c = FindMainWindowControls(window);
    c.functionModel = new FunctionListModel(c.functionCombo);
    c.functionCombo->setModel(c.functionModel);
    c.functionComboLabel->setBuddy(c.functionCombo);
    c.sourcePaneLabel->setBuddy(c.sourcePane);
    c.copyButton->setDefault(true);
    c.libraryGroup->setBuddy(c.libraryCombo);
    // The combo's layout runs to the frame's own right edge, over its line; it
    // stands as far inside on the right as on the left.
    QRect libraryField = c.libraryCombo->geometry();
    libraryField.setRight(c.libraryGroup->geometry().right() -
                          (libraryField.left() - c.libraryGroup->geometry().left()));
    c.libraryCombo->setGeometry(libraryField);
    return c;
}

}  // namespace wrennet
