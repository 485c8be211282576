#pragma once

#include <Qt>
#include <vector>

#include "dialog_units.h"

namespace wrennet {

enum class ControlKind {
    GroupBox,
    Label,
    ClickLabel,
    PushButton,
    LibraryCombo,
    FunctionCombo,
    SourcePane,
    ValueCombo,
    ValueEdit,
    ChoiceList,
};

// One control of the main window as its layout describes it. `name` is the
// control's id, or a clear name for the ones without an id; it becomes the
// widget's objectName, so tests and accessibility tools find the control.
struct ControlDefinition {
    const char* name;
    ControlKind kind;
    const char* text;
    DialogRect rect;
    bool visible = true;
    bool enabled = true;
    const char* tooltip = nullptr;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
};

// The main window's controls in tab order (which is also the order they are
// created in, and so the order in which Qt moves the focus).
const std::vector<ControlDefinition>& MainWindowControlTable();

// The window's size in dialog units.
inline constexpr int kMainWindowWidth = 472;
inline constexpr int kMainWindowHeight = 290;

}  // namespace wrennet
