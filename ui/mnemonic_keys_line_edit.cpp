#include "ui/mnemonic_keys_line_edit.h"

#include <QKeyEvent>

namespace wrennet {

void MnemonicKeysLineEdit::keyPressEvent(QKeyEvent* event) {
    // Ctrl+Alt stands for AltGr on some keyboards, which types characters.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if ((modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier)) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace wrennet
