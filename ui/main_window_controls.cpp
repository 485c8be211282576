#include "main_window_controls.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <algorithm>

#include "click_label.h"
#include "function_list_model.h"
#include "mnemonic_group_box.h"
#include "popup_combo_box.h"
#include "source_pane.h"

namespace wrennet {
namespace {

constexpr int kNoId = -1;
constexpr const char* kGoToDetails = "Click to go to details in Source Code.";
constexpr const char* kSelectValue = "Select value from list.";
constexpr const char* kParameterDetails = "Details of Parameter selection.";
constexpr const char* kMultipleSelection = "Hold Ctl for multiple selection.";

// One control as the window's layout gives it.
struct Control {
    const char* name;
    int slot = 0;  // 1 to 4 for a parameter slot's control, which adds it to the name
    int id = kNoId;
    const char* text = "";
    DialogRect rect;
    const char* tooltip = nullptr;
    bool shown = true;
    bool enabled = true;
};

// The least width that shows a button's text whole inside its frame, with an
// average character's room on either side: buttons were laid out for a
// narrower font too, and grow from their left edge.
int WidthForText(const QPushButton& button) {
    QString shown = button.text();
    shown.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    const QFontMetrics metrics = button.fontMetrics();
    const int frame = button.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    return metrics.horizontalAdvance(shown) + 2 * metrics.averageCharWidth() + 2 * frame;
}

// Creates the window's controls one kind at a time; each is a child of the
// window, placed, named and shown as its Control says.
class ControlFactory {
  public:
    ControlFactory(QDialog& window, const DialogUnits& units, const QFont& fixedFont)
        : window_(window), units_(units), fixedFont_(fixedFont) {}

    QPushButton* button(const Control& control) {
        auto* button = new QPushButton(Text(control), &window_);
        button->setAutoDefault(false);
        QRect rect = units_.toPixels(control.rect);
        rect.setWidth(std::max(rect.width(), WidthForText(*button)));
        return place(button, control, rect);
    }

    // Fixed texts were sized for a narrower font than most desktops use; they
    // get the width their text needs rather than being cut off.
    QLabel* label(const Control& control, Qt::Alignment alignment = kLeft) {
        auto* label = new QLabel(Text(control), &window_);
        label->setAlignment(alignment);
        QRect rect = units_.toPixels(control.rect);
        rect.setWidth(std::max(rect.width(), label->sizeHint().width()));
        return place(label, control, rect);
    }

    // Texts that change later keep their layout width as the least they get.
    ClickLabel* clickLabel(const Control& control, Qt::Alignment alignment = kLeft) {
        auto* label = new ClickLabel(Text(control), &window_);
        label->setAlignment(alignment);
        const QRect rect = units_.toPixels(control.rect);
        label->setMinimumWidth(rect.width());
        return place(label, control, rect);
    }

    // Frames stay behind the controls they surround.
    MnemonicGroupBox* group(const Control& control) {
        auto* group = place(new MnemonicGroupBox(Text(control), &window_), control,
                            units_.toPixels(control.rect));
        group->lower();
        return group;
    }

    PopupComboBox* dropDown(const Control& control, PopupComboBox::ScrollBarSide side =
                                                        PopupComboBox::ScrollBarSide::Right) {
        auto* combo = new PopupComboBox(&window_, side);
        combo->setFont(fixedFont_);
        // The layout's height includes the dropped list; the closed combo is
        // as high as its font needs.
        QRect rect = units_.toPixels(control.rect);
        rect.setHeight(combo->sizeHint().height());
        return place(combo, control, rect);
    }

    SourcePane* sourcePane(const Control& control) {
        auto* pane = new SourcePane(&window_);
        pane->setFont(fixedFont_);
        pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return place(pane, control, units_.toPixels(control.rect));
    }

    QComboBox* valueCombo(const Control& control) {
        auto* combo = new QComboBox(&window_);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        QRect rect = units_.toPixels(control.rect);
        rect.setHeight(combo->sizeHint().height());
        return place(combo, control, rect);
    }

    QLineEdit* valueEdit(const Control& control) {
        auto* edit = new QLineEdit(&window_);
        edit->setReadOnly(true);
        return place(edit, control, units_.toPixels(control.rect));
    }

    QListWidget* choiceList(const Control& control) {
        auto* list = new QListWidget(&window_);
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return place(list, control, units_.toPixels(control.rect));
    }

