#include "mnemonic_group_box.h"

#include <QEvent>

namespace wrennet {

MnemonicGroupBox::MnemonicGroupBox(const QString& title, QWidget* parent)
    : QGroupBox(title, parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

bool MnemonicGroupBox::event(QEvent* event) {
    if (event->type() != QEvent::Shortcut) return QGroupBox::event(event);
    if (buddy_ != nullptr && buddy_->isVisible() && buddy_->isEnabled()) {
        buddy_->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    for (QWidget* next = nextInFocusChain(); next != nullptr && next != this;
         next = next->nextInFocusChain()) {
        if (next->isVisible() && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus(Qt::ShortcutFocusReason);
            break;
        }
    }
    return true;
}

}  // namespace wrennet
