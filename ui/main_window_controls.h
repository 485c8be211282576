// MainWindowControls: the main window's controls and their layout.
#pragma once

#include <QFont>
#include <array>

#include "ui/dialog_units.h"

class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace wrennet {

class ClickLabel;
class FunctionListModel;
class MnemonicGroupBox;
class PopupComboBox;
class SourcePane;

// The window's size in dialog units.
inline constexpr int kMainWindowWidth = 472;
inline constexpr int kMainWindowHeight = 290;

// The main window's controls, members in tab order (the order they are created
// in, and so the order in which Tab moves the focus). Each widget's objectName
// is its member's name, slots numbered from 1 (`valueEdit2`). The window owns
// the widgets through Qt's parent; this is the typed view of them.
struct MainWindowControls {
    QPushButton* incButton;
    QPushButton* unlistButton;
    QPushButton* addButton;
    PopupComboBox* libraryCombo;
    QLabel* functionComboLabel;
    PopupComboBox* functionCombo;
    FunctionListModel* functionModel;
    QLabel* sourcePaneLabel;
    SourcePane* sourcePane;
    QPushButton* copyButton;
    QPushButton* exitButton;
    MnemonicGroupBox* helpGroup;
    QPushButton* helpButton;
    QPushButton* setupButton;
    MnemonicGroupBox* libraryGroup;
    // separators[k] stands in front of slot k + 2.
    std::array<QLabel*, 3> separators;
    QLabel* closeParenthesis;
    QLabel* openParenthesis;
    QPushButton* wrennetButton;
    QPushButton* cancelButton;
    std::array<ClickLabel*, 4> nameLabels;
    QPushButton* showButton;
    MnemonicGroupBox* parameterGroup;
    QLabel* typeLabel;
    ClickLabel* functionLabel;
    std::array<QComboBox*, 4> valueCombos;
    std::array<QLineEdit*, 4> valueEdits;
    std::array<QListWidget*, 4> choiceLists;
    QPushButton* helpersButton;
};

// Creates the controls as children of `window`, placed in pixels from their
// dialog units, with their texts, tooltips, fonts (`fixedFont` for the two
// combos and the source pane) and first visibility.
MainWindowControls BuildMainWindowControls(QDialog& window, const DialogUnits& units,
                                           const QFont& fixedFont);

}  // namespace wrennet
