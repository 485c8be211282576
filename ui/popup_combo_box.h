// PopupComboBox: a combo that reports its list opening and closing.
#pragma once

#include <QComboBox>

namespace wrennet {

// A combo that reports its list opening, before the list shows (so the list
// can be refilled first), and closing, after the selection that closed it has
// been made. A list that would open empty still reports both, as a list that
// opens and closes at once.
class PopupComboBox final : public QComboBox {
    Q_OBJECT
  public:
    // The side of the list's vertical scroll bar; the items read left to right
    // either way.
    enum class ScrollBarSide { Right, Left };

    explicit PopupComboBox(QWidget* parent, ScrollBarSide side = ScrollBarSide::Right);

    // Gives the combo an edit field for typing. Alt with a key is left to the
    // window's mnemonics and never typed: a letter that is no mnemonic does
    // nothing rather than landing in the field.
    void makeEditable();

    void showPopup() override;
    void hidePopup() override;
    bool isPopupOpen() const { return popupOpen_; }

  Q_SIGNALS:
    void popupAboutToShow();
    // Both after the selection that closed the list: first for what belongs
    // to the list itself (putting the index right), then for the window.
    void popupClosing();
    void popupClosed();

  private:
    void reportClosedLater();

    bool popupOpen_ = false;
};

}  // namespace wrennet