  private:
    static constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

    static QString Text(const Control& control) { return QString::fromUtf8(control.text); }

    template <typename Widget>
    static Widget* place(Widget* widget, const Control& control, const QRect& rect) {
        QString name = QString::fromUtf8(control.name);
        if (control.slot > 0) name += QString::number(control.slot);
        widget->setObjectName(name);
        if (control.id != kNoId) widget->setProperty("controlId", control.id);
        widget->setGeometry(rect);
        widget->setEnabled(control.enabled);
        if (control.tooltip != nullptr) widget->setToolTip(QString::fromUtf8(control.tooltip));
        widget->setVisible(control.shown);
        return widget;
    }

    QDialog& window_;
    const DialogUnits& units_;
    const QFont& fixedFont_;
};

}  // namespace

MainWindowControls BuildMainWindowControls(QDialog& window, const DialogUnits& units,
                                           const QFont& fixedFont) {
    constexpr Qt::Alignment kCentred = Qt::AlignCenter;
    constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
    ControlFactory make(window, units, fixedFont);
    MainWindowControls c{};

    c.incButton = make.button({.name = "incButton",
                               .id = 1060,
                               .text = "#&Inc",
                               .rect = {335, 50, 10, 10},
                               .shown = false,
                               .enabled = false});
    c.unlistButton = make.button({.name = "unlistButton",
                                  .id = 1006,
                                  .text = "&Unlist",
                                  .rect = {375, 15, 29, 15},
                                  .tooltip = "Click to remove library from library list."});
    c.addButton = make.button({.name = "addButton",
                               .id = 1007,
                               .text = "&Add",
                               .rect = {425, 15, 30, 15},
                               .tooltip = "Browse to add another library."});
    c.libraryCombo = make.dropDown({.name = "libraryCombo", .id = 1005, .rect = {7, 31, 458, 139}},
                                   PopupComboBox::ScrollBarSide::Left);
    c.libraryCombo->makeEditable();
    c.libraryCombo->lineEdit()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    c.functionComboLabel = make.label(
        {.name = "functionComboLabel", .text = "Choose &Function", .rect = {10, 55, 65, 8}});
    c.functionCombo =
        make.dropDown({.name = "functionCombo", .id = 1000, .rect = {7, 65, 458, 105}});
    c.functionModel = new FunctionListModel(c.functionCombo);
    c.functionCombo->setModel(c.functionModel);
    c.functionComboLabel->setBuddy(c.functionCombo);

    c.sourcePaneLabel =
        make.label({.name = "sourcePaneLabel", .text = "&Source Code", .rect = {10, 80, 42, 8}});
    c.sourcePane = make.sourcePane({.name = "sourcePane", .id = 1014, .rect = {7, 90, 458, 115}});
    c.sourcePaneLabel->setBuddy(c.sourcePane);

    c.copyButton = make.button({.name = "copyButton",
                                .id = 3,
                                .text = "&Copy",
                                .rect = {430, 215, 30, 15},
                                .tooltip = "Places function text in clipboard."});
    c.copyButton->setDefault(true);
    c.exitButton =
        make.button({.name = "exitButton", .id = 1, .text = "E&xit", .rect = {425, 260, 30, 20}});
    c.helpGroup = make.group({.name = "helpGroup", .text = "Help", .rect = {7, 255, 84, 30}});
    c.helpButton = make.button({.name = "helpButton",
                                .id = 1004,
                                .text = "F1=&Help",
                                .rect = {10, 265, 30, 15},
                                .tooltip = "Click to open help."});
    c.setupButton = make.button({.name = "setupButton",
                                 .id = 1003,
                                 .text = "Setu&p",
                                 .rect = {50, 265, 30, 15},
                                 .tooltip = "Click to open Setup window."});
    c.libraryGroup =
        make.group({.name = "libraryGroup", .text = "Select &Library", .rect = {5, 5, 460, 45}});
    c.libraryGroup->setBuddy(c.libraryCombo);
    // The combo's layout runs to the frame's own right edge, over its line; it
    // stands as far inside on the right as on the left.
    QRect libraryField = c.libraryCombo->geometry();
    libraryField.setRight(c.libraryGroup->geometry().right() -
                          (libraryField.left() - c.libraryGroup->geometry().left()));
    c.libraryCombo->setGeometry(libraryField);

    constexpr int kSeparatorX[] = {15, 31, 51};
    for (std::size_t k = 0; k < c.separators.size(); ++k) {
        const int slot = static_cast<int>(k) + 1;
        c.separators[k] = make.label({.name = "separator",
                                      .slot = slot,
                                      .id = 1032 + slot,
                                      .text = ",",
                                      .rect = {kSeparatorX[k], 15, 8, 10},
                                      .shown = false},
                                     kCentred);
    }
    c.closeParenthesis = make.label({.name = "closeParenthesis",
                                     .id = 1036,
                                     .text = ")",
                                     .rect = {65, 15, 8, 10},
                                     .shown = false},
                                    kCentred);
    c.openParenthesis =
        make.label({.name = "openParenthesis", .text = "(", .rect = {75, 234, 8, 8}}, kCentred);
    c.wrennetButton = make.button({.name = "wrennetButton",
                                   .id = 1180,
                                   .text = "&Wrennet",
                                   .rect = {305, 50, 25, 10},
                                   .shown = false,
                                   .enabled = false});
    c.cancelButton = make.button({.name = "cancelButton",
                                  .id = 2,
                                  .text = "&Cancel",
                                  .rect = {350, 50, 10, 10},
                                  .shown = false,
                                  .enabled = false});

    constexpr int kNameLabelX[] = {115, 205, 305, 400};
    constexpr const char* kNameLabelText[] = {"Parmn1", "Parmn2", "Parmn3", "Parmn4"};
    for (std::size_t k = 0; k < c.nameLabels.size(); ++k) {
        const int slot = static_cast<int>(k) + 1;
        c.nameLabels[k] = make.clickLabel({.name = "nameLabel",
                                           .slot = slot,
                                           .id = 1044 + slot,
                                           .text = kNameLabelText[k],
                                           .rect = {kNameLabelX[k], 220, 15, 8},
                                           .tooltip = kGoToDetails});
    }

    c.showButton = make.button({.name = "showButton",
                                .id = 1061,
                                .text = "Sho&w",
                                .rect = {325, 15, 30, 15},
                                .tooltip = "Click to show header file in Source Code window."});
    c.parameterGroup = make.group({.name = "parameterGroup",
                                   .id = 1056,
                                   .text = "Choose &Parameters",
                                   .rect = {7, 208, 458, 45}});
    c.typeLabel = make.label(
        {.name = "typeLabel", .id = 1051, .text = "Type", .rect = {10, 226, 65, 8}}, kCentred);
    c.functionLabel = make.clickLabel(
        {.name = "functionLabel", .id = 1050, .text = "Function", .rect = {15, 233, 60, 10}},
        kRight);

    constexpr int kValueComboX[] = {75, 95, 115, 135};
    constexpr DialogRect kValueEditRect[] = {
        {82, 233, 10, 12}, {184, 232, 10, 12}, {283, 229, 10, 12}, {453, 233, 10, 12}};
    constexpr DialogRect kChoiceListRect[] = {
        {0, 0, 10, 15}, {255, 15, 10, 15}, {275, 15, 10, 15}, {462, 275, 10, 15}};
    constexpr int kChoiceListId[] = {1054, 1053, 1049, 1052};
    for (std::size_t k = 0; k < c.valueCombos.size(); ++k) {
        const int slot = static_cast<int>(k) + 1;
        c.valueCombos[k] = make.valueCombo({.name = "valueCombo",
                                            .slot = slot,
                                            .id = 1036 + slot,
                                            .rect = {kValueComboX[k], 15, 16, 130},
                                            .tooltip = kSelectValue,
                                            .shown = false});
        c.valueEdits[k] = make.valueEdit({.name = "valueEdit",
                                          .slot = slot,
                                          .id = 1040 + slot,
                                          .rect = kValueEditRect[k],
                                          .tooltip = kParameterDetails,
                                          .shown = false});
        c.choiceLists[k] = make.choiceList({.name = "choiceList",
                                            .slot = slot,
                                            .id = kChoiceListId[k],
                                            .rect = kChoiceListRect[k],
                                            .tooltip = kMultipleSelection,
                                            .shown = false});
    }

    c.helpersButton = make.button({.name = "helpersButton",
                                   .id = 4,
                                   .text = "&Helpers",
                                   .rect = {220, 265, 30, 15},
                                   .tooltip = "Click to launch helper application.",
                                   .shown = false});
    return c;
}

}  // namespace wrennet
