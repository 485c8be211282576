#include "ui/dialog_units.h"

#include <QFontMetrics>
#include <QString>

namespace wrennet {

DialogUnits::DialogUnits(int averageCharWidth, int fontHeight)
    : averageCharWidth_(averageCharWidth), fontHeight_(fontHeight) {}

DialogUnits DialogUnits::ForFont(const QFont& font) {
    // The unit every control size is given in: the average advance of the 52
    // letters, rounded. A font's own "average width" field varies too much
    // between font files.
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int average = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    return DialogUnits(average > 0 ? average : 1, metrics.height() > 0 ? metrics.height() : 1);
}

QRect DialogUnits::toPixels(const DialogRect& rect) const {
    return QRect(x(rect.x), y(rect.y), x(rect.width), y(rect.height));
}

QSize DialogUnits::scaledPixels(int width, int height) const {
    return QSize(width * averageCharWidth_ / 6, height * fontHeight_ / 13);
}

}  // namespace wrennet
