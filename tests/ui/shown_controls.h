// What the scenario runner records of a control and of a message: its text, its items.
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <string>

#include "library/message.h"
#include "ui/source_pane.h"

namespace wrennet::testing {

// The text of a control that holds one; a button's says whether it is checked.
inline std::string Text(QWidget* w) {
    if (auto* pane = qobject_cast<SourcePane*>(w)) return pane->toPlainText().toStdString();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text().toStdString();
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText().toStdString();
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text().toStdString() + (button->isChecked() ? " (checked)" : "");
    return "";
}

// A control as the user sees it: "(hidden)" when he cannot; a list's items,
// "*" before the current or selected ones, else its text.
inline std::string Describe(QWidget* w) {
    std::string text = w->isVisible() ? "" : "(hidden) ";
    const auto item = [&text](bool marked, const QString& item) {
        text += (marked ? "* " : "  ") + item.toStdString() + "\n";
    };
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        if (combo->isEditable()) text += Text(w) + "\n";
        for (int i = 0; i < combo->count(); ++i)
            item(i == combo->currentIndex(), combo->itemText(i));
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        for (int i = 0; i < list->count(); ++i)
            item(list->item(i)->isSelected(), list->item(i)->text());
    } else {
        text += Text(w) + "\n";
    }
    return text;
}

inline const char* IconName(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information:
            return "Information";
        case MessageIcon::Warning:
            return "Warning";
        case MessageIcon::Stop:
            return "Stop";
        case MessageIcon::Question:
            return "Question";
    }
    return "?";
}

}  // namespace wrennet::testing
