#include "ui/parameter_panel.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QItemSelection>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <algorithm>

#include "library/choice_list.h"
#include "library/parameter_helper.h"
#include "library/range_check.h"
#include "library/slot_layout.h"
#include "platform/platform.h"
#include "ui/click_label.h"
#include "ui/mnemonic_group_box.h"
#include "ui/popup_combo_box.h"
#include "ui/shown_text.h"
#include "ui/source_pane.h"

namespace wrennet {
namespace {

// Sizes that the panel gives in plain pixels when it moves these buttons back.
constexpr int kExitWidth = 44;
constexpr int kExitHeight = 30;
constexpr int kHelpersWidth = 88;
constexpr int kHelpersHeight = 23;

// Hidden controls are also moved out of the way, each to a small place of its
// own, so that nothing of a slot that is not in use can take a click.
const QRect kParkedList(1, 1, 1, 1);
const QRect kParkedSeparator(5, 380, 3, 18);
QRect ParkedCombo(int slot) { return {slot, 380, 3, 18}; }
QRect ParkedEdit(int slot) { return {slot, 364, 3, 18}; }
QRect ParkedLabel(int slot) { return {slot, 370, 3, 18}; }

void Park(QWidget& widget, const QRect& place) {
    widget.hide();
    widget.setGeometry(place);
}

QStringList Shown(const std::vector<std::string>& items) {
    QStringList shown;
    shown.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) shown.push_back(ToShownText(item));
    return shown;
}

template <typename T>
T& At(const std::array<T*, kMaxSlots>& controls, int slot) {
    return *controls[static_cast<std::size_t>(slot - 1)];
}

}  // namespace

SlotSpacing SpacingFor(const PanelGeometry& geometry, int count) {
    SlotSpacing spacing;
    spacing.pitch = geometry.panelSpan / std::max(count, 1);
    spacing.labelWidth = 2 * spacing.pitch / 3;
    spacing.slotWidth = spacing.pitch - geometry.separatorWidth - 2;
    return spacing;
}

ParameterPanel::ParameterPanel(const MainWindowControls& controls, Host& host, Platform& platform,
                               QWidget& window, const DialogUnits& units)
    : QObject(&window),
      controls_(controls),
      host_(host),
      platform_(platform),
      window_(window),
      units_(units) {
    for (int k = 1; k <= kMaxSlots; ++k) {
        watch(&At(controls_.valueEdits, k), Role::ValueEdit, k);
        watch(&At(controls_.valueCombos, k), Role::ValueCombo, k);
        QListWidget& list = At(controls_.choiceLists, k);
        // Every row is one line of the same font: long lists need no measuring.
        list.setUniformItemSizes(true);
        watch(&list, Role::ChoiceList, k);
    }
    watch(controls_.functionCombo, Role::OutsidePanel, 0);
    watch(controls_.libraryCombo, Role::OutsidePanel, 0);
    watch(controls_.sourcePane, Role::OutsidePanel, 0);
}

void ParameterPanel::watch(QWidget* widget, Role role, int slot) {
    targets_.insert(widget, {role, slot});
    widget->installEventFilter(this);
}

bool ParameterPanel::eventFilter(QObject* watched, QEvent* event) {
    const bool in = event->type() == QEvent::FocusIn;
    if (!in && event->type() != QEvent::FocusOut) return false;
    const auto target = targets_.constFind(watched);
    if (target == targets_.constEnd() || quiet_ > 0) return false;
    if (in == (focusHolder_ == watched)) return false;
    focusHolder_ = in ? watched : nullptr;
    // The control settles its own focus first: a handler may move the focus
    // on at once, and the control must not take its focus-in after that.
    watched->event(event);
    onFocus(*target, in);
    return true;
}

