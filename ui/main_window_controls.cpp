#include "main_window_controls.h"

#include <QComboBox>
#include <QDialog>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <algorithm>

#include "click_label.h"
#include "control_table.h"
#include "function_list_model.h"
#include "mnemonic_group_box.h"
#include "popup_combo_box.h"
#include "source_pane.h"

namespace wrennet {
namespace {

// The least width that shows a button's text whole inside its frame: buttons
// were laid out for a narrower font too, and grow from their left edge.
int WidthForText(const QPushButton& button) {
    QString shown = button.text();
    shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const QStyle& style = *button.style();
    return button.fontMetrics().horizontalAdvance(shown) +
           style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
           2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
}

QWidget* CreateControl(const ControlDefinition& control, QDialog& window, const DialogUnits& units,
                       const QFont& fixedFont) {
    const QString text = QString::fromUtf8(control.text);
    QRect rect = units.toPixels(control.rect);
    QWidget* widget = nullptr;
    switch (control.kind) {
        case ControlKind::GroupBox:
            widget = new MnemonicGroupBox(text, &window);
            break;
        case ControlKind::Label:
        case ControlKind::ClickLabel: {
            QLabel* label = control.kind == ControlKind::ClickLabel ? new ClickLabel(text, &window)
                                                                    : new QLabel(text, &window);
            label->setAlignment(control.alignment);
            widget = label;
            break;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(text, &window);
            button->setAutoDefault(false);
            rect.setWidth(std::max(rect.width(), WidthForText(*button)));
            widget = button;
            break;
        }
        case ControlKind::LibraryCombo:
        case ControlKind::FunctionCombo: {
            auto* combo = new PopupComboBox(&window);
            combo->setFont(fixedFont);
            // The layout's height includes the dropped list; the closed combo
            // is as high as its font needs.
            rect.setHeight(combo->sizeHint().height());
            widget = combo;
            break;
        }
        case ControlKind::SourcePane: {
            auto* pane = new SourcePane(&window);
            pane->setFont(fixedFont);
            pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            widget = pane;
            break;
        }
        case ControlKind::ValueCombo: {
            auto* combo = new QComboBox(&window);
            combo->setEditable(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            rect.setHeight(combo->sizeHint().height());
            widget = combo;
            break;
        }
        case ControlKind::ValueEdit: {
            auto* edit = new QLineEdit(&window);
            edit->setReadOnly(true);
            widget = edit;
            break;
        }
        case ControlKind::ChoiceList: {
            auto* list = new QListWidget(&window);
            list->setSelectionMode(QAbstractItemView::ExtendedSelection);
            list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            widget = list;
            break;
        }
    }
    widget->setObjectName(QString::fromUtf8(control.name));
    // Fixed texts were sized for a narrower font than most desktops use; they
    // get the width their text needs rather than being cut off.
    if (control.kind == ControlKind::Label) {
        rect.setWidth(std::max(rect.width(), widget->sizeHint().width()));
    }
    // Texts that change later keep their layout width as the least they get.
    if (control.kind == ControlKind::ClickLabel) widget->setMinimumWidth(rect.width());
    widget->setGeometry(rect);
    widget->setEnabled(control.enabled);
    if (control.tooltip != nullptr) widget->setToolTip(QString::fromUtf8(control.tooltip));
    widget->setVisible(control.visible);
    return widget;
}

template <typename T>
T* Find(const QHash<QString, QWidget*>& byName, const char* name) {
    return qobject_cast<T*>(byName.value(QString::fromUtf8(name)));
}

}  // namespace

MainWindowControls BuildMainWindowControls(QDialog& window, const DialogUnits& units,
                                           const QFont& fixedFont) {
    QHash<QString, QWidget*> byName;
    for (const ControlDefinition& control : MainWindowControlTable()) {
        QWidget* widget = CreateControl(control, window, units, fixedFont);
        byName.insert(widget->objectName(), widget);
        // Frames stay behind the controls they surround.
        if (control.kind == ControlKind::GroupBox) widget->lower();
    }

    MainWindowControls c;
    c.libraryCombo = Find<PopupComboBox>(byName, "1005");
    c.functionCombo = Find<PopupComboBox>(byName, "1000");
    c.sourcePane = Find<SourcePane>(byName, "1014");
    c.showButton = Find<QPushButton>(byName, "1061");
    c.unlistButton = Find<QPushButton>(byName, "1006");
    c.addButton = Find<QPushButton>(byName, "1007");
    c.copyButton = Find<QPushButton>(byName, "3");
    c.exitButton = Find<QPushButton>(byName, "1");
    c.helpButton = Find<QPushButton>(byName, "1004");
    c.setupButton = Find<QPushButton>(byName, "1003");
    c.helpersButton = Find<QPushButton>(byName, "4");
    c.wrennetButton = Find<QPushButton>(byName, "1180");
    c.parameterGroup = Find<MnemonicGroupBox>(byName, "1056");
    c.typeLabel = Find<QLabel>(byName, "1051");
    c.functionLabel = Find<ClickLabel>(byName, "1050");
    const char* nameLabels[] = {"1045", "1046", "1047", "1048"};
    const char* valueCombos[] = {"1037", "1038", "1039", "1040"};
    const char* valueEdits[] = {"1041", "1042", "1043", "1044"};
    const char* choiceLists[] = {"1054", "1053", "1049", "1052"};
    for (std::size_t k = 0; k < 4; ++k) {
        c.nameLabels[k] = Find<ClickLabel>(byName, nameLabels[k]);
        c.valueCombos[k] = Find<QComboBox>(byName, valueCombos[k]);
        c.valueEdits[k] = Find<QLineEdit>(byName, valueEdits[k]);
        c.choiceLists[k] = Find<QListWidget>(byName, choiceLists[k]);
    }

    c.functionModel = new FunctionListModel(c.functionCombo);
    c.functionCombo->setModel(c.functionModel);
    c.libraryCombo->setEditable(true);
    c.libraryCombo->setInsertPolicy(QComboBox::NoInsert);
    c.libraryCombo->lineEdit()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c.copyButton->setDefault(true);

    Find<QLabel>(byName, "functionLabel")->setBuddy(c.functionCombo);
    Find<QLabel>(byName, "sourceLabel")->setBuddy(c.sourcePane);
    Find<MnemonicGroupBox>(byName, "libraryGroup")->setBuddy(c.libraryCombo);
    return c;
}

}  // namespace wrennet
