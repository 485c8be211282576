#include "ui/click_label.h"

#include <QMouseEvent>
#include <algorithm>

namespace wrennet {

void ClickLabel::fitWidthToText() {
    int width = std::max(minimumWidth(), sizeHint().width());
    if (parentWidget() != nullptr) {
        width = std::max(minimumWidth(), std::min(width, parentWidget()->width() - x()));
    }
    resize(width, height());
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace wrennet
