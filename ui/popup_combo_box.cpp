#include "popup_combo_box.h"

#include <QAbstractItemView>
#include <QListView>
#include <QMetaObject>
#include <QProxyStyle>

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

}  // namespace

PopupComboBox::PopupComboBox(QWidget* parent) : QComboBox(parent) {
    // Long lists must not be measured item by item: the combo's size comes from
    // its place in the window, and every item is one line of the same height.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(1);
    auto* style = new DropDownListStyle;
    style->setParent(this);
    setStyle(style);
    if (auto* list = qobject_cast<QListView*>(view())) list->setUniformItemSizes(true);
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
    QMetaObject::invokeMethod(this, &PopupComboBox::popupClosed, Qt::QueuedConnection);
}

}  // namespace wrennet