void ParameterPanel::onFocus(const Target& target, bool in) {
    switch (target.role) {
        case Role::ValueEdit:
            in ? enterValueEdit(target.slot) : leaveValueEdit(target.slot);
            break;
        case Role::ChoiceList:
            in ? enterChoiceList(target.slot) : leaveChoiceList(target.slot);
            break;
        case Role::ValueCombo:
            if (in) enterValueCombo(target.slot);
            break;
        case Role::OutsidePanel:
            if (in) leavePanel();
            break;
    }
}

void ParameterPanel::measure() {
    const QRect first = At(controls_.valueEdits, 1).geometry();
    const QRect last = At(controls_.valueEdits, kMaxSlots).geometry();
    geometry_.slotLeft = first.left();
    geometry_.panelSpan = last.left() + last.width() - first.left();
    // The first choice list starts out at the window's origin.
    geometry_.rowTop = first.top() - At(controls_.choiceLists, 1).geometry().top();
    geometry_.rowHeight = first.height();
    geometry_.labelHeight = At(controls_.nameLabels, 1).height();
    geometry_.labelTop = geometry_.rowTop - geometry_.labelHeight - 3;
    geometry_.separatorWidth = controls_.separators[0]->width() - 3;
    geometry_.exitHome = controls_.exitButton->pos();
    geometry_.helpersHome = controls_.helpersButton->pos();
}

void ParameterPanel::layOut(std::array<ParamChoice, kMaxSlots> slots) {
    // Hiding the control with the focus would hand it on to the next slot
    // control, which would run its steps; it is left for the function list,
    // from which functions are chosen anyway.
    const auto focused = targets_.constFind(QApplication::focusWidget());
    if (focused != targets_.constEnd() && focused->role != Role::OutsidePanel) {
        controls_.functionCombo->setFocus(Qt::OtherFocusReason);
    }
    slots_ = std::move(slots);
    layouts_ = {};
    count_ = 0;
    for (int k = 1; k <= kMaxSlots; ++k) {
        if (!slot(k).name.empty()) count_ = k;
    }
    for (QLabel* separator : controls_.separators) Park(*separator, kParkedSeparator);
    for (int k = 1; k <= kMaxSlots; ++k) {
        Park(At(controls_.valueCombos, k), ParkedCombo(k));
        Park(At(controls_.valueEdits, k), ParkedEdit(k));
        Park(At(controls_.nameLabels, k), ParkedLabel(k));
    }
    const PanelGeometry& g = geometry_;
    QLabel& close = *controls_.closeParenthesis;
    if (count_ == 0) {
        close.setGeometry(g.slotLeft + 8, g.rowTop + 1, g.separatorWidth - 1, g.rowHeight);
        close.show();
        return;
    }
    spacing_ = SpacingFor(g, count_);
    for (int k = 1; k <= count_; ++k) {
        const int x = slotX(k);
        if (k >= 2) {
            QLabel& separator = *controls_.separators[static_cast<std::size_t>(k - 2)];
            const int width = k == 2 ? g.separatorWidth : g.separatorWidth - 1;
            separator.setGeometry(x - g.separatorWidth, g.rowTop, width, g.rowHeight);
            separator.show();
        }
        ClickLabel& label = At(controls_.nameLabels, k);
        // A long name may grow its label up to the next slot, never into it.
        label.setMinimumWidth(spacing_.labelWidth);
        label.setMaximumWidth(std::max(spacing_.labelWidth, spacing_.pitch - 2));
        label.setGeometry(x, g.labelTop, spacing_.labelWidth, g.labelHeight);
        label.show();

        QComboBox& combo = At(controls_.valueCombos, k);
        combo.clear();
        SlotLayout& offered = layouts_[static_cast<std::size_t>(k - 1)];
        offered = LayOutSlot(slot(k));
        if (offered.field == SlotField::Combo) {
            combo.addItems(Shown(offered.items));
            combo.setCurrentIndex(0);
            combo.setGeometry(x, g.rowTop, spacing_.slotWidth, g.rowHeight);
            combo.show();
            continue;
        }
        slot(k).entryText = offered.entryText;
        QLineEdit& edit = At(controls_.valueEdits, k);
        edit.setGeometry(x, g.rowTop, spacing_.slotWidth, g.rowHeight);
        edit.show();
        edit.setReadOnly(false);
    }
    close.setGeometry(g.slotLeft + count_ * spacing_.pitch - g.separatorWidth, g.rowTop + 1,
                      g.separatorWidth - 1, g.rowHeight);
    close.show();
}

