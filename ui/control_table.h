// Dialog controls made from rows of a layout table: kind, name, text, place.
#pragma once

#include <QDialog>
#include <QFont>
#include <QString>
#include <array>
#include <cstddef>
#include <span>

#include "ui/dialog_units.h"

namespace wrennet {

// What a row makes; the two kinds of button and label differ in how they
// meet texts wider than their layout allowed.
enum class ControlKind {
    Button,          // a push button exactly as laid out
    FittedButton,    // a push button that grows from its left edge to show its text whole
    Label,           // a fixed text that grows to show itself whole
    ClickableLabel,  // a clickable text that changes later; its layout width is its least
    RadioButton,     // grows to show its text whole
    Group,           // a frame, kept behind the controls it surrounds
    TextEdit,        // a line the user types into; Alt with a key is left to mnemonics
    ValueEdit,       // a read-only line: a parameter's value
    ValueCombo,      // an editable combo that inserts nothing, Alt keys left as above
    DropDown,        // a combo reporting its list's opening and closing, in the fixed font
    PathDropDown,    // the same, editable, for paths: scroll bar left, text aligned right
    ReadOnlyPane,    // the fixed-font pane with both scroll bars always on
    ChoiceList,      // a list for several choices, vertical scroll bar always on
};

// One control as the layout gives it. The name becomes its objectName, by
// which tests and the typed views below find it.
struct ControlRow {
    ControlKind kind;
    const char* name;
    const char* text = "";
    DialogRect rect = {};
    const char* tooltip = nullptr;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;  // labels only
    bool shown = true;
    bool enabled = true;
};

// Creates one control per row as a child of `window`, in the order of the
// rows, which is the order in which Tab moves the focus. `fixedFont` is the
// font of the drop-downs and the source pane.
void CreateControls(QDialog& window, const DialogUnits& units, const QFont& fixedFont,
                    std::span<const ControlRow> rows);

// The control that a row named `name` made in `window`.
template <typename Widget>
Widget* ControlNamed(const QDialog& window, const QString& name) {
    auto* widget = window.findChild<Widget*>(name, Qt::FindDirectChildrenOnly);
    Q_ASSERT_X(widget != nullptr, "ControlNamed", qPrintable(name));
    return widget;
}

// The controls named `stem` followed by 1, 2, ... N.
template <typename Widget, std::size_t N>
std::array<Widget*, N> NumberedControls(const QDialog& window, const char* stem) {
    std::array<Widget*, N> controls{};
    for (std::size_t k = 0; k < N; ++k) {
        controls[k] =
            ControlNamed<Widget>(window, QString::fromUtf8(stem) + QString::number(k + 1));
    }
    return controls;
}

}  // namespace wrennet
