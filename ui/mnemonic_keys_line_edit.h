#pragma once

#include <QLineEdit>

namespace wrennet {

// An edit field that leaves Alt with a key to the window's mnemonics and never
// types it: a letter that is no mnemonic does nothing rather than landing in
// the field. The key goes on to the field's owner, so a combo still opens its
// list on Alt+Down.
class MnemonicKeysLineEdit final : public QLineEdit {
    Q_OBJECT
  public:
    using QLineEdit::QLineEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace wrennet
