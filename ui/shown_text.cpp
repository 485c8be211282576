#include "shown_text.h"

#include "display_text.h"

namespace wrennet {

QString ToShownText(std::string_view bytes) {
    return QString::fromStdString(DecodeForDisplay(bytes));
}

QString ToPaneText(std::string_view bytes) {
    // Straight from the bytes when they are UTF-8, the common case: a whole
    // library is decoded once, without intermediate copies.
    QString text = IsValidUtf8(bytes)
                       ? QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()))
                       : ToShownText(bytes);
    text.remove(u'\r');
    for (QChar& c : text) {
        if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            c = QChar::ReplacementCharacter;
        }
    }
    return text;
}

std::string FromTypedText(const QString& text) { return text.toStdString(); }

}  // namespace wrennet
