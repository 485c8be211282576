#include "ui/control_table.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <algorithm>

#include "ui/click_label.h"
#include "ui/mnemonic_group_box.h"
#include "ui/mnemonic_keys_line_edit.h"
#include "ui/popup_combo_box.h"
#include "ui/source_pane.h"

namespace wrennet {
namespace {

// The least width that shows a button's text whole inside its frame, with an
// average character's room on either side.
int WidthForText(const QPushButton& button) {
    QString shown = button.text();
    shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const QFontMetrics metrics = button.fontMetrics();
    const int frame = button.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    return metrics.horizontalAdvance(shown) + 2 * metrics.averageCharWidth() + 2 * frame;
}

// Texts were sized for a narrower font than most desktops use; these get the
// width their text needs rather than being cut off.
void WidenToText(QWidget& widget, int textWidth) {
    QRect rect = widget.geometry();
    rect.setWidth(std::max(rect.width(), textWidth));
    widget.setGeometry(rect);
}

// A closed combo is as high as its font needs; the layout's height includes
// the dropped list.
void FitComboHeight(QComboBox& combo) { combo.resize(combo.width(), combo.sizeHint().height()); }

// The kind's own widget, its text set, with its settings that placing it
// does not undo.
QWidget* NewControl(QDialog& window, const QFont& fixedFont, const ControlRow& row) {
    const QString text = QString::fromUtf8(row.text);
    switch (row.kind) {
        case ControlKind::Button:
        case ControlKind::FittedButton: {
            auto* button = new QPushButton(text, &window);
            button->setAutoDefault(false);
            return button;
        }
        case ControlKind::Label: {
            auto* label = new QLabel(text, &window);
            label->setAlignment(row.alignment);
            return label;
        }
        case ControlKind::ClickableLabel: {
            auto* label = new ClickLabel(text, &window);
            label->setAlignment(row.alignment);
            return label;
        }
        case ControlKind::RadioButton:
            return new QRadioButton(text, &window);
        case ControlKind::Group:
            return new MnemonicGroupBox(text, &window);
        case ControlKind::TextEdit:
            return new MnemonicKeysLineEdit(&window);
        case ControlKind::ValueEdit: {
            auto* edit = new QLineEdit(&window);
            edit->setReadOnly(true);
            return edit;
        }
        case ControlKind::ValueCombo: {
            auto* combo = new QComboBox(&window);
            combo->setEditable(true);
            combo->setLineEdit(new MnemonicKeysLineEdit(combo));
            combo->setInsertPolicy(QComboBox::NoInsert);
            return combo;
        }
        case ControlKind::DropDown:
        case ControlKind::PathDropDown: {
            auto* combo = new PopupComboBox(&window, row.kind == ControlKind::PathDropDown
                                                         ? PopupComboBox::ScrollBarSide::Left
                                                         : PopupComboBox::ScrollBarSide::Right);
            combo->setFont(fixedFont);
            return combo;
        }
        case ControlKind::ReadOnlyPane: {
            auto* pane = new SourcePane(&window);
            pane->setFont(fixedFont);
            pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            return pane;
        }
        case ControlKind::ChoiceList: {
            auto* list = new QListWidget(&window);
            list->setSelectionMode(QAbstractItemView::ExtendedSelection);
            list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            return list;
        }
    }
    return nullptr;
}

// What a kind does once it stands in its layout place.
void FitToPlace(QWidget& widget, const ControlRow& row) {
    switch (row.kind) {
        case ControlKind::FittedButton:
            WidenToText(widget, WidthForText(static_cast<QPushButton&>(widget)));
            break;
        case ControlKind::Label:
        case ControlKind::RadioButton:
            WidenToText(widget, widget.sizeHint().width());
            break;
        case ControlKind::ClickableLabel:
            widget.setMinimumWidth(widget.width());
            break;
        case ControlKind::Group:
            widget.lower();
            break;
        case ControlKind::ValueCombo:
        case ControlKind::DropDown:
            FitComboHeight(static_cast<QComboBox&>(widget));
            break;
        case ControlKind::PathDropDown: {
            auto& combo = static_cast<PopupComboBox&>(widget);
            FitComboHeight(combo);
            combo.makeEditable();
            combo.lineEdit()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            break;
        }
        default:
            break;
    }
}

}  // namespace

void CreateControls(QDialog& window, const DialogUnits& units, const QFont& fixedFont,
                    std::span<const ControlRow> rows) {
    for (const ControlRow& row : rows) {
        QWidget* widget = NewControl(window, fixedFont, row);
        widget->setObjectName(QString::fromUtf8(row.name));
        widget->setGeometry(units.toPixels(row.rect));
        FitToPlace(*widget, row);
        widget->setEnabled(row.enabled);
        if (row.tooltip != nullptr) widget->setToolTip(QString::fromUtf8(row.tooltip));
        widget->setVisible(row.shown);
    }
}

}  // namespace wrennet