void ParameterPanel::closeChoiceLists(int keptSlot) {
    for (int k = 1; k <= kMaxSlots; ++k) {
        if (k == keptSlot) continue;
        QListWidget& list = At(controls_.choiceLists, k);
        // A command reached from the keyboard while a list is open: the list
        // is left as a click on &Copy would leave it, so its selection counts,
        // and the focus does not wander to whatever follows the hidden list.
        if (list.hasFocus()) controls_.copyButton->setFocus(Qt::OtherFocusReason);
        Park(list, kParkedList);
    }
    controls_.exitButton->setGeometry(
        QRect(geometry_.exitHome, units_.scaledPixels(kExitWidth, kExitHeight)));
    controls_.exitButton->show();
    if (host_.helperPath()) {
        controls_.helpersButton->setGeometry(
            QRect(geometry_.helpersHome, units_.scaledPixels(kHelpersWidth, kHelpersHeight)));
        controls_.helpersButton->show();
    }
}

void ParameterPanel::hideGroupBox() {
    controls_.parameterGroup->raise();
    controls_.parameterGroup->hide();
}

void ParameterPanel::enterValueEdit(int k) {
    controls_.parameterGroup->repaint();
    host_.showFieldValues();
    closeChoiceLists(k);
    if (layout(k).isChoiceList) {
        hideGroupBox();
        // A hidden control cannot take the focus: the list shows in its parked
        // place until entering it puts it beneath the slot. Leaving this edit
        // runs first, then entering the list.
        QListWidget& list = At(controls_.choiceLists, k);
        list.show();
        list.setFocus(Qt::OtherFocusReason);
    } else if (layout(k).isHelper && !helperLaunched_) {
        startHelper(k);
    }
    host_.showFieldValues();
}

void ParameterPanel::leaveValueEdit(int k) {
    host_.takeControlValues();
    helperLaunched_ = false;
    const ParamChoice& choice = slot(k);
    if (auto message = CheckRangeOnLeave(choice.name, choice.valueText, choice.entryText)) {
        showMessages({std::move(*message)});
    }
}

void ParameterPanel::enterChoiceList(int k) {
    closeChoiceLists(k);
    const ParamChoice& choice = slot(k);
    if (!layout(k).isChoiceList) {
        host_.showFieldValues();
        return;
    }
    Park(*controls_.helpersButton, kParkedList);
    Park(*controls_.exitButton, kParkedList);
    if (k >= 2) hideGroupBox();
    QListWidget& list = At(controls_.choiceLists, k);
    list.clear();
    const PanelGeometry& g = geometry_;
    list.setGeometry(slotX(k), g.rowTop + g.rowHeight, spacing_.slotWidth, 7 * g.rowTop / 38);
    list.show();
    if (k >= 2) list.raise();
    std::vector<std::string>& items = listItems_[static_cast<std::size_t>(k - 1)];
    items = SplitAt(choice.valueText, '|');
    list.addItems(Shown(items));
    // One selection change for all named items: a long list stays instant.
    QItemSelection named;
    for (const std::size_t row : ItemsNamedBy(items, choice.entryText)) {
        const QModelIndex index = list.model()->index(static_cast<int>(row), 0);
        named.select(index, index);
    }
    list.selectionModel()->select(named, QItemSelectionModel::ClearAndSelect);
    // The keys start from the first selected item, and leave the selection be.
    const QModelIndex current =
        named.isEmpty() ? list.model()->index(0, 0) : QModelIndex(named.first().topLeft());
    list.selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    host_.showFieldValues();
}

