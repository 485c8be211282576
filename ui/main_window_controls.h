#pragma once

#include <QFont>
#include <array>

#include "dialog_units.h"

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

// The main window's controls, built from its control table: placed in pixels
// from their dialog units, with their texts, tooltips, fonts and initial
// visibility. The window owns them through Qt's parent; this is the typed view.
struct MainWindowControls {
    PopupComboBox* libraryCombo = nullptr;
    PopupComboBox* functionCombo = nullptr;
    FunctionListModel* functionModel = nullptr;
    SourcePane* sourcePane = nullptr;
    QPushButton* showButton = nullptr;
    QPushButton* unlistButton = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* copyButton = nullptr;
    QPushButton* exitButton = nullptr;
    QPushButton* helpButton = nullptr;
    QPushButton* setupButton = nullptr;
    QPushButton* helpersButton = nullptr;
    QPushButton* wrennetButton = nullptr;
    MnemonicGroupBox* parameterGroup = nullptr;
    QLabel* typeLabel = nullptr;
    ClickLabel* functionLabel = nullptr;
    std::array<ClickLabel*, 4> nameLabels{};
    std::array<QComboBox*, 4> valueCombos{};
    std::array<QLineEdit*, 4> valueEdits{};
    std::array<QListWidget*, 4> choiceLists{};
};

MainWindowControls BuildMainWindowControls(QDialog& window, const DialogUnits& units,
                                           const QFont& fixedFont);

}  // namespace wrennet
