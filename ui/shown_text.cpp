#include "shown_text.h"

#include <algorithm>

#include "display_text.h"

namespace wrennet {

QString ToShownText(std::string_view bytes) {
    return QString::fromStdString(DecodeForDisplay(bytes));
}

QString ToPaneText(std::string_view bytes) {
    std::string withoutReturns;
    withoutReturns.reserve(bytes.size());
    std::copy_if(bytes.begin(), bytes.end(), std::back_inserter(withoutReturns),
                 [](char c) { return c != '\r'; });
    QString text = ToShownText(withoutReturns);
    for (QChar& c : text) {
        if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            c = QChar::ReplacementCharacter;
        }
    }
    return text;
}

std::string FromTypedText(const QString& text) { return text.toStdString(); }

}  // namespace wrennet
