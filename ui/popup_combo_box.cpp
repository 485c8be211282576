#include "ui/popup_combo_box.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QMetaObject>
#include <QProxyStyle>
#include <QStyledItemDelegate>
#include <QTableView>

#include "ui/mnemonic_keys_line_edit.h"

namespace wrennet {
namespace {

// The list drops below the combo, as a plain drop-down list does. Styles that
// instead lay the list over the combo size it to all of its items first, which
// for 100,000 functions costs more than reading the library.
class DropDownListStyle final : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

class LeftToRightItemDelegate final : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        option->direction = Qt::LeftToRight;
    }
};

}  // namespace

PopupComboBox::PopupComboBox(QWidget* parent, ScrollBarSide side) : QComboBox(parent) {
    // The style comes first: the list is created by the first call that needs
    // it (the size settings below among them), and a list created while the
    // combo still lays its list over itself loses its scroll bar for good.
    auto* style = new DropDownListStyle;
    style->setParent(this);
    setStyle(style);
    // Long lists must not be measured item by item: the combo's size comes from
    // its place in the window, and every item is one line of the same height.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(1);
    // A one-column table without headers or grid shows the items as a list
    // does, but lays out its rows as one block of equal heights, where a list
    // view places each row in turn at every opening (see the window benchmark
    // in bench/README.md).
    auto* table = new QTableView(this);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setMinimumSectionSize(1);
    table->verticalHeader()->setDefaultSectionSize(fontMetrics().height());
    table->setShowGrid(false);
    table->setWordWrap(false);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setView(table);
    if (side == ScrollBarSide::Left) {
        // A scroll area puts its bar on the left when laid out right to left;
        // the items themselves keep reading left to right.
        view()->setLayoutDirection(Qt::RightToLeft);
        setItemDelegate(new LeftToRightItemDelegate(this));
    }
}

void PopupComboBox::makeEditable() {
    setLineEdit(new MnemonicKeysLineEdit(this));
    setInsertPolicy(QComboBox::NoInsert);
}

void PopupComboBox::showPopup() {
    Q_EMIT popupAboutToShow();
    if (count() == 0) {
        reportClosedLater();
        return;
    }
    QComboBox::showPopup();
    popupOpen_ = true;
}

void PopupComboBox::hidePopup() {
    const bool wasOpen = popupOpen_;
    popupOpen_ = false;
    QComboBox::hidePopup();
    if (wasOpen) reportClosedLater();
}

void PopupComboBox::reportClosedLater() {
    // The click or key that closes the list selects its item only after
    // hidePopup() returns; the report waits for that.
    QMetaObject::invokeMethod(
        this,
        [this] {
            Q_EMIT popupClosing();
            Q_EMIT popupClosed();
        },
        Qt::QueuedConnection);
}

}  // namespace wrennet