void ParameterPanel::leaveChoiceList(int k) {
    ParamChoice& choice = slot(k);
    choice.entryText.clear();
    host_.showFieldValues();
    QListWidget& list = At(controls_.choiceLists, k);
    Park(list, kParkedList);
    list.raise();
    controls_.parameterGroup->show();
    controls_.parameterGroup->raise();
    std::vector<std::size_t> selected;
    for (const QModelIndex& index : list.selectionModel()->selectedIndexes()) {
        selected.push_back(static_cast<std::size_t>(index.row()));
    }
    choice.entryText = JoinSelectedItems(listItems_[static_cast<std::size_t>(k - 1)], selected);
    QLineEdit& edit = At(controls_.valueEdits, k);
    edit.setGeometry(slotX(k), geometry_.rowTop, spacing_.slotWidth, geometry_.rowHeight);
    edit.show();
    // The focus went to another program. It comes back to the slot's edit,
    // which opens the list again, rather than to whatever control follows the
    // hidden list.
    if (!window_.isActiveWindow()) edit.setFocus(Qt::OtherFocusReason);
    host_.showFieldValues();
}

void ParameterPanel::enterValueCombo(int k) { closeChoiceLists(k); }

void ParameterPanel::leavePanel() { closeChoiceLists(0); }

void ParameterPanel::startHelper(int k) {
    const HelperStart start = BuildHelperCommand(host_.startUpLibraryPath(), slot(k).valueText);
    // Set for a refused name as well: the focus comes back to the edit when
    // the message closes, and must not bring the message back.
    helperLaunched_ = true;
    if (!start.command) {
        showMessages(start.messages);
        return;
    }
    int result = 0;
    {
        const Quiet quiet(*this);
        result = platform_.runHelperCommand(&window_, start.command->shell);
    }
    if (auto message = ReportHelperRun(*start.command, result)) showMessages({*message});
}

void ParameterPanel::showMessages(const Messages& messages) {
    const Quiet quiet(*this);
    for (const Message& message : messages) {
        platform_.showMessage(&window_, message.text, message.icon, MessageButtons::Ok);
    }
}

void ParameterPanel::showEntries() {
    for (int k = 1; k <= kMaxSlots; ++k) {
        At(controls_.valueEdits, k).setText(ToShownText(slot(k).entryText));
        ClickLabel& label = At(controls_.nameLabels, k);
        label.setText(ToShownText(slot(k).name));
        label.fitWidthToText();
    }
}

void ParameterPanel::takeEntries() {
    for (int k = 1; k <= kMaxSlots; ++k) {
        // Only text the user changed is taken back: the stored bytes are the
        // library's own and must not come back re-encoded.
        const QString shown = At(controls_.valueEdits, k).text();
        if (shown != ToShownText(slot(k).entryText)) slot(k).entryText = FromTypedText(shown);
    }
}

std::array<SlotValue, kMaxSlots> ParameterPanel::valuesForCopy() const {
    std::array<SlotValue, kMaxSlots> values;
    for (std::size_t k = 0; k < values.size(); ++k) {
        SlotValue& value = values[k];
        value.name = slots_[k].name;
        value.entryText = slots_[k].entryText;
        const QComboBox& combo = *controls_.valueCombos[k];
        const int index = combo.currentIndex();
        const std::vector<std::string>& items = layouts_[k].items;
        // The item counts as selected while the field still shows it; text the
        // user typed over it is what the user sees, and so what is copied.
        if (index >= 0 && static_cast<std::size_t>(index) < items.size() &&
            combo.currentText() == combo.itemText(index)) {
            value.selectedItem = items[static_cast<std::size_t>(index)];
        } else {
            value.comboText = FromTypedText(combo.currentText());
        }
    }
    return values;
}

}  // namespace wrennet
