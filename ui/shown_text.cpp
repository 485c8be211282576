#include "ui/shown_text.h"

#include <algorithm>

#include "library/display_text.h"

namespace wrennet {

QString ToShownText(std::string_view bytes) {
    return QString::fromStdString(DecodeForDisplay(bytes));
}

PaneEncoding PaneEncodingOf(std::string_view bytes) {
    return IsValidUtf8(bytes) ? PaneEncoding::Utf8 : PaneEncoding::Windows1252;
}

QString ToPaneText(std::string_view bytes, PaneEncoding encoding) {
    QString text;
    if (encoding == PaneEncoding::Utf8) {
        text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    } else {
        // A line of a Windows-1252 text may on its own be valid UTF-8; a byte
        // that never is makes the core read it as Windows-1252 all the same.
        std::string marked(bytes);
        marked.push_back('\xFF');
        text = QString::fromStdString(DecodeForDisplay(marked));
        text.chop(1);
    }
    text.remove(u'\r');
    for (QChar& c : text) {
        if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            c = QChar::ReplacementCharacter;
        }
    }
    return text;
}

qsizetype PaneTextLength(std::string_view bytes, PaneEncoding encoding) {
    qsizetype length = 0;
    if (encoding == PaneEncoding::Utf8) {
        for (const char c : bytes) {
            const auto byte = static_cast<unsigned char>(c);
            // One unit per sequence, two for the four-byte ones (a surrogate pair).
            if ((byte & 0xC0) != 0x80) ++length;
            if (byte >= 0xF0) ++length;
        }
    } else {
        length = static_cast<qsizetype>(bytes.size());
    }
    return length - std::count(bytes.begin(), bytes.end(), '\r');
}

std::string FromTypedText(const QString& text) { return text.toStdString(); }

}  // namespace wrennet
