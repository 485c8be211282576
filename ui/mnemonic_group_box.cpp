#include "ui/mnemonic_group_box.h"

#include <qdrawutil.h>

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>

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

void MnemonicGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    // An etched line: the style's own group frame would leave room for the
    // title above itself.
    qDrawShadeRect(&painter, rect().adjusted(0, metrics.height() / 2, 0, 0), palette(), true);
    if (title().isEmpty()) return;
    // The title covers the line it sits on.
    const int margin = metrics.averageCharWidth();
    const QRect titleRect = style()->itemTextRect(
        metrics, rect().adjusted(margin * 2, 0, 0, 0),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, isEnabled(), title());
    painter.fillRect(titleRect.adjusted(-margin / 2, 0, margin / 2, 0), palette().window());
    style()->drawItemText(&painter, titleRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic,
                          palette(), isEnabled(), title(), QPalette::WindowText);
}

}  // namespace wrennet
